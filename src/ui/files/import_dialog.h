#pragma once

#include <QDialog>
#include <vector>

#include "files/import_mapping.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace quorprog {

// The import dialog: one row per group of a channel file from another model, each with its type,
// range and a list of the device groups that can take it. "Import" copies the chosen groups into
// the channel table; "cancel" or the title bar copies nothing.
class TformImport : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kClientWidth = 449;

    TformImport(const ChannelFile& file, ChannelTable& table, Prompter& prompter,
                const LocalTexts& texts, QWidget* parent = nullptr);

    // The device groups that "Import" has copied into, in file order; empty before.
    const std::vector<uint32_t>& importedGroups() const { return importedGroups_; }

    QLabel* labelGroup;
    QLabel* labelRange;
    QLabel* labelDestination;
    QPushButton* btnCancel;
    QPushButton* btnImport;
    // Per file group, in file order.
    std::vector<QLabel*> sourceLabels;
    std::vector<QLabel*> rangeLabels;
    std::vector<QComboBox*> destinationLists;

    void btnImportClick();
    void btnCancelClick();

  private:
    void addRow(int i, const ImportRow& row);
    void makeRoomForLongTexts();
    // The device group chosen in each row's list, or kNoDestination.
    std::vector<int32_t> chosenDestinations() const;

    const ChannelFile& file_;
    ChannelTable& table_;
    Prompter& prompter_;
    const LocalTexts& texts_;
    // Per row, the device group of each list item; item 0 ("none") is kNoDestination.
    std::vector<std::vector<int32_t>> destinationMaps_;
    std::vector<uint32_t> importedGroups_;
};

}  // namespace quorprog
