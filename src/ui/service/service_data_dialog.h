#pragma once

#include <QDialog>
#include <vector>

#include "channels/channel_table.h"
#include "description/memory_map.h"
#include "service/service_changes.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quorprog {

// The expert's view of one group: its channel step (XTAL divider), its frequency range and its
// device options. Every control starts at "no change"; OK applies what was chosen to the table
// and the memory image, Cancel leaves both alone.
class TformService : public QDialog {
    Q_OBJECT

  public:
    TformService(ChannelTable& table, MemoryMap& map, uint32_t group, GroupViewHooks display,
                 QWidget* parent = nullptr);

    // What OK would apply with the controls as they are now.
    ServiceChanges chosenChanges() const;

  private:
    void buildRangeControls();
    void buildOptionControls();
    void btnOKClick();
    void btnCancelClick();

    ChannelTable& table_;
    MemoryMap& map_;
    const uint32_t group_;
    const GroupViewHooks display_;

    QComboBox* listXTALDividers;
    QLineEdit* editMinFreq;
    QLineEdit* editMaxFreq;
    QPushButton* btnOK;
    QPushButton* btnCancel;
    QGroupBox* gbOptions;
    // One list per option of the group, in chain order.
    std::vector<QComboBox*> optionLists_;
};

// Shows the service data dialog for group g modally. Nothing happens when the table holds no
// such group (no device read yet).
void openServiceDataDialog(QWidget* parent, ChannelTable& table, MemoryMap& map, int g,
                           const GroupViewHooks& display);

}  // namespace quorprog
