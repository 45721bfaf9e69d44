#include "gui/editor/editcommands.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "editorsupport.h"
#include "scripteddialogs.h"

namespace tav2 {
namespace {

using test::Caret;
using test::PlaceCaret;
using test::PressKey;
using test::PressTimes;
using test::TypeText;

// A text control with its editing commands and run flags of its own.
struct Editor {
  explicit Editor(const QString& text = {}) {
    edit.setPlainText(text);
    commands = new EditCommands(&edit, nullptr, runFlags);
  }
  QString Text() const { return edit.toPlainText(); }
  QString Selected() const { return edit.textCursor().selectedText(); }

  UndoRunFlags runFlags;
  QPlainTextEdit edit;
  EditCommands* commands = nullptr;
};

// Undo

TEST(EditCommandsUndo, BackspacesAreOneStepAndTheTypedWordAnother) {
  Editor editor;
  TypeText(editor.edit, "word");
  PressTimes(editor.edit, Qt::Key_Backspace, 3);
  EXPECT_EQ(editor.Text(), "w");
  editor.commands->Undo();
  EXPECT_EQ(editor.Text(), "word");
  EXPECT_EQ(Caret(editor.edit), 4);
  editor.commands->Undo();
  EXPECT_EQ(editor.Text(), "");
}

TEST(EditCommandsUndo, CtrlZUndoes) {
  Editor editor;
  TypeText(editor.edit, "ab");
  PressKey(editor.edit, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(editor.Text(), "");
}

TEST(EditCommandsUndo, ThirtyOneUndosAfterAChangeAndNoMore) {
  Editor editor;
  for (int letter = 0; letter < 40; ++letter) {
    TypeText(editor.edit, "a");
    PressKey(editor.edit, Qt::Key_End);  // each letter is a step of its own
  }
  for (int press = 1; press <= 31; ++press) {
    editor.commands->Undo();
    EXPECT_EQ(editor.Text().size(), 40 - press);
  }
  editor.commands->Undo();
  EXPECT_EQ(editor.Text().size(), 9);
}

TEST(EditCommandsUndo, CancelUndosReturnsToTheStateBeforeTheFirstUndo) {
  Editor editor;
  TypeText(editor.edit, "ab");
  PressKey(editor.edit, Qt::Key_Backspace);
  TypeText(editor.edit, "c");
  ASSERT_EQ(editor.Text(), "ac");
  editor.commands->Undo();
  EXPECT_EQ(editor.Text(), "a");
  editor.commands->Undo();
  EXPECT_EQ(editor.Text(), "ab");
  editor.commands->CancelUndos();
  EXPECT_EQ(editor.Text(), "ac");
}

TEST(EditCommandsUndo, MovingTheCaretIsAStepOfItsOwn) {
  Editor editor;
  TypeText(editor.edit, "one");
  PressKey(editor.edit, Qt::Key_Home);
  TypeText(editor.edit, "A");
  editor.commands->Undo();
  EXPECT_EQ(editor.Text(), "one");
  EXPECT_EQ(Caret(editor.edit), 0);
  editor.commands->Undo();
  EXPECT_EQ(editor.Text(), "one");
  EXPECT_EQ(Caret(editor.edit), 3);
}

TEST(EditCommandsUndo, TypingAfterAnUndoEndsCancelUndos) {
  Editor editor;
  TypeText(editor.edit, "one");
  PressKey(editor.edit, Qt::Key_Home);
  TypeText(editor.edit, "two ");
  editor.commands->Undo();
  ASSERT_EQ(editor.Text(), "one");
  TypeText(editor.edit, "Z");
  editor.commands->CancelUndos();
  EXPECT_EQ(editor.Text(), "Zone");
}

TEST(EditCommandsUndo, AClickStartsANewStep) {
  Editor editor("abc");
  PlaceCaret(editor.edit, 3);
  TypeText(editor.edit, "d");
  QMouseEvent click(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(editor.edit.viewport(), &click);
  PlaceCaret(editor.edit, 0);
  TypeText(editor.edit, "e");
  editor.commands->Undo();
  EXPECT_EQ(editor.Text(), "abcd");
}

TEST(EditCommandsUndo, PasteIsAStepOfItsOwn) {
  Editor editor("abc");
  PlaceCaret(editor.edit, 0, 1);
  editor.commands->Copy();
  PlaceCaret(editor.edit, 3);
  editor.commands->Paste();
  ASSERT_EQ(editor.Text(), "abca");
  editor.commands->Undo();
  EXPECT_EQ(editor.Text(), "abc");
}

TEST(EditCommandsUndo, CutAndRedoOfTheControlGoThroughTheRing) {
  Editor editor("abc");
  PlaceCaret(editor.edit, 1, 2);
  PressKey(editor.edit, Qt::Key_X, Qt::ControlModifier);
  ASSERT_EQ(editor.Text(), "a");
  PressKey(editor.edit, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(editor.Text(), "abc");
}

TEST(EditCommandsUndo, UndoReplacesOnlyTheDifferingMiddle) {
  Editor editor(QString::fromUtf8("\u20ac one two"));
  PlaceCaret(editor.edit, 5);
  TypeText(editor.edit, "and ");
  editor.commands->Undo();
  // The euro sign is outside Latin-1; it survives because it is not replaced.
  EXPECT_EQ(editor.Text(), QString::fromUtf8("\u20ac one two"));
}

// Find and replace

struct Search {
  Editor editor;
  test::ScriptedDialogs dialogs;

  explicit Search(const QString& text) : editor(text) {}
  void Find(const QString& what, SearchOptions options = {}) {
    editor.commands->FindDialog().SetSearchText(what);
    editor.commands->FindDialog().SetOptions(options);
    editor.commands->FindStep();
  }
  void Replace(const QString& what, const QString& with, SearchOptions options = {}) {
    editor.commands->ReplaceDialog().SetSearchText(what);
    editor.commands->ReplaceDialog().SetReplaceText(with);
    editor.commands->ReplaceDialog().SetOptions(options);
  }
  int SelectionStart() const { return editor.edit.textCursor().selectionStart(); }
};

TEST(EditCommandsFind, DownwardFromTheTextStartFindsAMatchAtTheFirstCharacter) {
  Search search("abc abc");
  search.Find("abc");
  EXPECT_EQ(search.SelectionStart(), 0);
  EXPECT_EQ(search.editor.Selected(), "abc");
}

TEST(EditCommandsFind, SearchAgainMovesOnFromAFoundMatch) {
  Search search("abc abc abc");
  search.Find("abc");
  PressKey(search.editor.edit, Qt::Key_F3);
  EXPECT_EQ(search.SelectionStart(), 4);
  search.editor.commands->SearchAgain();
  EXPECT_EQ(search.SelectionStart(), 8);
  search.editor.commands->SearchAgain();
  EXPECT_EQ(search.dialogs.messages, QStringList({"info: No match found"}));
  EXPECT_EQ(search.SelectionStart(), 8);
}

TEST(EditCommandsFind, UpwardFromTheLineEndFindsTheNearestEarlierMatch) {
  Search search("ab ab ab\nab");
  PlaceCaret(search.editor.edit, 8);
  search.Find("ab", SearchOptions{false, false, false});
  EXPECT_EQ(search.SelectionStart(), 6);
}

TEST(EditCommandsFind, MatchCaseAndWholeWordAreTheDialogsBoxes) {
  Search search("Abc xabc abc");
  search.Find("abc", SearchOptions{true, true, true});
  EXPECT_EQ(search.SelectionStart(), 9);
}

TEST(EditCommandsFind, TheDialogsFindNextButtonRunsTheStep) {
  Search search("one two");
  search.editor.commands->Find();
  FindReplaceDialog& dialog = search.editor.commands->FindDialog();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.windowTitle(), "Find");
  dialog.findChild<QLineEdit*>("FindText")->setText("two");
  dialog.findChild<QPushButton*>("FindNextknop")->click();
  EXPECT_EQ(search.SelectionStart(), 4);
  EXPECT_EQ(search.editor.commands->LastSearch(), EditCommands::SearchKind::Find);
}

TEST(EditCommandsFind, AnEmptySearchTextDoesNothing) {
  Search search("text");
  PlaceCaret(search.editor.edit, 2);
  search.Find("");
  EXPECT_TRUE(search.dialogs.messages.isEmpty());
  EXPECT_EQ(Caret(search.editor.edit), 2);
}

TEST(EditCommandsReplace, ReplaceWithoutMatchCaseAcceptsASelectionInOtherCase) {
  Search search("say HELLO");
  search.Replace("hello", "bye");
  search.editor.commands->ReplaceFindStep();
  ASSERT_EQ(search.editor.Selected(), "HELLO");
  search.editor.commands->ReplaceOnce();
  EXPECT_EQ(search.editor.Text(), "say bye");
  EXPECT_EQ(search.editor.commands->LastSearch(), EditCommands::SearchKind::Replace);
}

TEST(EditCommandsReplace, ReplaceWithMatchCaseNeedsTheExactText) {
  Search search("say HELLO");
  search.Replace("hello", "bye", SearchOptions{true, false, true});
  PlaceCaret(search.editor.edit, 4, 5);
  search.editor.commands->ReplaceOnce();
  EXPECT_EQ(search.editor.Text(), "say HELLO");
}

TEST(EditCommandsReplace, ReplaceAllReplacesEveryMatchAndEndsWithNoMatchFound) {
  Search search("a-b-a-b");
  search.Replace("a", "xy");
  search.editor.commands->Replace();
  search.editor.commands->ReplaceDialog().findChild<QPushButton*>("ReplaceAllknop")->click();
  EXPECT_EQ(search.editor.Text(), "xy-b-xy-b");
  EXPECT_EQ(search.dialogs.messages, QStringList({"info: No match found"}));
}

TEST(EditCommandsReplace, SearchAgainRepeatsTheReplaceDialogsDownwardStep) {
  Search search("ab ab ab");
  search.Replace("ab", "");
  search.editor.commands->ReplaceFindStep();
  search.editor.commands->SearchAgain();
  EXPECT_EQ(search.SelectionStart(), 3);
}

TEST(EditCommandsReplace, TheReplaceDialogHasItsControls) {
  Editor editor;
  FindReplaceDialog& dialog = editor.commands->ReplaceDialog();
  EXPECT_EQ(dialog.windowTitle(), "Replace");
  for (const char* name : {"FindText", "ReplaceText", "MatchCase", "WholeWord"}) {
    EXPECT_NE(dialog.findChild<QWidget*>(name), nullptr) << name;
  }
  for (const char* name : {"FindNextknop", "Replaceknop", "ReplaceAllknop", "Cancelknop"}) {
    EXPECT_NE(dialog.findChild<QPushButton*>(name), nullptr) << name;
  }
  EXPECT_EQ(dialog.findChild<QRadioButton*>("Up"), nullptr);  // always downward
}

// Text commands

TEST(EditCommandsText, RevertCaseFlipsOneLetterAndMovesOn) {
  Editor editor("a1b");
  PlaceCaret(editor.edit, 0);
  PressKey(editor.edit, Qt::Key_U, Qt::ControlModifier);
  EXPECT_EQ(editor.Text(), "A1b");
  EXPECT_EQ(Caret(editor.edit), 1);
  PressKey(editor.edit, Qt::Key_U, Qt::ControlModifier);
  EXPECT_EQ(editor.Text(), "A1b");
  EXPECT_EQ(Caret(editor.edit), 2);
}

TEST(EditCommandsText, RevertCaseOfASelectionIsUndoneInOneStep) {
  Editor editor("Hello World");
  PlaceCaret(editor.edit, 0, 5);
  editor.commands->RevertCase();
  EXPECT_EQ(editor.Text(), "hELLO World");
  EXPECT_EQ(editor.Selected(), "hELLO");
  editor.commands->Undo();
  EXPECT_EQ(editor.Text(), "Hello World");
}

struct BracketCase {
  int key;
  int from;
  int to;
};

class MatchBracketKeys : public testing::TestWithParam<BracketCase> {};

TEST_P(MatchBracketKeys, JumpBetweenTheOutermostParentheses) {
  Editor editor("f(a(b)c)");
  PlaceCaret(editor.edit, GetParam().from);
  PressKey(editor.edit, GetParam().key, Qt::ControlModifier);
  EXPECT_EQ(Caret(editor.edit), GetParam().to);
  EXPECT_EQ(editor.Text(), "f(a(b)c)");
}

INSTANTIATE_TEST_SUITE_P(EditCommandsText, MatchBracketKeys,
                         testing::Values(BracketCase{Qt::Key_B, 1, 7}, BracketCase{Qt::Key_B, 7, 1},
                                         BracketCase{Qt::Key_BracketLeft, 1, 7},
                                         BracketCase{Qt::Key_BracketRight, 7, 1}, BracketCase{Qt::Key_B, 0, 1}));

TEST(EditCommandsText, IndentSelectionIndentsTheSelectedLinesOnly) {
  Editor editor("one\ntwo\nthree\nfour");
  PlaceCaret(editor.edit, 0, 14);  // up to and including the third line break
  PressKey(editor.edit, Qt::Key_I, Qt::ControlModifier);
  EXPECT_EQ(editor.Text(), " one\n two\n three\nfour");
  EXPECT_EQ(editor.edit.textCursor().selectionEnd() - editor.edit.textCursor().selectionStart(), 17);
}

TEST(EditCommandsText, UnindentSelectionRemovesOneSpaceAndLeavesTabs) {
  Editor editor("  one\n\ttwo\n three");
  PlaceCaret(editor.edit, 0, 17);
  PressKey(editor.edit, Qt::Key_J, Qt::ControlModifier);
  EXPECT_EQ(editor.Text(), " one\n\ttwo\nthree");
}

TEST(EditCommandsText, IndentWithoutASelectionDoesNothing) {
  Editor editor("one");
  PlaceCaret(editor.edit, 1);
  editor.commands->IndentSelection();
  editor.commands->UnindentSelection();
  EXPECT_EQ(editor.Text(), "one");
}

TEST(EditCommandsText, AutoIndentCopiesTheLeadingSpacesAndTabs) {
  Editor editor("\t  abc");
  editor.commands->SetAutoIndent(true);
  PlaceCaret(editor.edit, 6);
  TypeText(editor.edit, "\nx");
  EXPECT_EQ(editor.Text(), "\t  abc\n\t  x");
}

TEST(EditCommandsText, WithoutAutoIndentEnterStartsAtTheLeft) {
  Editor editor("  abc");
  PlaceCaret(editor.edit, 5);
  TypeText(editor.edit, "\nx");
  EXPECT_EQ(editor.Text(), "  abc\nx");
}

struct TabCase {
  const char* before;
  const char* after;
};

class TabTranslation : public testing::TestWithParam<TabCase> {};

TEST_P(TabTranslation, ATypedTabBecomesSpacesToTheNextStop) {
  Editor editor(GetParam().before);
  editor.commands->SetTabsToSpaces(true);
  PlaceCaret(editor.edit, static_cast<int>(strlen(GetParam().before)));
  TypeText(editor.edit, "\t");
  EXPECT_EQ(editor.Text(), GetParam().after);
  EXPECT_EQ(Caret(editor.edit), editor.Text().size());
}

INSTANTIATE_TEST_SUITE_P(EditCommandsText, TabTranslation,
                         testing::Values(TabCase{"", "        "}, TabCase{"abc", "abc     "},
                                         TabCase{"x\nabcdefgh", "x\nabcdefgh        "}));

TEST(EditCommandsText, TabsStayWhileTabsToSpacesIsOff) {
  Editor editor;
  TypeText(editor.edit, "a\tb");
  EXPECT_EQ(editor.Text(), "a\tb");
}

TEST(EditCommandsText, SwitchingTabsToSpacesOnConvertsTheTextAndOffLeavesIt) {
  Editor editor("a\tb\n\tc");
  editor.commands->SetTabNumber(4);
  PlaceCaret(editor.edit, 6);
  editor.commands->SetTabsToSpaces(true);
  EXPECT_EQ(editor.Text(), "a   b\n    c");
  EXPECT_EQ(Caret(editor.edit), 6 + 2 + 3);
  editor.commands->SetTabsToSpaces(false);
  TypeText(editor.edit, "\t");
  EXPECT_EQ(editor.Text(), "a   b\n    c\t");
}

TEST(EditCommandsText, TheTabWidthIsBroughtIntoRange) {
  Editor editor;
  editor.commands->SetTabNumber(99);
  EXPECT_EQ(editor.commands->Options().tabNumber, 48);
  editor.commands->SetTabNumber(0);
  EXPECT_EQ(editor.commands->Options().tabNumber, 1);
}

TEST(EditCommandsText, InsertTogglesOverwriteTyping) {
  Editor editor("abcd");
  QStringList indicator;
  QObject::connect(editor.commands, &EditCommands::insertModeChanged,
                   [&indicator](const QString& text) { indicator << text; });
  PlaceCaret(editor.edit, 1);
  PressKey(editor.edit, Qt::Key_Insert);
  EXPECT_EQ(editor.commands->InsertIndicator(), "OVR");
  TypeText(editor.edit, "XY");
  EXPECT_EQ(editor.Text(), "aXYd");
  PressKey(editor.edit, Qt::Key_Insert);
  EXPECT_EQ(editor.commands->InsertIndicator(), " INS");
  TypeText(editor.edit, "Z");
  EXPECT_EQ(editor.Text(), "aXYZd");
  EXPECT_EQ(indicator, QStringList({"OVR", " INS"}));
}

TEST(EditCommandsText, ShiftInsertPastesAndKeepsTheMode) {
  Editor editor("ab");
  PlaceCaret(editor.edit, 0, 1);
  editor.commands->Copy();
  PlaceCaret(editor.edit, 2);
  PressKey(editor.edit, Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(editor.Text(), "aba");
  EXPECT_TRUE(editor.commands->InsertMode());
}

TEST(EditCommandsText, ClipboardAndSelectionCommands) {
  Editor editor("one two");
  editor.commands->SelectAll();
  EXPECT_EQ(editor.Selected(), "one two");
  PlaceCaret(editor.edit, 3, 4);
  editor.commands->Delete();
  EXPECT_EQ(editor.Text(), "one");
  PlaceCaret(editor.edit, 0, 3);
  editor.commands->Cut();
  editor.commands->Paste();
  editor.commands->Paste();
  EXPECT_EQ(editor.Text(), "oneone");
}

TEST(EditCommandsText, AReadOnlyTextIsNotChanged) {
  Editor editor("Abc\tdef");
  editor.edit.setReadOnly(true);
  PlaceCaret(editor.edit, 0, 7);
  editor.commands->RevertCase();
  editor.commands->IndentSelection();
  editor.commands->Delete();
  editor.commands->SetTabsToSpaces(true);
  EXPECT_EQ(editor.Text(), "Abc\tdef");
}

TEST(EditCommandsText, WordAtCursor) {
  Editor editor("MOVE R1, LOAD\nx");
  PlaceCaret(editor.edit, 13);
  EXPECT_EQ(editor.commands->WordAtCursor(), "LOAD");
}

TEST(EditCommandsKeys, TypingKeysAreReportedAndMovingKeysAreNot) {
  Editor editor("abc");
  int typed = 0;
  QObject::connect(editor.commands, &EditCommands::textKeyPressed, [&typed] { ++typed; });
  PressKey(editor.edit, Qt::Key_Right);
  PressKey(editor.edit, Qt::Key_Shift);
  EXPECT_EQ(typed, 0);
  TypeText(editor.edit, "x\n");
  PressKey(editor.edit, Qt::Key_Backspace);
  PressKey(editor.edit, Qt::Key_Delete);
  EXPECT_EQ(typed, 4);
}

TEST(EditCommandsKeys, CommandKeysOverrideWindowShortcuts) {
  Editor editor;
  QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_U, Qt::ControlModifier);
  override.ignore();
  QApplication::sendEvent(&editor.edit, &override);
  EXPECT_TRUE(override.isAccepted());
  QKeyEvent other(QEvent::ShortcutOverride, Qt::Key_S, Qt::ControlModifier);
  other.ignore();
  QApplication::sendEvent(&editor.edit, &other);
  EXPECT_FALSE(other.isAccepted());
}

// Options

TEST(EditCommandsOptions, ColouringOnSwitchesWordWrapOff) {
  Editor editor;
  editor.commands->SwitchColouring(false);
  editor.commands->ToggleWordWrap();
  EXPECT_TRUE(editor.commands->Options().wordWrap);
  EXPECT_EQ(editor.edit.lineWrapMode(), QPlainTextEdit::WidgetWidth);
  editor.commands->SwitchColouring(true);
  EXPECT_FALSE(editor.commands->Options().wordWrap);
  EXPECT_EQ(editor.edit.lineWrapMode(), QPlainTextEdit::NoWrap);
  editor.commands->ToggleWordWrap();
  EXPECT_FALSE(editor.commands->Options().wordWrap);
}

TEST(EditCommandsOptions, SetOptionsTakesAllFive) {
  Editor editor;
  const EditorOptions options{true, true, false, true, 4};
  editor.commands->SetOptions(options);
  EXPECT_EQ(editor.commands->Options(), options);
  EXPECT_EQ(editor.edit.lineWrapMode(), QPlainTextEdit::WidgetWidth);
  EXPECT_DOUBLE_EQ(editor.edit.tabStopDistance(), 4 * QFontMetricsF(editor.edit.font()).horizontalAdvance('n'));
}

}  // namespace
}  // namespace tav2
