#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "programmer/port_access.h"

namespace quorprog {

class LocalTexts;
class ProgrammerLink;
class Prompter;
struct MainWindowControls;

// The choice of programmer: the search on the serial ports (when the window is first shown and
// on "?"), the list of what was found, and the chosen programmer's battery on cgBattery with a
// warning when it is almost depleted. A search that finds none says why in the list's tip and
// through `showHint` (under the toolbar), until a search finds one.
class ProgrammerSelection : public QObject {
    Q_OBJECT
  public:
    // What opening each of COM1 … COM4 gives, asked after a search found no programmer.
    using PortChecks = std::function<std::vector<ComPortCheck>()>;
    // Shows why the search found nothing; the empty text once it found a programmer.
    using HintDisplay = std::function<void(const QString& hint)>;

    ProgrammerSelection(QObject* owner, const MainWindowControls& controls, ProgrammerLink& link,
                        Prompter& prompter, const LocalTexts& texts, PortChecks checkPorts,
                        HintDisplay showHint);

    // Scans the ports, lists the programmers found and chooses the first of them.
    void search();
    // Queries the chosen programmer's battery and shows it.
    void ProgrammerSelected();

  private:
    void btnSearchProgrammerClick() { search(); }
    void fillList();
    // The reason for an empty list, or no reason once the list holds a programmer.
    void showEmptyScanHint(const QString& hint);

    const MainWindowControls& controls_;
    ProgrammerLink& link_;
    Prompter& prompter_;
    const LocalTexts& texts_;
    PortChecks checkPorts_;
    HintDisplay showHint_;
};

}  // namespace quorprog
