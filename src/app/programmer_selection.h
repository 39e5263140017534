#pragma once

#include <QObject>

namespace quorprog {

class LocalTexts;
class ProgrammerLink;
class Prompter;
struct MainWindowControls;

// The choice of programmer: the search on the serial ports (when the window is first shown and
// on "?"), the list of what was found, and the chosen programmer's battery on cgBattery with a
// warning when it is almost depleted.
class ProgrammerSelection : public QObject {
    Q_OBJECT
  public:
    ProgrammerSelection(QObject* owner, const MainWindowControls& controls, ProgrammerLink& link,
                        Prompter& prompter, const LocalTexts& texts);

    // Scans the ports, lists the programmers found and chooses the first of them.
    void search();
    // Queries the chosen programmer's battery and shows it.
    void ProgrammerSelected();

  private:
    void btnSearchProgrammerClick() { search(); }
    void fillList();

    const MainWindowControls& controls_;
    ProgrammerLink& link_;
    Prompter& prompter_;
    const LocalTexts& texts_;
};

}  // namespace quorprog
