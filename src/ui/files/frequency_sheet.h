#pragma once

#include <QImage>
#include <QString>

#include "channels/channel_table.h"
#include "seams/clock.h"
#include "text/local_texts.h"

class QPainter;
class QPagedPaintDevice;
class QPrinter;

namespace quorprog {

// The frequency allocation sheet of a whole channel table: on every page a header with the logo,
// the title and the date, a footer with the maker's address, and two group boxes side by side,
// each listing its channels with frequency and subtone and ending with the group's range. Texts
// come in the current language of `texts`. It draws on any paint device: a page at a time on an
// image, or the whole job on a printer.
class FrequencySheet {
  public:
    static constexpr const char* kJobTitle = "Quorvel Programmer Frequency Sheet";

    // date is the text printed top right; logo may be null (the header then leaves its place
    // empty).
    FrequencySheet(const ChannelTable& table, const LocalTexts& texts, QString date, QImage logo);

    // The heading of every page; empty (the default) prints the language's sheet title.
    void setTitle(QString title) { title_ = std::move(title); }

    int pageCount() const;

    // Paints page `page` (from 0) onto a device whose page is width × height pixels.
    void paintPage(QPainter& painter, int width, int height, int page) const;

    // The whole print job: title, every page, end of the document. False when the printer
    // could not be started (a PDF file that cannot be written).
    bool print(QPrinter& printer) const;
    // The same job into a PDF file at `path`, on the page size of the user's locale, written by
    // the program's one file writer. The window without a printer and the command-line tool both
    // print through here. False when the file could not be written.
    bool printToPdf(const QString& path) const;

  private:
    bool paintJob(QPagedPaintDevice& device) const;
    // Groups that the table both counts and holds.
    uint32_t groupCount() const;

    const ChannelTable& table_;
    const LocalTexts& texts_;
    const QString date_;
    const QImage logo_;
    QString title_;
};

// The logo printed in the sheet header.
QImage frequencySheetLogo();

// Today's date as the sheet prints it: "dd/mm/yyyy" with the system's date separator.
QString frequencySheetDate(const Clock& clock);

}  // namespace quorprog
