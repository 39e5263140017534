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

// The grid's context menu: "Check compatibility…" and "Make group compatible…" for the group on
// display, once a device has been read. New frequencies that the user accepts go into the table
// and through the grid's frequency commit, as typed ones do, so the next write sends them. The
// guards set in either dialog are kept in quorprog.ini.
class CoordinationMenu : public QObject {
    Q_OBJECT
  public:
    CoordinationMenu(QObject* owner, QWidget& window, const MainWindowControls& controls,
                     DeviceSession& session, const GroupView& display, GridEditor& grid,
                     const SettingsFile& settings, Prompter& prompter, const LocalTexts& texts);

    void checkCompatibility();
    void makeGroupCompatible();

  private:
    void showMenu(const QPoint& position);
    // Nothing before a device has been read or for a group without channels.
    std::optional<CoordinatedGroup> groupOnDisplay() const;
    void rememberGuards(const coordination::Guards& guards);

    QWidget& window_;
    const MainWindowControls& controls_;
    DeviceSession& session_;
    const GroupView& display_;
    GridEditor& grid_;
    const SettingsFile& settings_;
    Prompter& prompter_;
    const LocalTexts& texts_;
};

}  // namespace quorprog
