#include <gtest/gtest.h>

#include <array>
#include <set>
#include <vector>

#include "core/shell/editorslots.h"
#include "core/shell/memoryviews.h"
#include "core/shell/slotcursor.h"

namespace tav2 {
namespace {

struct FakeWindow {
  int kind = 1;
};

TEST(EditorSlots, EditorsFillTheFirstEmptySlotUpToSixteen) {
  std::array<FakeWindow, 17> editors;
  EditorSlots<FakeWindow> slots;
  for (int i = 0; i < 16; ++i) EXPECT_EQ(slots.Put(&editors[static_cast<std::size_t>(i)]), i + 1);
  EXPECT_EQ(slots.Put(&editors[16]), std::nullopt);
  EXPECT_EQ(slots.SlotOf(&editors[16]), std::nullopt);
  EXPECT_STREQ(EditorSlots<FakeWindow>::kTooMuchOpenFiles, "Too much open files");

  EXPECT_TRUE(slots.Remove(&editors[4]));
  EXPECT_EQ(slots.At(5), nullptr);
  EXPECT_EQ(slots.Put(&editors[16]), 5);
  EXPECT_EQ(slots.At(5), &editors[16]);
  EXPECT_EQ(slots.At(16), &editors[15]);
}

TEST(EditorSlots, UnknownEditorsAndSlotsOutsideTheRange) {
  std::array<FakeWindow, 4> editors;
  EditorSlots<FakeWindow> slots;
  slots.Put(&editors[0]);
  EXPECT_FALSE(slots.Remove(&editors[1]));
  EXPECT_FALSE(slots.Remove(nullptr));
  EXPECT_STREQ(EditorSlots<FakeWindow>::kFileNotKnown, "file not known!");
  EXPECT_EQ(slots.At(1), &editors[0]);
  slots.Fill(0, &editors[1]);
  slots.Fill(17, &editors[1]);
  EXPECT_EQ(slots.At(0), nullptr);
  EXPECT_EQ(slots.At(17), nullptr);
  slots.Fill(9, &editors[2]);
  slots.Fill(16, &editors[3]);
  slots.Remove(&editors[0]);
  slots.Fill(2, &editors[1]);
  EXPECT_EQ(slots.Windows(), (std::vector<FakeWindow*>{&editors[1], &editors[2], &editors[3]}))
      << "in slot order";
  EXPECT_EQ(slots.FirstEmpty(), 1);
}

TEST(MemoryViews, AtMostThreeAndAClosedSlotIsRefilled) {
  std::array<FakeWindow, 4> views;
  MemoryViews<FakeWindow> slots;
  for (int i = 0; i < 3; ++i) EXPECT_EQ(slots.Put(&views[static_cast<std::size_t>(i)]), i);
  EXPECT_EQ(slots.FirstEmpty(), std::nullopt);
  EXPECT_STREQ(MemoryViews<FakeWindow>::kMaximumReached, "Maximum is 3 memory views");
  slots.Remove(&views[1]);
  EXPECT_EQ(slots.FirstEmpty(), 1);
}

// The slots each Next stops at, `presses` times.
std::vector<std::optional<int>> Presses(SlotCursor cursor, const std::set<int>& matching, int presses) {
  std::vector<std::optional<int>> found;
  for (int i = 0; i < presses; ++i) {
    found.push_back(cursor.Next([&](int slot) { return matching.contains(slot); }));
  }
  return found;
}

using Stops = std::vector<std::optional<int>>;

TEST(SlotCursor, ButtonsVisitTheWindowsInTurn) {
  EXPECT_EQ(Presses(SlotCursor::ForMemoryViews(), {0, 2}, 3), (Stops{0, 2, 0}));
  EXPECT_EQ(Presses(SlotCursor::ForMemoryViews(), {0, 1, 2}, 4), (Stops{0, 1, 2, 0}));
  EXPECT_EQ(Presses(SlotCursor::ForMemoryViews(), {1}, 2), (Stops{1, 1}));
  EXPECT_EQ(Presses(SlotCursor::ForEditors(), {2, 5}, 3), (Stops{2, 5, 2}));
  EXPECT_EQ(Presses(SlotCursor::ForEditors(), {16}, 2), (Stops{16, 16}));
  EXPECT_EQ(Presses(SlotCursor::ForEditors(), {1}, 2), (Stops{1, 1}));
}

TEST(SlotCursor, WithoutAMatchEverySlotIsLookedAtOnce) {
  SlotCursor memory = SlotCursor::ForMemoryViews();
  int looks = 0;
  EXPECT_EQ(memory.Next([&](int) { return ++looks, false; }), std::nullopt);
  EXPECT_EQ(looks, 5);
  EXPECT_EQ(memory.Position(), 1);
  SlotCursor editors = SlotCursor::ForEditors();
  std::vector<int> looked;
  EXPECT_EQ(editors.Next([&](int slot) { return looked.push_back(slot), false; }), std::nullopt);
  std::vector<int> everySlot;
  for (int slot = 1; slot <= 16; ++slot) everySlot.push_back(slot);
  EXPECT_EQ(looked, everySlot);
}

}  // namespace
}  // namespace tav2
