#include "ui/coordination/make_compatible_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "text/text_ids.h"
#include "ui/coordination/coordination_cells.h"

namespace quorprog {

MakeCompatibleDialog::MakeCompatibleDialog(CoordinatedGroup group, const LocalTexts& texts,
                                           QWidget* parent)
    : CoordinationDialog(std::move(group), texts, text::kMakeGroupCompatibleTitle,
                         {text::kChannel, text::kFrequencyNowKhz, text::kFrequencyNewKhz},
                         "gridChanges", parent) {
    setObjectName("formMakeCompatible");
    ok_ = buttons_->addButton(local(text::kOk), QDialogButtonBox::AcceptRole);
    ok_->setObjectName("btnOK");
    buttons_->addButton(local(text::kCancel), QDialogButtonBox::RejectRole)
        ->setObjectName("btnCancel");
    resize(560, 420);
    refresh();
}

void MakeCompatibleDialog::refresh() {
    const CoordinatedGroup& shown = group();
    proposal_ = coordination::makeGroupCompatible(shown.channels, shown.grid, shown.rules);
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
