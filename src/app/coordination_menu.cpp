#include "app/coordination_menu.h"

#include <QMenu>
#include <QTableWidget>

#include "app/coordination_settings.h"
#include "app/grid_editor.h"
#include "app/group_view.h"
#include "app/main_window_controls.h"
#include "app/settings_file.h"
#include "channels/group_coordination_inputs.h"
#include "seams/prompter.h"
#include "session/device_session.h"
#include "text/local_texts.h"
#include "ui/coordination/compatibility_check_dialog.h"
#include "ui/coordination/make_compatible_dialog.h"
#include "ui/coordination/rf_plot_dialog.h"

namespace quorprog {

CoordinationMenu::CoordinationMenu(QObject* owner, QWidget& window,
                                   const MainWindowControls& controls, DeviceSession& session,
                                   const GroupView& display, GridEditor& grid,
                                   const SettingsFile& settings, Prompter& prompter,
                                   const LocalTexts& texts)
    : QObject(owner),
      window_(window),
      controls_(controls),
      session_(session),
      display_(display),
      grid_(grid),
      settings_(settings),
      prompter_(prompter),
      texts_(texts) {
    controls_.Grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(controls_.Grid, &QWidget::customContextMenuRequested, this,
            &CoordinationMenu::showMenu);
}

void CoordinationMenu::showMenu(const QPoint& position) {
    QMenu menu(controls_.Grid);
    menu.setObjectName("menuCoordination");
    const bool available = groupOnDisplay().has_value();
    QAction* check =
        menu.addAction(QString::fromStdString(texts_.LocalText(text::kCheckCompatibility)), this,
                       &CoordinationMenu::checkCompatibility);
    QAction* make =
        menu.addAction(QString::fromStdString(texts_.LocalText(text::kMakeGroupCompatible)), this,
                       &CoordinationMenu::makeGroupCompatible);
    QAction* spectrum = menu.addAction(QString::fromStdString(texts_.LocalText(text::kSpectrum)),
                                       this, &CoordinationMenu::showSpectrum);
    for (QAction* action : {check, make, spectrum}) action->setEnabled(available);
    menu.exec(controls_.Grid->viewport()->mapToGlobal(position));
}

std::optional<CoordinatedGroup> CoordinationMenu::groupOnDisplay() const {
    const int g = display_.currentGroup();
    if (!session_.hasImage() || g < 0 || display_.channelCount() == 0) return std::nullopt;
    const ChannelTable& table = session_.table();
    const auto p = static_cast<uint32_t>(g);
    return CoordinatedGroup{g, groupChannels(table, p), groupChannelGrid(table, p),
                            groupReceiverImage(table, p),
                            accepted_ ? *accepted_ : loadCoordinationChoices(settings_)};
}

void CoordinationMenu::checkCompatibility() {
    std::optional<CoordinatedGroup> group = groupOnDisplay();
    if (!group) return;
    CompatibilityCheckDialog dialog(std::move(*group), texts_, &window_);
    if (dialog.exec() == QDialog::Accepted) remember(dialog.choices());
}

void CoordinationMenu::makeGroupCompatible() {
    std::optional<CoordinatedGroup> group = groupOnDisplay();
    if (!group) return;
    const int g = group->group;
    const coordination::ChannelGrid grid = group->grid;
    MakeCompatibleDialog dialog(std::move(*group), texts_, &window_);
    if (dialog.exec() != QDialog::Accepted) return;
    remember(dialog.choices());
    for (const size_t c : dialog.proposal().replaced) {
        session_.table().Frequency[static_cast<size_t>(g)][c] = groupGridFrequency(
            session_.table(), static_cast<uint32_t>(g), grid, dialog.proposal().frequencies[c]);
        grid_.frequencyCommit(static_cast<int>(c));
    }
}

void CoordinationMenu::showSpectrum() {
    const std::optional<CoordinatedGroup> group = groupOnDisplay();
    if (!group) return;
    std::optional<coordination::SpectrumModel> model = groupSpectrum(*group);
    if (!model) return;
    SpectrumDialog dialog(group->group, std::move(*model), texts_, &window_);
    dialog.exec();
}

void CoordinationMenu::remember(const CoordinationChoices& choices) {
    accepted_ = choices;
    if (saveCoordinationChoices(settings_, choices)) return;
    prompter_.inform("Cannot create file " + settings_.path().toStdString(),
                     texts_.LocalText(text::kError), Prompter::Icon::Error);
}

}  // namespace quorprog
