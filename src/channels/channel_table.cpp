#include "channels/channel_table.h"

namespace quorprog {

void ChannelTable::ClearChannelTable() {
    FrequencyCount.clear();
    XTAL.clear();
    Prescaler.clear();
    Multiplier.clear();
    IF.clear();
    MinFreq.clear();
    MaxFreq.clear();
    IsReceiver.clear();
    OSCoverRF.clear();
    Options.clear();
    Frequency.clear();
    R.clear();
    SubtoneIndex.clear();
    SubtoneTables.Clear();
    XtalDividers.Clear();
    MemoryMapName.clear();
}

void ChannelTable::allocatePartitions(uint32_t count) {
    FrequencyCount.assign(count, 0);
    XTAL.assign(count, 0);
    Prescaler.assign(count, 0);
    Multiplier.assign(count, 0);
    IF.assign(count, 0);
    MinFreq.assign(count, 0);
    MaxFreq.assign(count, 0);
    IsReceiver.assign(count, 0);
    OSCoverRF.assign(count, 0);
    Options.clear();
    Options.resize(count);
    Frequency.assign(count, {});
    R.assign(count, {});
    SubtoneIndex.assign(count, {});
}

void ChannelTable::allocateChannels(uint32_t p, uint32_t count) {
    FrequencyCount.at(p) = count;
    Frequency.at(p).assign(count, 0.0f);
    R.at(p).assign(count, 0);
    SubtoneIndex.at(p).assign(count, 0);
}

}  // namespace quorprog
