#include <gtest/gtest.h>

#include "channels/integer_lists.h"
#include "channels/option_object.h"
#include "channels/subtone_lists.h"

namespace quorprog {
namespace {

TEST(SubtoneListsTest, FirstAdditionCreatesEverySlotBelowEmpty) {
    ListOfSUBList lists;
    lists.AddSubtone(2, "91.5 Hz", 9);
    EXPECT_EQ(lists.count(), 3u);
    EXPECT_EQ(lists.SubtoneCount(0), 0);
    EXPECT_EQ(lists.SubtoneCount(1), 0);
    EXPECT_EQ(lists.SubtoneCount(2), 1);
    EXPECT_EQ(lists.SubtoneCount(3), -1);
    EXPECT_EQ(lists.SubtoneCount(-1), -1);
    EXPECT_EQ(lists.SubtoneName(2, 0), "91.5 Hz");
}

TEST(SubtoneListsTest, OutOfRangeRequestsGiveTheirNeutralAnswers) {
    ListOfSUBList lists;
    lists.AddSubtone(0, "none", 0);
    struct Request {
        int32_t partition, index;
    };
    for (const Request r : {Request{0, 1}, Request{0, -1}, Request{1, 0}, Request{-1, 0}}) {
        EXPECT_EQ(lists.SubtoneName(r.partition, r.index), "") << r.partition << "," << r.index;
        EXPECT_EQ(lists.SubtoneCode(r.partition, r.index), 0) << r.partition << "," << r.index;
    }
    EXPECT_EQ(lists.FindSubtone(1, 0), -1);
    EXPECT_EQ(lists.FindSubtone(0, 9), -1);
}

TEST(SubtoneListsTest, CodesAreHeldAndSearchedAsTheirLowByte) {
    ListOfSUBList lists;
    lists.AddSubtone(0, "none", 0);
    lists.AddSubtone(0, "odd", 265);
    EXPECT_EQ(lists.SubtoneCode(0, 1), 9);
    EXPECT_EQ(lists.FindSubtone(0, 9), 1);
    EXPECT_EQ(lists.FindSubtone(0, 265), 1);
    // A code that cannot be decoded reads -1 and is looked up as 255.
    lists.AddSubtone(0, "not allowed", 255);
    EXPECT_EQ(lists.FindSubtone(0, -1), 2);
}

TEST(SubtoneListsTest, TwoChoicesWithOneCodeFindTheFirst) {
    ListOfSUBList lists;
    lists.AddSubtone(0, "a", 4);
    lists.AddSubtone(0, "b", 4);
    EXPECT_EQ(lists.FindSubtone(0, 4), 0);
}

TEST(SubtoneListsTest, ClearLeavesNoSlot) {
    ListOfSUBList lists;
    lists.AddSubtone(0, "none", 0);
    lists.Clear();
    EXPECT_EQ(lists.count(), 0u);
    EXPECT_EQ(lists.SubtoneCount(0), -1);
    EXPECT_EQ(lists.SubtoneName(0, 0), "");
}

TEST(IntegerListsTest, SeventeenValuesStayInOrder) {
    ListOfINTList lists;
    for (int32_t v = 0; v < 17; ++v) lists.AddValue(1, 100 + v);
    EXPECT_EQ(lists.count(), 2u);
    EXPECT_EQ(lists.ValueCount(0), 0);
    ASSERT_EQ(lists.ValueCount(1), 17);
    for (int32_t i = 0; i < 17; ++i) EXPECT_EQ(lists.ValueAt(1, i), 100 + i);
}

TEST(IntegerListsTest, OutOfRangeAndClear) {
    ListOfINTList lists;
    lists.AddValue(0, 1024);
    EXPECT_EQ(lists.ValueAt(0, 1), 0);
    EXPECT_EQ(lists.ValueAt(0, -1), 0);
    EXPECT_EQ(lists.ValueAt(1, 0), 0);
    EXPECT_EQ(lists.ValueCount(1), -1);
    lists.AddValue(-1, 5);
    EXPECT_EQ(lists.count(), 1u);
    lists.Clear();
    EXPECT_EQ(lists.ValueCount(0), -1);
}

TEST(OptionChainTest, FirstAppendUsesTheHeadLaterOnesLinkAtTheEnd) {
    std::unique_ptr<TOptionObject> head;
    TOptionObject& first = AppendOption(head);
    EXPECT_EQ(&first, head.get());
    first.Name = "double click";
    TOptionObject& second = AppendOption(head);
    second.Name = "DDC option";
    TOptionObject& third = AppendOption(head);
    EXPECT_EQ(head->Next.get(), &second);
    EXPECT_EQ(second.Next.get(), &third);
    EXPECT_TRUE(third.Choices.has_value());
    EXPECT_TRUE(third.Choices->empty());
    EXPECT_EQ(third.Index, 0);
}

TEST(OptionChainTest, AHeadWithoutChoiceListIsUsedItself) {
    auto head = std::make_unique<TOptionObject>();
    EXPECT_EQ(&AppendOption(head), head.get());
    EXPECT_EQ(head->Next, nullptr);
}

TEST(OptionChainTest, FindChoiceComparesAllThirtyTwoBits) {
    TOptionObject option;
    EXPECT_EQ(FindChoice(option, 0), -1);  // no list yet
    option.Choices.emplace();
    option.Choices->push_back({"enabled", 1});
    option.Choices->push_back({"big", 257});
    option.Choices->push_back({"again", 1});
    EXPECT_EQ(FindChoice(option, 1), 0);
    EXPECT_EQ(FindChoice(option, 257), 1);
    EXPECT_EQ(FindChoice(option, 0), -1);
}

TEST(OptionChainTest, ALongChainIsDestroyedWithoutDeepRecursion) {
    std::unique_ptr<TOptionObject> head;
    TOptionObject* last = &AppendOption(head);
    for (int i = 0; i < 200000; ++i) {
        last->Next = std::make_unique<TOptionObject>();
        last = last->Next.get();
    }
    head.reset();
    EXPECT_EQ(head, nullptr);
}

}  // namespace
}  // namespace quorprog
