#include "ui/coordination/make_compatible_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "text/local_texts.h"
#include "ui/coordination/coordination_cells.h"
#include "ui/coordination/guard_fields.h"

namespace quorprog {

MakeCompatibleDialog::MakeCompatibleDialog(CoordinatedGroup group, const LocalTexts& texts,
                                           QWidget* parent)
    : QDialog(parent), group_(std::move(group)), texts_(texts) {
    const auto local = [&](int id) { return QString::fromStdString(texts_.LocalText(id)); };
    setObjectName("formMakeCompatible");
    setWindowTitle(local(text::kMakeGroupCompatibleTitle).arg(group_.group));
    auto* layout = new QVBoxLayout(this);
    guards_ = new GuardFields(group_.rules.guards, texts_, this);
    summary_ = new QLabel(this);
    summary_->setObjectName("labelSummary");
    summary_->setWordWrap(true);
    changes_ = coordinationTable(
        {local(text::kChannel), local(text::kFrequencyNowKhz), local(text::kFrequencyNewKhz)},
        "gridChanges", this);
    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(local(text::kOk), QDialogButtonBox::AcceptRole);
    ok_->setObjectName("btnOK");
    buttons->addButton(local(text::kCancel), QDialogButtonBox::RejectRole)
        ->setObjectName("btnCancel");
    layout->addWidget(guards_);
    layout->addWidget(summary_);
    layout->addWidget(changes_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(guards_, &GuardFields::changed, this, &MakeCompatibleDialog::refresh);
    resize(560, 420);
    refresh();
}

coordination::Guards MakeCompatibleDialog::guards() const {
    return guards_->guards();
}

void MakeCompatibleDialog::refresh() {
    group_.rules.guards = guards_->guards();
    proposal_ = coordination::makeGroupCompatible(group_.channels, group_.grid, group_.rules);
    changes_->setRowCount(0);
    const auto local = [&](int id) { return QString::fromStdString(texts_.LocalText(id)); };
    if (!proposal_.complete()) {
        summary_->setText(
            local(text::kOnlySomeFound).arg(proposal_.found).arg(proposal_.requested));
    } else if (proposal_.replaced.empty()) {
        summary_->setText(local(text::kNothingToChange));
    } else {
        summary_->setText(local(text::kChangesProposed).arg(proposal_.replaced.size()));
        for (const size_t c : proposal_.replaced) {
            appendRow(*changes_, {channelCell(c), khzCell(group_.channels[c]),
                                  khzCell(proposal_.frequencies[c])});
        }
    }
    ok_->setEnabled(proposal_.complete() && !proposal_.replaced.empty());
}

}  // namespace quorprog
