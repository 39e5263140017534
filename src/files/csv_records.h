#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorprog {

// CSV files from outside (spreadsheets, other coordination tools) are read as RFC 4180 has them:
// a UTF-8 byte order mark before the first record is skipped, records end in CR LF or LF, a field
// may be quoted (then it may hold commas, line breaks and "" for a quote), blanks (spaces, tabs)
// around a field are not part of it, and blank lines at the end are ignored. Anything else is
// refused with the line and column where it is.
inline constexpr size_t kMaxCsvBytes = 1024 * 1024;

struct CsvRecord {
    size_t line = 0;  // the line the record starts on, from 1
    std::vector<std::string> fields;
};

struct CsvRecords {
    std::vector<CsvRecord> records;
    std::string error;  // "line L, column C: what is wrong" (C counts fields from 1); empty: read
};

// At most kMaxCsvBytes; a larger text is refused unread.
CsvRecords readCsvRecords(std::string_view text);

}  // namespace quorprog
