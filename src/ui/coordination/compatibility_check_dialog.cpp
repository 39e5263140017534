#include "ui/coordination/compatibility_check_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "coordination/compatibility_check.h"
#include "text/text_ids.h"
#include "ui/coordination/coordination_cells.h"
#include "ui/coordination/rf_plot_dialog.h"

namespace quorprog {

namespace {

// "; " between sources: the locale's decimal separator may be a comma.
QString sourcesCell(const std::vector<coordination::Hertz>& sources) {
    QStringList cells;
    for (const coordination::Hertz source : sources) cells << khzCell(source);
    return cells.join("; ");
}

}  // namespace

CompatibilityCheckDialog::CompatibilityCheckDialog(CoordinatedGroup group, const LocalTexts& texts,
                                                   QWidget* parent)
    : CoordinationDialog(std::move(group), texts, text::kCompatibilityOfGroup,
                         {text::kChannel, text::kFrequencyKhz, text::kConflictKind,
                          text::kSourcesKhz, text::kProductKhz, text::kDistanceKhz},
                         "gridConflicts", parent) {
    setObjectName("formCompatibility");
    QPushButton* spectrum =
        buttons_->addButton(local(text::kSpectrum), QDialogButtonBox::ActionRole);
    spectrum->setObjectName("btnSpectrum");
    connect(spectrum, &QPushButton::clicked, this, &CompatibilityCheckDialog::showSpectrum);
    buttons_->addButton(local(text::kClose), QDialogButtonBox::AcceptRole)
        ->setObjectName("btnClose");
    resize(860, 600);
    refresh();
}

void CompatibilityCheckDialog::refresh() {
    const std::vector<coordination::Conflict> conflicts =
        coordination::findConflicts(group().channels, groupRules(group()));
    summary_->setText(conflicts.empty() ? local(text::kGroupIsCompatible)
                                        : local(text::kConflictCount).arg(conflicts.size()));
    table_->setRowCount(0);
    for (const coordination::Conflict& conflict : conflicts) {
        appendRow(*table_, {channelCell(conflict.channel), khzCell(conflict.frequency),
                            local(conflictKindText(conflict.kind)), sourcesCell(conflict.sources),
                            khzCell(conflict.product), khzCell(conflict.distance)});
    }
}

void CompatibilityCheckDialog::showSpectrum() {
    std::optional<coordination::SpectrumModel> model = groupSpectrum(group());
    if (!model) return;
    SpectrumDialog dialog(group().group, std::move(*model), texts(), this);
    dialog.exec();
}

}  // namespace quorprog
