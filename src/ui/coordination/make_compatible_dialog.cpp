#include "ui/coordination/make_compatible_dialog.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "coordination/search_span.h"
#include "text/text_ids.h"
#include "ui/coordination/coordination_cells.h"

namespace quorprog {

namespace {

constexpr double kLargestKhz = 1.0e7;

}  // namespace

MakeCompatibleDialog::MakeCompatibleDialog(CoordinatedGroup group, const LocalTexts& texts,
                                           QWidget* parent)
    : CoordinationDialog(std::move(group), texts, text::kMakeGroupCompatibleTitle,
                         {text::kChannel, text::kFrequencyNowKhz, text::kFrequencyNewKhz},
                         "gridChanges", parent) {
    setObjectName("formMakeCompatible");
    auto* range = new QHBoxLayout;
    const auto field = [&](int textId, const char* name) {
        range->addWidget(new QLabel(local(textId), this));
        auto* box = new QDoubleSpinBox(this);
        box->setObjectName(name);
        box->setRange(0, kLargestKhz);
        box->setDecimals(3);
        box->setKeyboardTracking(false);
        connect(box, &QDoubleSpinBox::valueChanged, this, &MakeCompatibleDialog::refresh);
        range->addWidget(box);
        return box;
    };
    from_ = field(text::kSearchFromKhz, "editSearchFrom");
    to_ = field(text::kSearchToKhz, "editSearchTo");
    range->addStretch();
    layout_->insertLayout(2, range);
    ok_ = buttons_->addButton(local(text::kOk), QDialogButtonBox::AcceptRole);
    ok_->setObjectName("btnOK");
    buttons_->addButton(local(text::kCancel), QDialogButtonBox::RejectRole)
        ->setObjectName("btnCancel");
    resize(760, 560);
    showDefaultRange();
    refresh();
}

void MakeCompatibleDialog::showDefaultRange() {
    const CoordinatedGroup& shown = group();
    coordination::ChannelGrid grid;
    const std::vector<coordination::TvChannel> ticked = shown.choices.tvChannels();
    if (shown.choices.tvSearchIn && !ticked.empty()) {
        grid = coordination::gridWithin(shown.grid, ticked.front().low, ticked.back().high);
    } else {
        std::vector<coordination::ExcludedRange> region;
        if (shown.choices.tvRegion) {
            const coordination::TvRegion r = *shown.choices.tvRegion;
            for (int n = coordination::firstTvChannel(r); n <= coordination::lastTvChannel(r); ++n)
                region.push_back(coordination::excludedTvChannel(*coordination::tvChannel(r, n)));
        }
        grid = coordination::defaultSearchGrid(shown.channels, shown.grid, region);
    }
    rangeRegion_ = shown.choices.tvRegion;
    rangeTicked_ = ticked;
    rangeSearchIn_ = shown.choices.tvSearchIn;
    const size_t points = grid.pointCount();
    const QSignalBlocker blockFrom(from_);
    const QSignalBlocker blockTo(to_);
    from_->setValue(points ? coordination::khzOf(grid.point(0)) : 0);
    to_->setValue(points ? coordination::khzOf(grid.point(points - 1)) : 0);
}

void MakeCompatibleDialog::choicesChanged() {
    // The range the user typed stays until the TV channels that set the default change.
    const CoordinationChoices& now = group().choices;
    const std::vector<coordination::TvChannel> ticked = now.tvChannels();
    if (now.tvRegion == rangeRegion_ && ticked == rangeTicked_ && now.tvSearchIn == rangeSearchIn_)
        return;
    showDefaultRange();
}

coordination::ChannelGrid MakeCompatibleDialog::searchGrid() const {
    return coordination::gridWithin(group().grid, coordination::hertzFromKhz(from_->value()),
                                    coordination::hertzFromKhz(to_->value()));
}

void MakeCompatibleDialog::refresh() {
    const CoordinatedGroup& shown = group();
    // Ticked to search in, the TV channels are where new frequencies may go; the range fields
    // narrow that further.
    std::vector<coordination::ExcludedRange> onlyIn;
    if (shown.choices.tvSearchIn) {
        for (const coordination::TvChannel& tv : shown.choices.tvChannels())
            onlyIn.push_back(coordination::excludedTvChannel(tv));
    }
    proposal_ =
        coordination::makeGroupCompatible(shown.channels, searchGrid(), groupRules(shown), onlyIn);
    // Nothing fits around the channels: the default widens to the group's whole range once.
    if (!proposal_.complete() && !widened_ && onlyIn.empty() && shown.grid.pointCount() > 0) {
        widened_ = true;
        const QSignalBlocker blockFrom(from_);
        const QSignalBlocker blockTo(to_);
        from_->setValue(coordination::khzOf(shown.grid.point(0)));
        to_->setValue(coordination::khzOf(shown.grid.point(shown.grid.pointCount() - 1)));
        return refresh();
    }
    table_->setRowCount(0);
    if (!proposal_.complete()) {
        summary_->setText(
            local(text::kOnlySomeFound).arg(proposal_.found).arg(proposal_.requested));
    } else if (proposal_.replaced.empty()) {
        summary_->setText(local(text::kGroupAlreadyCompatible));
    } else {
        summary_->setText(local(text::kChangesProposed).arg(proposal_.replaced.size()));
        for (const size_t c : proposal_.replaced) {
            appendRow(*table_, {channelCell(c), khzCell(shown.channels[c]),
                                khzCell(proposal_.frequencies[c])});
        }
    }
    ok_->setEnabled(proposal_.complete() && !proposal_.replaced.empty());
}

}  // namespace quorprog
