#include "app/group_view.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <algorithm>

#include "app/main_window_controls.h"
#include "channels/partition_keys.h"
#include "channels/pll.h"
#include "session/device_session.h"
#include "text/local_texts.h"
#include "ui/numbers/display_numbers.h"

namespace quorprog {
namespace {

constexpr int kNumberColumn = 0;
constexpr int kFrequencyColumn = 1;
constexpr int kSubtoneColumn = 2;

// The channel number column stands for the grid's fixed column: it can be neither selected nor
// edited, and it looks like the header above it.
Qt::ItemFlags flagsOfColumn(int column) {
    switch (column) {
        case kFrequencyColumn:
            return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
        case kSubtoneColumn:
            return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        default:
            return Qt::NoItemFlags;
    }
}

QTableWidgetItem* newItem(const QTableWidget& grid, int column) {
    auto* item = new QTableWidgetItem();
    item->setFlags(flagsOfColumn(column));
    if (column == kNumberColumn) {
        item->setTextAlignment(Qt::AlignCenter);
        item->setBackground(grid.palette().button());
        item->setForeground(grid.palette().buttonText());
    }
    return item;
}

}  // namespace

GroupView::GroupView(const MainWindowControls& controls, DeviceSession& session,
                     const LocalTexts& texts)
    : controls_(controls), session_(session), texts_(texts) {
    // The channel numbers fill their narrow column; an ellipsis would replace them.
    controls_.Grid->setTextElideMode(Qt::ElideNone);
}

int GroupView::currentGroup() const {
    const int g = controls_.spinGroup->value();
    return session_.table().hasPartition(g) ? g : -1;
}

int GroupView::channelCount() const {
    const int g = currentGroup();
    if (g < 0) return 0;
    const ChannelTable& table = session_.table();
    return static_cast<int>(std::min<size_t>({table.FrequencyCount[g], table.Frequency[g].size(),
                                              table.SubtoneIndex[g].size(), table.R[g].size()}));
}

GroupView::ChannelRange GroupView::channelsOf(int row) const {
    const int count = channelCount();
    if (row == -1) return {0, count};
    if (row < 0 || row >= count) return {};
    return {row, row + 1};
}

void GroupView::setCell(int row, int column, const QString& text) {
    QTableWidget& grid = *controls_.Grid;
    QTableWidgetItem* item = grid.item(row, column);
    if (!item) {
        item = newItem(grid, column);
        grid.setItem(row, column, item);
    }
    item->setText(text);
}

void GroupView::ShowGroup() {
    const int count = channelCount();
    controls_.Grid->setRowCount(count);
    for (int c = 0; c < count; ++c) {
        setCell(c, kNumberColumn, QString::asprintf("%02X", static_cast<unsigned>(c)));
    }
    ShowFrequencies(-1, false);
    ShowSubtones(-1, false);
}

void GroupView::ShowGroupInfo() {
    const int g = currentGroup();
    if (g < 0) return;
    const ChannelTable& table = session_.table();
    controls_.labelRxTx->setText(QString::fromStdString(
        texts_.LocalText(table.IsReceiver[g] ? text::kReceiver : text::kTransmitter)));
    controls_.labelRangeValue->setText(rangeText(table.MinFreq[g], table.MaxFreq[g]));
    // The first channel's step stands for the group; a group without channels (or without a
    // divider) has no step to show.
    const bool hasStep = channelCount() > 0 && table.R[g][0] > 0;
    controls_.labelStepValue->setText(
        hasStep
            ? decimalText(
                  table.Multiplier[g] * (static_cast<double>(table.XTAL[g]) / table.R[g][0]), 3) +
                  " kHz"
            : QString());
}

QString GroupView::frequencyCellText(int channel) const {
    const int g = currentGroup();
    if (g < 0 || channel < 0 || channel >= channelCount()) return QString();
    return frequencyText(session_.table().Frequency[g][channel]);
}

bool GroupView::ShowFrequencies(int row, bool store) {
    const int g = currentGroup();
    if (g < 0) return false;
    const ChannelRange range = channelsOf(row);
    bool allShown = true;
    for (int c = range.first; c < range.end; ++c) {
        if (!(session_.table().Frequency[g][c] > 0.0f)) allShown = false;
        setCell(c, kFrequencyColumn, frequencyCellText(c));
    }
    // The cells keep the texts shown above even where the encoding moves a frequency.
    if (store) EncodeChannelFrequencies(session_.table(), session_.memoryMap(), g, -1);
    return allShown;
}

bool GroupView::ShowSubtones(int row, bool store) {
    const int g = currentGroup();
    if (g < 0) return false;
    const ListOfSUBList& subtones = session_.table().SubtoneTables;
    const int count = subtones.SubtoneCount(g);
    {
        const QSignalBlocker blocker(controls_.GridComboBox);
        controls_.GridComboBox->clear();
        for (int i = 0; i < count; ++i) {
            controls_.GridComboBox->addItem(QString::fromStdString(subtones.SubtoneName(g, i)));
        }
    }
    const ChannelRange range = channelsOf(row);
    bool allShown = true;
    for (int c = range.first; c < range.end; ++c) {
        const int i = session_.table().SubtoneIndex[g][c];
        if (i >= count) allShown = false;
        setCell(c, kSubtoneColumn,
                i < count ? QString::fromStdString(subtones.SubtoneName(g, i)) : QString());
        if (store) {
            session_.memoryMap().WriteMapValue(partitionKey(g, "Sub", c),
                                               subtones.SubtoneCode(g, i));
        }
    }
    return allShown;
}

}  // namespace quorprog
