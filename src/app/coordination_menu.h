#pragma once

#include <QObject>
#include <optional>

#include "ui/coordination/coordinated_group.h"

class QPoint;
class QWidget;

namespace quorprog {

class DeviceSession;
class GridEditor;
class GroupView;
class LocalTexts;
class Prompter;
class SettingsFile;
struct MainWindowControls;

// The grid's context menu: "Check compatibility…", "Make group compatible…" and "Spectrum…" for
// the group on display, once a device has been read. New frequencies that the user accepts go
// into the table and through the grid's frequency commit, as typed ones do, so the next write
// sends them. What is set in either coordination dialog (guards, profile, window, scan, TV
// channels) is kept when the dialog is left with its OK (Close) button, not when it is cancelled:
// in quorprog.ini, and the scan and the ticked TV channels until the program ends. Spectrum…
// shows the group under what was kept.
class CoordinationMenu : public QObject {
    Q_OBJECT
  public:
    CoordinationMenu(QObject* owner, QWidget& window, const MainWindowControls& controls,
                     DeviceSession& session, const GroupView& display, GridEditor& grid,
                     const SettingsFile& settings, Prompter& prompter, const LocalTexts& texts);

    void checkCompatibility();
    void makeGroupCompatible();
    void showSpectrum();

  private:
    void showMenu(const QPoint& position);
    // Nothing before a device has been read or for a group without channels.
    std::optional<CoordinatedGroup> groupOnDisplay() const;
    // Keeps what a dialog was accepted with: in quorprog.ini, and the scan and TV channels for
    // the rest of the run.
    void remember(const CoordinationChoices& choices);

    QWidget& window_;
    const MainWindowControls& controls_;
    DeviceSession& session_;
    const GroupView& display_;
    GridEditor& grid_;
    const SettingsFile& settings_;
    Prompter& prompter_;
    const LocalTexts& texts_;
    std::optional<CoordinationChoices> accepted_;
};

}  // namespace quorprog
