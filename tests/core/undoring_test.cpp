#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <optional>
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

// The number a step carries after its letter; fails the test and gives
// nothing when the rest of the step is no number.
std::optional<int> StepNumber(const std::string& rest) {
  int number = 0;
  const char* last = rest.data() + rest.size();
  const auto [end, error] = std::from_chars(rest.data(), last, number);
  if (error != std::errc() || end != last) {
    ADD_FAILURE() << "the step needs a number, not \"" << rest << '"';
    return std::nullopt;
  }
  return number;
}

// Plays one step of a script on the editor (see Play).
void PlayStep(UndoEditor& editor, const std::string& step) {
  if (step.empty()) {
    ADD_FAILURE() << "empty step";
    return;
  }
  const char action = step[0];
  const std::string rest = step.substr(1);
  switch (action) {
    case 't': editor.Type(rest); return;
    case 'b':
      if (const std::optional<int> times = StepNumber(rest)) editor.Backspace(*times);
      return;
    case 'c':
      if (const std::optional<int> position = StepNumber(rest)) editor.Click(*position);
      return;
    case 'u':
    case 'U': EXPECT_EQ(editor.Undo(), action == 'u'); return;
    case 'r':
    case 'R': EXPECT_EQ(editor.Redo(), action == 'r'); return;
    case 'x':
    case 'X': EXPECT_EQ(editor.CancelUndos(), action == 'x'); return;
    case '=': EXPECT_EQ(editor.text, rest); return;
    case '!': EXPECT_NE(editor.text, rest); return;
    case '@':
      if (const std::optional<int> caret = StepNumber(rest)) {
        EXPECT_EQ(editor.caret, *caret);
      }
      return;
    default: ADD_FAILURE() << "unknown step '" << action << "'";
  }
}

// Plays a script of steps split by '|': tTEXT types, bN backspaces N times,
// cN clicks at N, u / U undo (which must succeed / fail), r / R redo and
// x / X cancel the undos likewise, =TEXT and @N check the text and the caret,
// !TEXT that the text differs. Any other step fails the test.
void Play(const std::string& script) {
  UndoEditor editor;
  std::size_t at = 0;
  for (int number = 1; at <= script.size(); ++number) {
    const std::size_t end = std::min(script.find('|', at), script.size());
    const std::string step = script.substr(at, end - at);
    at = end + 1;
    SCOPED_TRACE(script + " step " + std::to_string(number) + ": " + step);
    PlayStep(editor, step);
  }
}

TEST(UndoRing, ScriptPlayerFailsOnAStepItDoesNotKnow) {
  EXPECT_NONFATAL_FAILURE(Play("tabc|?3"), "unknown step '?'");
  EXPECT_NONFATAL_FAILURE(Play("tabc|@x"), "the step needs a number, not \"x\"");
  EXPECT_NONFATAL_FAILURE(Play("tabc|b"), "the step needs a number");
  EXPECT_NONFATAL_FAILURE(Play("tabc|"), "empty step");
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
  // clang-format off
  const Case cases[] = {
      {"abc", "abXc", {1, 1, "bX"}},
      {"hello world", "hello brave world", {5, 1, " brave "}},
      {"abc", "xbc", {0, 1, "x"}},
      {"", "abc", {0, 0, "abc"}},
      {"abc", "", {0, 3, ""}},
      {"aaa", "aa", {1, 2, "a"}},
      {"abc", "abd", {1, 2, "bd"}},
      {"abc", "abcdef", {2, 1, "cdef"}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.from << " -> " << c.to);
    const std::optional<TextChange> change = TextChange::Between(c.from, c.to);
    ASSERT_TRUE(change);
    EXPECT_EQ(*change, c.change);
    EXPECT_EQ(change->AppliedTo(c.from), c.to);
  }
  EXPECT_FALSE(TextChange::Between("same", "same"));
}

TEST(UndoRunFlags, SnapshotsAtEveryChangeOfTheKindOfWork) {
  using T = SnapshotTrigger;
  constexpr bool kNewRun = true, kSameRun = false;  // whether the key takes a snapshot
  // clang-format off
  const std::pair<T, bool> sequence[] = {
      {T::Typing, kSameRun},
      {T::Backspace, kNewRun},
      {T::Backspace, kSameRun},
      {T::Delete, kNewRun},
      {T::Delete, kSameRun},
      {T::Move, kNewRun},
      {T::Move, kSameRun},
      {T::Typing, kNewRun},
      {T::Typing, kSameRun},
      {T::Enter, kNewRun},
      {T::Enter, kNewRun},
      {T::MouseDown, kNewRun},
      {T::MouseDown, kSameRun},
      {T::Move, kSameRun},
      {T::Delete, kNewRun},
      {T::MouseDown, kNewRun},
      {T::Delete, kSameRun},
      {T::Backspace, kNewRun},
      {T::Typing, kNewRun},
  };
  // clang-format on
  UndoRunFlags flags;
  int step = 0;
  for (const auto& [trigger, snapshot] : sequence) {
    EXPECT_EQ(flags.StartsNewRun(trigger), snapshot) << "step " << step;
    ++step;
  }
}

}  // namespace
}  // namespace tav2
