#include "ui/fleet/fleet_report_pdf.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "fleet/report_csv.h"
#include "seams/iso_time.h"
#include "text/text_ids.h"
#include "ui/files/frequency_sheet.h"

namespace quorprog {

namespace {

constexpr int kResolution = 300;  // dots per inch of the PDF's page
constexpr int kRowsPerPage = 40;

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

// A page of the device list, rows [first, first + kRowsPerPage).
void paintDevices(QPainter& painter, const QRect& page, const std::vector<DeviceResult>& results,
                  size_t first, const QString& title) {
    const int line = page.height() / (kRowsPerPage + 4);
    QFont font("Liberation Sans");
    font.setPixelSize(line * 2);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(page.left(), page.top(), page.width(), line * 3), Qt::AlignLeft, title);
    font.setPixelSize(line / 2);
    font.setBold(false);
    painter.setFont(font);
    // time, round, port, programmer, model, result (with the reason), bytes changed, seconds
    const double share[] = {0.15, 0.05, 0.07, 0.22, 0.14, 0.25, 0.06, 0.06};
    const auto drawRow = [&](int y, const QStringList& cells) {
        int x = page.left();
        for (int c = 0; c < cells.size(); ++c) {
            const int width = static_cast<int>(page.width() * share[c]);
            painter.drawText(QRect(x, y, width - line / 4, line), Qt::AlignLeft | Qt::AlignVCenter,
                             painter.fontMetrics().elidedText(cells[c], Qt::ElideRight,
                                                              width - line / 4));
            x += width;
        }
    };
    int y = page.top() + line * 3;
    drawRow(y, {"time", "round", "port", "programmer", "model", "result", "changes", "seconds"});
    painter.drawLine(page.left(), y + line, page.right(), y + line);
    for (size_t i = first; i < results.size() && i < first + kRowsPerPage; ++i) {
        const DeviceResult& r = results[i];
        y += line;
        painter.setPen(r.ok ? Qt::black : QColor(0xC0, 0x1C, 0x1C));
        drawRow(y, {qText(isoTimeText(r.time)), QString::number(r.round), qText(r.port),
                    qText(r.programmer), qText(r.model),
                    r.ok ? QStringLiteral("ok") : "failed: " + qText(r.message),
                    QString::number(r.changes), QString::number(r.seconds, 'f', 1)});
    }
    painter.setPen(Qt::black);
}

}  // namespace

Bytes fleetReportPdf(const std::vector<DeviceResult>& results, const ChannelTable& plan,
                     const LocalTexts& texts, const Clock& clock) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kResolution);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setTitle(qText(texts.LocalText(text::kFleetReportTitle)));
        QPainter painter(&writer);
        if (!painter.isActive()) return {};
        const QRect page(0, 0, writer.width(), writer.height());
        const QString title = qText(texts.LocalText(text::kFleetReportTitle)) + "  " +
                              frequencySheetDate(clock);
        for (size_t first = 0; first == 0 || first < results.size(); first += kRowsPerPage) {
            if (first > 0) writer.newPage();
            paintDevices(painter, page, results, first, title);
        }
        const FrequencySheet sheet(plan, texts, frequencySheetDate(clock), frequencySheetLogo());
        for (int p = 0; p < sheet.pageCount(); ++p) {
            writer.newPage();
            sheet.paintPage(painter, writer.width(), writer.height(), p);
        }
        if (!painter.end()) return {};
    }
    const QByteArray& data = buffer.data();
    return Bytes(data.begin(), data.end());
}

}  // namespace quorprog
