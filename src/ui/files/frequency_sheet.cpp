#include "ui/files/frequency_sheet.h"

#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>
#include <cstdio>
#include <string>

#include "channels/date_stamp.h"
#include "files/file_bytes.h"
#include "files/frequency_sheet_layout.h"
#include "text/text_ids.h"
#include "ui/artwork/artwork.h"
#include "ui/numbers/display_numbers.h"

namespace quorprog {
namespace {

const QColor kRed(255, 0, 0);
const QColor kOutline(150, 150, 150);
const QColor kBandGrey(233, 233, 233);
const QColor kWhite(255, 255, 255);
// Paper is white whatever the desktop's colour scheme: the text is always black.
const QColor kInk(0, 0, 0);

const char* const kMakerAddress =
    "Quorvel Audio Systems S.r.l. \u2013 Via dei Mille 14 \u2013 40121 Bologna \u2013 Italy";
const char* const kMakerContacts =
    "Tel. +39 051 644 2810 \u2013 Fax +39 051 644 2811 \u2013 www.quorvel.com \u2013 "
    "service@quorvel.com";

enum class SheetFont { Body, Heading, Title };

// scale shrinks a font for rows set closer than usual.
QFont sheetFont(SheetFont kind, double scale) {
    QFont font;
    font.setFamilies({"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "DejaVu Sans"});
    font.setStyleHint(QFont::SansSerif);
    switch (kind) {
        case SheetFont::Body:
            font.setPointSize(10);
            break;
        case SheetFont::Heading:
            font.setPointSize(11);
            font.setBold(true);
            break;
        case SheetFont::Title:
            font.setPointSize(15);
            font.setBold(true);
            break;
    }
    font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

// Draws texts and shapes in page units on one page.
class PageCanvas {
  public:
    PageCanvas(QPainter& painter, const SheetUnits& units) : painter_(painter), units_(units) {}

    void setFont(SheetFont kind, double scale = 1.0) { painter_.setFont(sheetFont(kind, scale)); }
    int textWidth(const QString& text) const {
        return painter_.fontMetrics().horizontalAdvance(text);
    }
    int textHeight() const { return painter_.fontMetrics().height(); }

    // Text with its top-left corner at (x, y) on an opaque background.
    void text(int x, int y, const QString& text, const QColor& background) {
        const QRect cell(x, y, textWidth(text), textHeight());
        painter_.fillRect(cell, background);
        painter_.setPen(kInk);
        painter_.drawText(cell, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
    }
    void centredText(int centre, int y, const QString& label, const QColor& background) {
        text(centre - textWidth(label) / 2, y, label, background);
    }

    void fill(int left, int top, int right, int bottom, const QColor& colour) {
        painter_.fillRect(QRect(left, top, right - left, bottom - top), colour);
    }
    void roundedBox(int left, int top, int right, int bottom, const QColor& fillColour) {
        painter_.setPen(QPen(kOutline, units_.m / 30));
        painter_.setBrush(fillColour);
        painter_.drawRoundedRect(QRect(left, top, right - left, bottom - top), units_.m / 2.0,
                                 units_.u / 2.0);
    }
    void image(int left, int top, int right, int bottom, const QImage& picture) {
        if (!picture.isNull())
            painter_.drawImage(QRect(left, top, right - left, bottom - top), picture);
    }

  private:
    QPainter& painter_;
    const SheetUnits& units_;
};

// Header: logo, a red bar running on from its bottom edge, title and date. Footer: a red rule
// over the maker's address and contacts.
void paintHeaderAndFooter(PageCanvas& canvas, const SheetUnits& units, const QString& title,
                          const QString& date, const QImage& logo) {
    const int m = units.m;
    const int u = units.u;
    const int B = logoBottom(units);
    canvas.image(m, u, 11 * m, B, logo);
    canvas.fill(11 * m, B - 200 * m / kSheetLogoWidth, units.W - m, B, kRed);
    canvas.setFont(SheetFont::Title);
    canvas.text((units.W - canvas.textWidth(title)) / 2, B + 2 * u, title, kWhite);
    canvas.text(units.W - m - canvas.textWidth(date), u, date, kWhite);

    canvas.fill(m, static_cast<int>(units.H - 2.1 * u), units.W - m, units.H - 2 * u, kRed);
    canvas.setFont(SheetFont::Body);
    canvas.text(m, static_cast<int>(units.H - 1.75 * u), QString::fromUtf8(kMakerAddress), kWhite);
    canvas.text(m, units.H - u, QString::fromUtf8(kMakerContacts), kWhite);
}

QString channelNumber(uint32_t c) {
    char text[16];
    std::snprintf(text, sizeof text, "%02X", c);
    return QString::fromUtf8(text);
}

// Group r's box: a grey title band, the column headings, one row per channel and the range.
void paintGroupBox(PageCanvas& canvas, const SheetUnits& units, const ChannelTable& table,
                   const LocalTexts& texts, uint32_t r) {
    const auto text = [&texts](int id) { return QString::fromStdString(texts.LocalText(id)); };
    const int m = units.m;
    const int u = units.u;
    const GroupBoxGeometry box = groupBoxGeometry(units, table.FrequencyCount, r);
    const int x0 = box.left;
    const int y0 = box.top;
    canvas.roundedBox(x0, y0, box.right, y0 + box.height, kBandGrey);
    canvas.roundedBox(x0, y0 + u, box.right, y0 + box.height, kWhite);

    canvas.setFont(SheetFont::Title);
    char number[16];
    std::snprintf(number, sizeof number, " %01X: ", r);
    const QString title = text(text::kGroup) + QString::fromUtf8(number) +
                          text(table.IsReceiver[r] ? text::kReceiver : text::kTransmitter);
    canvas.text(x0 + m, y0 + (u - canvas.textHeight()) / 2, title, kBandGrey);

    const int xc = x0 + m / 2;
    const int columns[] = {static_cast<int>(xc + 0.75 * m), static_cast<int>(xc + 3.25 * m),
                           static_cast<int>(xc + 6.75 * m)};
    int y = static_cast<int>(y0 + 1.5 * u);
    canvas.setFont(SheetFont::Heading);
    canvas.centredText(columns[0], y, "CH", kWhite);
    canvas.centredText(columns[1], y, text(text::kFrequencyKhz), kWhite);
    canvas.centredText(columns[2], y, text(text::kSubtone), kWhite);

    canvas.setFont(SheetFont::Body, std::min(1.0, box.rowPitch / (0.75 * u)));
    y += u;
    const auto group = static_cast<int32_t>(r);
    for (uint32_t c = 0; c < table.FrequencyCount[r]; ++c) {
        canvas.centredText(columns[0], y, channelNumber(c), kWhite);
        canvas.centredText(columns[1], y, decimalText(table.Frequency[r][c], 1), kWhite);
        canvas.centredText(columns[2], y,
                           QString::fromStdString(
                               table.SubtoneTables.SubtoneName(group, table.SubtoneIndex[r][c])),
                           kWhite);
        y = static_cast<int>(y + box.rowPitch);
    }

    canvas.setFont(SheetFont::Heading);
    y = static_cast<int>(y + 0.25 * u);
    const QString range = text(text::kRange) + ": " + decimalText(table.MinFreq[r] * 0.001, 3) +
                          " - " + decimalText(table.MaxFreq[r] * 0.001, 3);
    canvas.text(xc + m / 2, y, range, kWhite);
}

}  // namespace

FrequencySheet::FrequencySheet(const ChannelTable& table, const LocalTexts& texts, QString date,
                               QImage logo)
    : table_(table), texts_(texts), date_(std::move(date)), logo_(std::move(logo)) {}

uint32_t FrequencySheet::groupCount() const {
    return std::min(table_.PartitionCount, table_.allocatedPartitions());
}

int FrequencySheet::pageCount() const {
    return sheetPageCount(groupCount());
}

void FrequencySheet::paintPage(QPainter& painter, int width, int height, int page) const {
    const SheetUnits units = sheetUnits(width, height);
    PageCanvas canvas(painter, units);
    const QString title = title_.isEmpty()
                              ? QString::fromStdString(texts_.LocalText(text::kFrequencySheetTitle))
                              : title_;
    paintHeaderAndFooter(canvas, units, title, date_, logo_);
    const uint32_t first = 2 * static_cast<uint32_t>(page);
    for (uint32_t r = first; r < std::min(first + 2, groupCount()); ++r) {
        paintGroupBox(canvas, units, table_, texts_, r);
    }
}

bool FrequencySheet::paintJob(QPagedPaintDevice& device) const {
    QPainter painter(&device);
    if (!painter.isActive()) return false;
    for (int page = 0; page < pageCount(); ++page) {
        if (page > 0) device.newPage();
        paintPage(painter, device.width(), device.height(), page);
    }
    return painter.end();
}

bool FrequencySheet::print(QPrinter& printer) const {
    printer.setDocName(kJobTitle);
    return paintJob(printer);
}

// The whole PDF is made in memory and then written as any other file of the program: a full
// disk then keeps an old file and is reported, instead of leaving half a PDF behind.
bool FrequencySheet::printToPdf(const QString& path) const {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        // The page size and resolution a printer of the user's locale starts with.
        const QPrinter printer(QPrinter::HighResolution);
        QPdfWriter writer(&pdf);
        writer.setPageLayout(printer.pageLayout());
        writer.setResolution(printer.resolution());
        writer.setTitle(kJobTitle);
        writer.setCreator(printer.creator());
        if (!paintJob(writer)) return false;
    }
    const QByteArray& bytes = pdf.data();
    return writeFileBytes(
        QFile::encodeName(path).toStdString(),
        std::span(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())));
}

QImage frequencySheetLogo() {
    return artwork("PRN_LOGO");
}

QString frequencySheetDate(const Clock& clock) {
    return QString::fromStdString(FormatDate("dd/mm/yyyy", clock.today(), clock.dateSeparator()));
}

}  // namespace quorprog
