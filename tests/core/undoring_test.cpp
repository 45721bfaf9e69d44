#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/editor/textchange.h"
#include "core/editor/undoring.h"
#include "core/editor/undorunflags.h"

namespace tav2 {
namespace {

// An editor as far as undo sees it: keys take snapshots through the run
// flags, changes the user makes are noted, and undo steps are applied the
// way the editor applies them (only the differing stretch is replaced).
class UndoEditor {
 public:
  std::string text;
  int caret = 0;
  UndoRing ring;
  UndoRunFlags runs;

  explicit UndoEditor(std::string initial = "") : text(std::move(initial)) { ring.Initialise(text, caret); }

  void Type(std::string_view typed) {
    for (char ch : typed) {
      KeyDown(ch == '\n' ? SnapshotTrigger::Enter : SnapshotTrigger::Typing);
      text.insert(static_cast<std::size_t>(caret), 1, ch);
      ++caret;
      ring.NoteUserChange();
    }
  }
  void Backspace(int times) {
    for (int i = 0; i < times; ++i) {
      KeyDown(SnapshotTrigger::Backspace);
      if (caret == 0) continue;  // nothing to delete: the text does not change
      text.erase(static_cast<std::size_t>(--caret), 1);
      ring.NoteUserChange();
    }
  }
  void Click(int position) {
    KeyDown(SnapshotTrigger::MouseDown);
    caret = position;
  }
  bool Undo() { return Apply(ring.Undo(text, caret)); }
  bool Redo() { return Apply(ring.Redo(text, caret)); }
  bool CancelUndos() { return Apply(ring.CancelUndos(text, caret)); }

 private:
  void KeyDown(SnapshotTrigger trigger) {
    if (runs.StartsNewRun(trigger)) ring.TakeSnapshot(text, caret);
  }
  bool Apply(const std::optional<EditResult>& step) {
    if (!step) return false;
    text = step->AppliedTo(text);
    caret = step->selection.start;
    return true;
  }
};

TEST(UndoRing, SlotsAndSnapshots) {
  UndoRing ring;
  ring.Initialise("abc", 0);
  EXPECT_EQ(ring.CurrentSlot(), 32);
  EXPECT_EQ(ring.NewestSlot(), 0);
  EXPECT_FALSE(ring.ChangedSinceUndo());
  for (int slot = 1; slot <= UndoRing::kSlots; ++slot) {
    EXPECT_EQ(ring.SlotText(slot), "abc") << "initialisation fills every slot";
    EXPECT_EQ(ring.SlotCaret(slot), 0);
  }
  EXPECT_FALSE(ring.TakeSnapshot("abc", 0)) << "no change, no caret move: nothing stored";
  EXPECT_EQ(ring.CurrentSlot(), 32);
  EXPECT_TRUE(ring.TakeSnapshot("abc", 1));
  EXPECT_EQ(ring.CurrentSlot(), 1) << "the ring wraps from 32 to 1";
  ring.NoteUserChange();
  EXPECT_TRUE(ring.TakeSnapshot("abcd", 1));
  EXPECT_EQ(ring.CurrentSlot(), 2);
  EXPECT_EQ(ring.SlotText(2), "abcd");
  EXPECT_FALSE(ring.TakeSnapshot("abcd", 1)) << "a stored snapshot clears the force";
}

// Plays a script of steps split by '|': tTEXT types, bN backspaces N times,
// cN clicks at N, u / U undo (which must succeed / fail), r / R redo and
// x / X cancel the undos likewise, =TEXT and @N check the text and the caret, !TEXT that
// the text differs.
void Play(const std::string& script) {
  UndoEditor editor;
  std::size_t at = 0;
  for (int step = 1; at <= script.size(); ++step) {
    const std::size_t end = std::min(script.find('|', at), script.size());
    const char action = script[at];
    const std::string rest = script.substr(at + 1, end - at - 1);
    at = end + 1;
    const auto number = [&] { return std::stoi(rest); };
    switch (action) {
      case 't': editor.Type(rest); break;
      case 'b': editor.Backspace(number()); break;
      case 'c': editor.Click(number()); break;
      case 'u':
      case 'U': EXPECT_EQ(editor.Undo(), action == 'u') << script << " step " << step; break;
      case 'r':
      case 'R': EXPECT_EQ(editor.Redo(), action == 'r') << script << " step " << step; break;
      case 'x':
      case 'X': EXPECT_EQ(editor.CancelUndos(), action == 'x') << script << " step " << step; break;
      case '=': EXPECT_EQ(editor.text, rest) << script << " step " << step; break;
      case '!': EXPECT_NE(editor.text, rest) << script << " step " << step; break;
      default: EXPECT_EQ(editor.caret, number()) << script << " step " << step; break;
    }
  }
}

TEST(UndoRing, Sequences) {
  const char* scripts[] = {
      // Undo takes back one stretch of work at a time.
      "tword|b3|=w|u|=word|@4|u|=|@0",
      // Cancel returns to the state before the first undo, once.
      "tone|b1|t\ntwo|u|u|!on\ntwo|x|=on\ntwo|@6|X",
      // Typing after an undo disables cancelling; there is nothing to cancel before an undo.
      "tabc|X|b1|u|=abc|tx|X|=abcx",
      // Moving the caret after an undo keeps the undone states.
      "tabc|b1|t\nxyz|u|=ab|c0|x|=ab\nxyz|u|=ab|@0|u|=abc",
      // Undo still works after a cancel and a caret move that changed nothing.
      "tabc|b1|u|x|=ab|c0|b1|u|=ab|@2|u|=abc",
  };
  for (const char* script : scripts) Play(script);
}

TEST(UndoRing, RedoSequences) {
  const char* scripts[] = {
      // Nothing to redo before an undo.
      "tabc|R|=abc",
      // Redo steps forward again one stretch at a time, up to the newest state.
      "tone|b1|tx|u|=on|u|=one|r|=on|r|=onx|R|=onx",
      // Undo and redo take turns on the same states.
      "tab|b1|u|=ab|r|=a|u|=ab|r|=a|R",
      // A change after an undo ends redoing: the undone states are gone.
      "tone|b1|u|=one|tx|R|=onex|u|=one",
      // Cancel undo's after a redo still returns to the newest state.
      "tone|b1|t2|u|u|r|x|=on2|R",
      // Moving the caret between undo and redo keeps the undone states.
      "tabc|b1|u|c0|r|=ab",
  };
  for (const char* script : scripts) Play(script);
}

TEST(UndoRing, RedoWalksBackThroughAFullRing) {
  UndoEditor editor("x");
  for (int i = 0; i < 20; ++i) {
    editor.Type("a");
    editor.Backspace(1);
  }
  editor.Type("b");
  const std::string newest = editor.text;
  int undone = 0;
  while (editor.Undo()) ++undone;
  EXPECT_EQ(undone, 31);
  for (int i = 1; i <= undone; ++i) EXPECT_TRUE(editor.Redo()) << "redo " << i;
  EXPECT_EQ(editor.text, newest);
  EXPECT_FALSE(editor.Redo());
}

TEST(UndoRing, ThirtyOneUndosAfterAChange) {
  UndoEditor editor("x");
  for (int i = 0; i < 40; ++i) {
    editor.Type("a");
    editor.Backspace(1);
  }
  editor.Type("b");
  for (int i = 1; i <= 31; ++i) EXPECT_TRUE(editor.Undo()) << "undo " << i;
  const std::string oldest = editor.text;
  EXPECT_FALSE(editor.Undo()) << "the 32nd undo would reach the newest state";
  EXPECT_EQ(editor.text, oldest);
}

TEST(UndoRing, UndoGivesOnlyTheDifferingStretch) {
  UndoRing ring;
  ring.Initialise("MOVE R1, 2\nHALT", 0);
  ring.NoteUserChange();
  const std::optional<EditResult> step = ring.Undo("MOVE R2, 2\nHALT", 6);
  ASSERT_TRUE(step);
  ASSERT_TRUE(step->change);
  EXPECT_EQ(*step->change, (TextChange{5, 2, "R1"}));
  EXPECT_EQ(step->selection, (Selection{0, 0}));
}

TEST(TextChange, DifferingMiddle) {
  struct Case {
    const char* from;
    const char* to;
    TextChange change;
  };
  const Case cases[] = {
      {"abc", "abXc", {1, 1, "bX"}}, {"hello world", "hello brave world", {5, 1, " brave "}},
      {"abc", "xbc", {0, 1, "x"}},   {"", "abc", {0, 0, "abc"}},
      {"abc", "", {0, 3, ""}},       {"aaa", "aa", {1, 2, "a"}},
      {"abc", "abd", {1, 2, "bd"}},  {"abc", "abcdef", {2, 1, "cdef"}},
  };
  for (const Case& c : cases) {
    const std::optional<TextChange> change = TextChange::Between(c.from, c.to);
    ASSERT_TRUE(change) << c.from << " -> " << c.to;
    EXPECT_EQ(*change, c.change) << c.from << " -> " << c.to;
    EXPECT_EQ(change->AppliedTo(c.from), c.to);
  }
  EXPECT_FALSE(TextChange::Between("same", "same"));
}

TEST(UndoRunFlags, SnapshotsAtEveryChangeOfTheKindOfWork) {
  using T = SnapshotTrigger;
  const std::pair<T, bool> sequence[] = {
      {T::Typing, false},    {T::Backspace, true}, {T::Backspace, false}, {T::Delete, true},
      {T::Delete, false},    {T::Move, true},      {T::Move, false},      {T::Typing, true},
      {T::Typing, false},    {T::Enter, true},     {T::Enter, true},      {T::MouseDown, true},
      {T::MouseDown, false}, {T::Move, false},     {T::Delete, true},     {T::MouseDown, true},
      {T::Delete, false},    {T::Backspace, true}, {T::Typing, true},
  };
  UndoRunFlags flags;
  int step = 0;
  for (const auto& [trigger, snapshot] : sequence) {
    EXPECT_EQ(flags.StartsNewRun(trigger), snapshot) << "step " << step;
    ++step;
  }
}

}  // namespace
}  // namespace tav2
