#include "images/image_changes.h"

#include <algorithm>

#include "channels/partition_keys.h"
#include "images/decoded_image.h"
#include "images/field_bits.h"

namespace quorprog {
namespace {

double megahertz(double kHz) {
    return kHz > 0 ? kHz / 1000.0 : 0.0;
}

std::string choiceName(const TOptionObject& option) {
    const auto& choices = option.Choices;
    if (!choices || option.Index < 0 || static_cast<size_t>(option.Index) >= choices->size()) {
        return {};
    }
    return (*choices)[static_cast<size_t>(option.Index)].name;
}

// Both tables have the groups and channels of one model.
bool sameShape(const ChannelTable& a, const ChannelTable& b) {
    return a.PartitionCount == b.PartitionCount && a.FrequencyCount == b.FrequencyCount &&
           a.allocatedPartitions() >= a.PartitionCount;
}

// Collects the changes of one comparison and the bits that they explain.
class ChangeList {
  public:
    ChangeList(DecodedImage& before, DecodedImage& after) : before_(before), after_(after) {}

    void compareGroup(uint32_t p) {
        for (uint32_t c = 0; c < before_.table().FrequencyCount[p]; ++c) compareChannel(p, c);
        compareRange(p);
        compareOptions(p);
        compareDate(p);
    }

    std::vector<ImageChange> changes;
    BitMask explained;

  private:
    ImageChange& add(ChangeField field, uint32_t p, std::initializer_list<std::string> keys) {
        for (const std::string& key : keys) addKeyBits(after_.map(), key, explained);
        ImageChange change;
        change.field = field;
        change.group = p;
        return changes.emplace_back(std::move(change));
    }

    void compareChannel(uint32_t p, uint32_t c) {
        const ChannelTable& old = before_.table();
        const ChannelTable& now = after_.table();
        if (old.Frequency[p][c] != now.Frequency[p][c]) {
            ImageChange& change =
                add(ChangeField::Frequency, p, {partitionKey(p, "N", c), partitionKey(p, "A", c)});
            change.channel = c;
            change.oldNumber = megahertz(old.Frequency[p][c]);
            change.newNumber = megahertz(now.Frequency[p][c]);
        }
        if (old.SubtoneIndex[p][c] != now.SubtoneIndex[p][c]) {
            ImageChange& change = add(ChangeField::Subtone, p, {partitionKey(p, "Sub", c)});
            change.channel = c;
            change.oldText = old.SubtoneTables.SubtoneName(p, old.SubtoneIndex[p][c]);
            change.newText = now.SubtoneTables.SubtoneName(p, now.SubtoneIndex[p][c]);
        }
        if (old.R[p][c] != now.R[p][c]) {
            ImageChange& change = add(ChangeField::Divider, p, {partitionKey(p, "R", c)});
            change.channel = c;
            change.oldNumber = old.R[p][c];
            change.newNumber = now.R[p][c];
        }
    }

    void compareRange(uint32_t p) {
        const ChannelTable& old = before_.table();
        const ChannelTable& now = after_.table();
        if (old.MinFreq[p] == now.MinFreq[p] && old.MaxFreq[p] == now.MaxFreq[p]) return;
        ImageChange& change =
            add(ChangeField::Range, p, {partitionKey(p, "MinFreq"), partitionKey(p, "MaxFreq")});
        change.oldNumber = megahertz(old.MinFreq[p]);
        change.newNumber = megahertz(now.MinFreq[p]);
        change.oldUpper = megahertz(old.MaxFreq[p]);
        change.newUpper = megahertz(now.MaxFreq[p]);
    }

    void compareOptions(uint32_t p) {
        const TOptionObject* old = before_.table().Options[p].get();
        const TOptionObject* now = after_.table().Options[p].get();
        for (; old && now; old = old->Next.get(), now = now->Next.get()) {
            if (old->Index == now->Index) continue;
            ImageChange& change = add(ChangeField::Option, p, {});
            addEntryBits(now->Address, explained);
            change.name = now->Name;
            change.oldText = choiceName(*old);
            change.newText = choiceName(*now);
        }
    }

    void compareDate(uint32_t p) {
        const std::string entry = after_.map().entryOf(partitionKey(p, "Date"));
        if (entry.empty()) return;
        std::string oldDate = before_.map().ReadEntryText(entry);
        std::string newDate = after_.map().ReadEntryText(entry);
        if (oldDate == newDate) return;
        ImageChange& change = add(ChangeField::Date, p, {});
        addTextEntryBits(entry, explained);
        change.oldText = std::move(oldDate);
        change.newText = std::move(newDate);
    }

    DecodedImage& before_;
    DecodedImage& after_;
};

}  // namespace

std::vector<ImageChange> listImageChanges(const DescriptionReader& description,
                                          std::string_view modelName,
                                          std::span<const uint8_t> before,
                                          std::span<const uint8_t> after) {
    DecodedImage old(description, modelName, before);
    DecodedImage now(description, modelName, after);
    ChangeList list(old, now);
    if (old.decoded() && now.decoded() && sameShape(old.table(), now.table())) {
        for (uint32_t p = 0; p < old.table().PartitionCount; ++p) list.compareGroup(p);
    }

    const size_t size = std::min(before.size(), after.size());
    for (size_t a = 0; a < size; ++a) {
        const uint8_t differing = before[a] ^ after[a];
        const auto found = list.explained.find(a);
        const uint8_t explained = found == list.explained.end() ? 0 : found->second;
        if ((differing & ~explained) == 0) continue;
        ImageChange change;
        change.address = static_cast<uint32_t>(a);
        change.oldNumber = before[a];
        change.newNumber = after[a];
        list.changes.push_back(std::move(change));
    }
    return std::move(list.changes);
}

}  // namespace quorprog
