#include "files/csv_records.h"

namespace quorprog {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Walks the text once; `line` and `column` say where it is for the messages.
class CsvScanner {
  public:
    explicit CsvScanner(std::string_view text) : text_(text) {}

    CsvRecords read() {
        CsvRecords out;
        while (!atEnd() && error_.empty()) {
            if (restIsBlankLines()) break;
            CsvRecord record{line_, {}};
            readRecord(record);
            if (error_.empty()) out.records.push_back(std::move(record));
        }
        out.error = error_;
        if (!out.error.empty()) out.records.clear();
        return out;
    }

  private:
    bool atEnd() const { return position_ >= text_.size(); }
    char peek() const { return text_[position_]; }

    void refuse(const std::string& what) {
        if (error_.empty())
            error_ = "line " + std::to_string(line_) + ", column " + std::to_string(column_) + ": " +
                     what;
    }

    // Only blanks and line ends from here on: the trailing blank lines.
    bool restIsBlankLines() const {
        for (size_t i = position_; i < text_.size(); ++i) {
            if (!isBlank(text_[i]) && text_[i] != '\r' && text_[i] != '\n') return false;
        }
        return true;
    }

    void skipBlanks() {
        while (!atEnd() && isBlank(peek())) ++position_;
    }

    // True at the end of the text or after a line end (LF or CR LF), which it takes.
    bool takeLineEnd() {
        if (atEnd()) return true;
        if (peek() == '\n') {
            ++position_;
            ++line_;
            return true;
        }
        if (peek() == '\r') {
            if (position_ + 1 < text_.size() && text_[position_ + 1] == '\n') {
                position_ += 2;
                ++line_;
                return true;
            }
            refuse("a carriage return without a line feed");
        }
        return false;
    }

    void readRecord(CsvRecord& record) {
        column_ = 1;
        for (;;) {
            record.fields.push_back(readField());
            if (!error_.empty()) return;
            if (!atEnd() && peek() == ',') {
                ++position_;
                ++column_;
                continue;
            }
            if (takeLineEnd()) return;
            if (error_.empty()) refuse("a field goes on after its end");
            return;
        }
    }

    std::string readField() {
        skipBlanks();
        std::string field = !atEnd() && peek() == '"' ? readQuoted() : readPlain();
        skipBlanks();
        return field;
    }

    std::string readPlain() {
        const size_t start = position_;
        while (!atEnd() && peek() != ',' && peek() != '\n' && peek() != '\r') {
            if (peek() == '"') {
                refuse("a quote inside a field that does not start with one");
                return {};
            }
            ++position_;
        }
        std::string_view field = text_.substr(start, position_ - start);
        while (!field.empty() && isBlank(field.back())) field.remove_suffix(1);
        return std::string(field);
    }

    std::string readQuoted() {
        const size_t openedOn = line_;
        ++position_;  // the opening quote
        std::string field;
        while (!atEnd()) {
            const char c = peek();
            ++position_;
            if (c == '"') {
                if (atEnd() || peek() != '"') {
                    skipBlanks();
                    if (!atEnd() && peek() != ',' && peek() != '\n' && peek() != '\r')
                        refuse("text after the closing quote of a field");
                    return field;
                }
                ++position_;  // "" stands for one quote
            } else if (c == '\n') {
                ++line_;
            }
            field += c;
        }
        line_ = openedOn;
        refuse("a quoted field that is never closed");
        return {};
    }

    std::string_view text_;
    size_t position_ = 0;
    size_t line_ = 1;
    size_t column_ = 1;
    std::string error_;
};

}  // namespace

CsvRecords readCsvRecords(std::string_view text) {
    if (text.size() > kMaxCsvBytes) {
        return {{}, "the file is larger than 1 MiB (" + std::to_string(kMaxCsvBytes) +
                        " bytes), more than any channel plan needs"};
    }
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    return CsvScanner(text).read();
}

}  // namespace quorprog
