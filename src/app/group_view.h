#pragma once

#include <QString>

namespace quorprog {

class DeviceSession;
class LocalTexts;
struct MainWindowControls;

// Shows the group selected in spinGroup: its channels in the grid (number, frequency, subtone),
// the subtone names in the grid's list, and the group information panel. Grid row c holds
// channel c; the title row is the grid's header.
class GroupView {
  public:
    GroupView(const MainWindowControls& controls, DeviceSession& session, const LocalTexts& texts);

    // The group on display; -1 when the table holds no such group (nothing read yet).
    int currentGroup() const;
    // Number of channels of the group on display (0 without one).
    int channelCount() const;

    // Rebuilds the grid for the group: one row per channel, then its frequencies and subtones.
    // Nothing is stored into the memory image.
    void ShowGroup();
    // Receiver or transmitter, the range in MHz and the step of the group's first channel.
    void ShowGroupInfo();
    // Frequency column of channel `row`, or of every channel when row is -1; an empty cell for a
    // channel without a frequency. With store, every channel of the group is then encoded into
    // the memory image. True when every shown channel had a frequency.
    bool ShowFrequencies(int row, bool store);
    // Fills the grid's subtone list with the group's names, then the subtone column of `row` (or
    // every channel); an empty cell for a position beyond the group's list. With store, each
    // shown channel's subtone code is written into the memory image. True when every shown
    // position was in the list.
    bool ShowSubtones(int row, bool store);

    // The text shown in channel c's frequency cell.
    QString frequencyCellText(int channel) const;

  private:
    // Channels first .. end - 1 for `row` (-1: all); empty when row names no channel.
    struct ChannelRange {
        int first = 0;
        int end = 0;
    };
    ChannelRange channelsOf(int row) const;
    void setCell(int row, int column, const QString& text);

    const MainWindowControls& controls_;
    DeviceSession& session_;
    const LocalTexts& texts_;
};

}  // namespace quorprog
