#include "ui/coordination/compatibility_check_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "coordination/compatibility_check.h"
#include "text/local_texts.h"
#include "ui/coordination/coordination_cells.h"
#include "ui/coordination/guard_fields.h"

namespace quorprog {

namespace {

int kindText(coordination::ConflictKind kind) {
    switch (kind) {
        case coordination::ConflictKind::Spacing:
            return text::kKindSpacing;
        case coordination::ConflictKind::Im3:
            return text::kKindIm3;
        case coordination::ConflictKind::Im3x3:
            return text::kKindIm3x3;
        case coordination::ConflictKind::Im5:
            return text::kKindIm5;
        case coordination::ConflictKind::Image:
            return text::kKindImage;
        case coordination::ConflictKind::Excluded:
            return text::kKindExcluded;
    }
    return text::kKindSpacing;
}

// "; " between sources: the locale's decimal separator may be a comma.
QString sourcesCell(const std::vector<coordination::Hertz>& sources) {
    QStringList cells;
    for (const coordination::Hertz source : sources) cells << khzCell(source);
    return cells.join("; ");
}

}  // namespace

CompatibilityCheckDialog::CompatibilityCheckDialog(CoordinatedGroup group, const LocalTexts& texts,
                                                   QWidget* parent)
    : QDialog(parent), group_(std::move(group)), texts_(texts) {
    const auto local = [&](int id) { return QString::fromStdString(texts_.LocalText(id)); };
    setObjectName("formCompatibility");
    setWindowTitle(local(text::kCompatibilityOfGroup).arg(group_.group));
    auto* layout = new QVBoxLayout(this);
    guards_ = new GuardFields(group_.rules.guards, texts_, this);
    summary_ = new QLabel(this);
    summary_->setObjectName("labelSummary");
    conflicts_ = coordinationTable(
        {local(text::kChannel), local(text::kFrequencyKhz), local(text::kConflictKind),
         local(text::kSourcesKhz), local(text::kProductKhz), local(text::kDistanceKhz)},
        "gridConflicts", this);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(local(text::kClose), QDialogButtonBox::AcceptRole);
    close->setObjectName("btnClose");
    layout->addWidget(guards_);
    layout->addWidget(summary_);
    layout->addWidget(conflicts_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(guards_, &GuardFields::changed, this, &CompatibilityCheckDialog::refresh);
    resize(720, 420);
    refresh();
}

coordination::Guards CompatibilityCheckDialog::guards() const {
    return guards_->guards();
}

void CompatibilityCheckDialog::refresh() {
    group_.rules.guards = guards_->guards();
    const std::vector<coordination::Conflict> conflicts =
        coordination::findConflicts(group_.channels, group_.rules);
    summary_->setText(
        conflicts.empty()
            ? QString::fromStdString(texts_.LocalText(text::kGroupIsCompatible))
            : QString::fromStdString(texts_.LocalText(text::kConflictCount)).arg(conflicts.size()));
    conflicts_->setRowCount(0);
    for (const coordination::Conflict& conflict : conflicts) {
        appendRow(*conflicts_, {channelCell(conflict.channel), khzCell(conflict.frequency),
                                QString::fromStdString(texts_.LocalText(kindText(conflict.kind))),
                                sourcesCell(conflict.sources), khzCell(conflict.product),
                                khzCell(conflict.distance)});
    }
}

}  // namespace quorprog
