#include "ui/coordination/rf_plot_tip.h"

#include <QStringList>

#include "text/local_texts.h"
#include "text/text_ids.h"
#include "ui/coordination/coordination_cells.h"
#include "ui/numbers/display_numbers.h"

namespace quorprog {

using coordination::Hertz;

namespace {

// A dense band puts thousands of products under one pixel; the tip names the first few.
constexpr size_t kMostProductsNamed = 6;

QString mhz(Hertz frequency) {
    return shortestText(static_cast<double>(frequency) / 1e6);
}

QString mhzList(const std::vector<Hertz>& frequencies) {
    QStringList list;
    for (const Hertz f : frequencies) list << mhz(f);
    return list.join("; ");
}

}  // namespace

QString spectrumTipText(const coordination::SpectrumHit& hit, const LocalTexts& texts) {
    const auto local = [&](int id) { return QString::fromStdString(texts.LocalText(id)); };
    QStringList lines;
    for (const coordination::SpectrumLine& line : hit.lines) {
        lines << local(text::kTipChannel).arg(channelCell(line.channel), mhz(line.frequency));
        for (const coordination::Conflict& conflict : hit.conflicts) {
            if (conflict.channel != line.channel) continue;
            lines << QStringLiteral("  %1: %2 \u2192 %3")
                         .arg(local(conflictKindText(conflict.kind)), mhzList(conflict.sources),
                              mhz(conflict.product));
        }
    }
    for (const Hertz s : hit.onSite) lines << local(text::kTipOtherTransmitter).arg(mhz(s));
    for (size_t i = 0; i < hit.im3.size() && i < kMostProductsNamed; ++i) {
        const coordination::Im3Product& product = hit.im3[i];
        lines << local(text::kTipIm3).arg(mhz(product.frequency), mhz(product.a), mhz(product.b));
    }
    if (hit.im3.size() > kMostProductsNamed) lines << QStringLiteral("\u2026");
    for (const coordination::ShadedRange& range : hit.ranges) {
        if (range.kind == coordination::ShadeKind::Excluded) {
            lines << local(text::kTipExcluded).arg(mhz(range.low), mhz(range.high));
        } else {
            lines << local(text::kTipTvChannel)
                         .arg(QString::number(range.tvChannel), mhz(range.low), mhz(range.high));
        }
    }
    if (hit.scan) {
        lines << local(text::kTipScan)
                     .arg(decimalText(hit.scan->levelDbm, 1), mhz(hit.scan->frequency));
    }
    return lines.join('\n');
}

}  // namespace quorprog
