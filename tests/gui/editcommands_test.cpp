#include "gui/editor/editcommands.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "guitest.h"
#include "scripteddialogs.h"

namespace tav2 {
namespace {

using test::Caret;
using test::PlaceCaret;
using test::TypeText;

// A text control with its editing commands and run flags of its own.
struct Editor {
  explicit Editor(const QString& text = {}) {
    edit.setPlainText(text);
    commands = new EditCommands(&edit, nullptr, runFlags);
  }
  QString Text() const { return edit.toPlainText(); }
  QString Selected() const { return edit.textCursor().selectedText(); }
  void Key(int key, Qt::KeyboardModifiers modifiers = {}) { test::PressKey(&edit, key, modifiers); }
  void Type(const QString& text) { TypeText(&edit, text); }
  void Place(int position, int selectionLength = 0) { PlaceCaret(&edit, position, selectionLength); }

  UndoRunFlags runFlags;
  QPlainTextEdit edit;
  EditCommands* commands = nullptr;
};

// ---- Undo ------------------------------------------------------------------------------

TEST(EditCommandsUndo, BackspacesAreOneStepAndTheTypedWordAnother) {
  Editor editor;
  editor.Type("word");
  for (int press = 0; press < 3; ++press) editor.Key(Qt::Key_Backspace);
  EXPECT_EQ(editor.Text(), "w");
  editor.commands->Undo();
  EXPECT_EQ(editor.Text(), "word");
  EXPECT_EQ(Caret(&editor.edit), 4);
  editor.Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(editor.Text(), "");
}

TEST(EditCommandsUndo, CancelUndosReturnsToTheStateBeforeTheFirstUndoUntilTyping) {
  Editor editor;
  editor.Type("ab");
  editor.Key(Qt::Key_Backspace);
  editor.Type("c");
  editor.commands->Undo();
  EXPECT_EQ(editor.Text(), "a");
  editor.commands->Undo();
  EXPECT_EQ(editor.Text(), "ab");
  editor.commands->CancelUndos();
  EXPECT_EQ(editor.Text(), "ac");

  editor.Key(Qt::Key_Home);
  editor.Type("two ");
  editor.commands->Undo();
  ASSERT_EQ(editor.Text(), "ac");
  editor.Type("Z");
  editor.commands->CancelUndos();
  EXPECT_EQ(editor.Text(), "Zac");
}

// Ctrl+X and Ctrl+Z of the control go through the ring too.
TEST(EditCommandsUndo, ClicksPastesAndCutsAreStepsOfTheirOwn) {
  Editor editor("abc");
  editor.Place(3);
  editor.Type("d");
  QMouseEvent click(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(editor.edit.viewport(), &click);
  editor.Place(0);
  editor.Type("e");
  editor.commands->Undo();
  EXPECT_EQ(editor.Text(), "abcd");

  editor.Place(0, 1);
  editor.commands->Copy();
  editor.Place(4);
  editor.commands->Paste();
  editor.commands->Paste();
  editor.commands->Undo();
  EXPECT_EQ(editor.Text(), "abcda");

  editor.Place(1, 2);
  editor.Key(Qt::Key_X, Qt::ControlModifier);
  ASSERT_EQ(editor.Text(), "ada");
  editor.Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(editor.Text(), "abcda");
}

TEST(EditCommandsUndo, UndoReplacesOnlyTheDifferingMiddle) {
  Editor editor(QString::fromUtf8("\u20ac one two"));
  editor.Place(5);
  editor.Type("and ");
  editor.commands->Undo();
  // The euro sign is outside Latin-1; it survives because it is not replaced.
  EXPECT_EQ(editor.Text(), QString::fromUtf8("\u20ac one two"));
}

// ---- Find and replace --------------------------------------------------------------------

struct Search {
  Editor editor;
  test::ScriptedDialogs dialogs;

  explicit Search(const QString& text) : editor(text) {}
  void Find(const QString& what, SearchOptions options = {}) {
    editor.commands->FindDialog().SetSearchText(what);
    editor.commands->FindDialog().SetOptions(options);
    editor.commands->FindStep();
  }
  void Replace(const QString& what, const QString& with) {
    editor.commands->ReplaceDialog().SetSearchText(what);
    editor.commands->ReplaceDialog().SetReplaceText(with);
  }
  int SelectionStart() const { return editor.edit.textCursor().selectionStart(); }
};

// A match at the very first character is found; upward finds the nearest
// earlier match; an empty search text does nothing.
TEST(EditCommandsFind, FindsTheMatchTheOptionsAsk) {
  const struct {
    QString text;
    int caret;
    QString what;
    SearchOptions options;
    int found;
  } cases[] = {{"abc abc", 0, "abc", {}, 0},
               {"ab ab ab\nab", 8, "ab", {.down = false}, 6},
               {"Abc xabc abc", 0, "abc", {.matchCase = true, .wholeWord = true}, 9},
               {"text", 2, "", {}, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.toStdString());
    Search search(c.text);
    search.editor.Place(c.caret);
    search.Find(c.what, c.options);
    EXPECT_EQ(search.SelectionStart(), c.found);
    EXPECT_TRUE(search.dialogs.messages.isEmpty());
  }
}

TEST(EditCommandsFind, SearchAgainMovesOnFromAFoundMatch) {
  Search search("abc abc abc");
  search.Find("abc");
  search.editor.Key(Qt::Key_F3);
  EXPECT_EQ(search.SelectionStart(), 4);
  search.editor.commands->SearchAgain();
  EXPECT_EQ(search.SelectionStart(), 8);
  search.editor.commands->SearchAgain();
  EXPECT_EQ(search.dialogs.messages, QStringList({"info: No match found"}));
  EXPECT_EQ(search.SelectionStart(), 8);
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

// Activates the window as a window manager would and waits until the
// window system has given it the focus.
bool Activate(QWidget& window) {
  window.activateWindow();
  return QTest::qWaitFor([&window] { return QGuiApplication::focusWindow() == window.windowHandle(); });
}

// Keys typed by the user go to the window that has the focus, and there to
// its focus widget.
void TypeIntoFocus(int key, Qt::KeyboardModifiers modifiers = {}) {
  QTest::keyClick(QGuiApplication::focusWindow(), static_cast<Qt::Key>(key), modifiers);
}

void TypeIntoFocus(const QString& text) {
  for (const QChar ch : text) QTest::keyClick(QGuiApplication::focusWindow(), ch.toLatin1());
}

// How many pixels of the text's viewport between two positions of the
// first line show the colour.
int PixelsIn(QPlainTextEdit& edit, int from, int to, const QColor& colour) {
  QTextCursor cursor = edit.textCursor();
  cursor.setPosition(from);
  const QRect start = edit.cursorRect(cursor);
  cursor.setPosition(to);
  const QRect end = edit.cursorRect(cursor);
  const QImage image = edit.viewport()->grab().toImage();
  int count = 0;
  for (int y = start.top(); y <= start.bottom(); ++y) {
    for (int x = start.right() + 1; x < end.left(); ++x) count += image.pixelColor(x, y) == colour ? 1 : 0;
  }
  return count;
}

// Enter in an open Find or Replace dialog is Find Next: the focus stays in
// the dialog, so a second Enter searches again instead of typing a line
// break over the match, which stays in sight although the text has no focus.
TEST(EditCommandsFind, EnterInTheDialogSearchesAgainAndKeepsTheFocus) {
  for (const int dialogKey : {Qt::Key_F, Qt::Key_R}) {
    SCOPED_TRACE(dialogKey == Qt::Key_F ? "Find" : "Replace");
    Search search("abc x abc y abc");
    QPlainTextEdit& edit = search.editor.edit;
    // A platform that draws the selection of an unfocused text invisibly.
    QPalette palette = edit.palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Base));
    edit.setPalette(palette);
    const QColor shownSelection = palette.color(QPalette::Active, QPalette::Highlight);
    edit.show();
    ASSERT_TRUE(Activate(edit));
    edit.setFocus();
    search.editor.Place(1);

    TypeIntoFocus(dialogKey, Qt::ControlModifier);
    FindReplaceDialog& dialog = dialogKey == Qt::Key_F ? search.editor.commands->FindDialog()
                                                       : search.editor.commands->ReplaceDialog();
    ASSERT_TRUE(
        QTest::qWaitFor([&dialog] { return QGuiApplication::focusWindow() == dialog.windowHandle(); }));
    TypeIntoFocus("abc");
    TypeIntoFocus(Qt::Key_Return);
    TypeIntoFocus(Qt::Key_Return);
    EXPECT_EQ(search.editor.Text(), "abc x abc y abc");
    EXPECT_EQ(search.SelectionStart(), 12);
    EXPECT_EQ(search.editor.Selected(), "abc");
    EXPECT_EQ(QApplication::focusWidget(), dialog.findChild<QLineEdit*>("FindText"));
    EXPECT_GT(PixelsIn(edit, 12, 15, shownSelection), 0) << "the match is drawn selected";

    TypeIntoFocus(Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(edit.palette().color(QPalette::Inactive, QPalette::Highlight), palette.color(QPalette::Base))
        << "a closed dialog gives the text its own look back";
  }
}

TEST(EditCommandsReplace, ReplaceAllReplacesEveryMatchAndEndsWithNoMatchFound) {
  Search search("a-b-a-b");
  search.Replace("a", "xy");
  search.editor.commands->Replace();
  EXPECT_EQ(search.editor.commands->ReplaceDialog().windowTitle(), "Replace");
  search.editor.commands->ReplaceDialog().findChild<QPushButton*>("ReplaceAllknop")->click();
  EXPECT_EQ(search.editor.Text(), "xy-b-xy-b");
  EXPECT_EQ(search.dialogs.messages, QStringList({"info: No match found"}));
}

// ---- Text commands ---------------------------------------------------------------------

TEST(EditCommandsText, RevertCaseFlipsALetterOrTheSelectionInOneStep) {
  Editor editor("a1b Hello");
  editor.Place(0);
  editor.Key(Qt::Key_U, Qt::ControlModifier);
  EXPECT_EQ(editor.Text(), "A1b Hello");
  EXPECT_EQ(Caret(&editor.edit), 1);
  editor.Key(Qt::Key_U, Qt::ControlModifier);
  EXPECT_EQ(editor.Text(), "A1b Hello");
  EXPECT_EQ(Caret(&editor.edit), 2);

  editor.Place(4, 5);
  editor.commands->RevertCase();
  EXPECT_EQ(editor.Text(), "A1b hELLO");
  EXPECT_EQ(editor.Selected(), "hELLO");
  editor.commands->Undo();
  EXPECT_EQ(editor.Text(), "A1b Hello");
}

TEST(EditCommandsText, MatchBracketKeysJumpBetweenTheOutermostParentheses) {
  const struct {
    int key, from, to;
  } cases[] = {{Qt::Key_B, 1, 7},
               {Qt::Key_B, 7, 1},
               {Qt::Key_BracketLeft, 1, 7},
               {Qt::Key_BracketRight, 7, 1},
               {Qt::Key_B, 0, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "key " << c.key << " from " << c.from);
    Editor editor("f(a(b)c)");
    editor.Place(c.from);
    editor.Key(c.key, Qt::ControlModifier);
    EXPECT_EQ(Caret(&editor.edit), c.to) << "key " << c.key << " from " << c.from;
    EXPECT_EQ(editor.Text(), "f(a(b)c)");
  }
}

TEST(EditCommandsText, IndentAndUnindentTheSelectedLinesOnly) {
  Editor editor("one\ntwo\nthree\nfour");
  editor.Place(0, 14);  // up to and including the third line break
  editor.Key(Qt::Key_I, Qt::ControlModifier);
  EXPECT_EQ(editor.Text(), " one\n two\n three\nfour");
  EXPECT_EQ(editor.Selected().size(), 17);

  Editor tabs("  one\n\ttwo\n three");
  tabs.Place(0, 17);
  tabs.Key(Qt::Key_J, Qt::ControlModifier);
  EXPECT_EQ(tabs.Text(), " one\n\ttwo\nthree");  // one space off, tabs stay

  tabs.Place(1);
  tabs.commands->IndentSelection();
  tabs.commands->UnindentSelection();
  EXPECT_EQ(tabs.Text(), " one\n\ttwo\nthree");  // nothing without a selection
}

TEST(EditCommandsText, AutoIndentCopiesTheLeadingSpacesAndTabs) {
  Editor editor("\t  abc");
  editor.Place(6);
  editor.Type("\nx");
  EXPECT_EQ(editor.Text(), "\t  abc\nx");
  editor.commands->SetAutoIndent(true);
  editor.Place(6);
  editor.Type("\ny");
  EXPECT_EQ(editor.Text(), "\t  abc\n\t  y\nx");
}

TEST(EditCommandsText, SwitchingTabsToSpacesOnConvertsTheTextAndOffLeavesIt) {
  Editor editor("a\tb\n\tc");
  editor.commands->SetTabNumber(4);
  editor.Place(6);
  editor.commands->SetTabsToSpaces(true);
  EXPECT_EQ(editor.Text(), "a   b\n    c");
  EXPECT_EQ(Caret(&editor.edit), 6 + 2 + 3);
  editor.Place(static_cast<int>(editor.Text().size()));
  editor.Type("\t");  // to the next stop
  EXPECT_EQ(editor.Text(), "a   b\n    c   ");
  editor.commands->SetTabsToSpaces(false);
  editor.Type("\t");
  EXPECT_EQ(editor.Text(), "a   b\n    c   \t");
}

TEST(EditCommandsText, InsertTogglesOverwriteTyping) {
  Editor editor("abcd");
  QStringList indicator;
  QObject::connect(editor.commands, &EditCommands::insertModeChanged,
                   [&indicator](const QString& text) { indicator << text; });
  editor.Place(1);
  editor.Key(Qt::Key_Insert);
  EXPECT_EQ(editor.commands->InsertIndicator(), "OVR");
  editor.Type("XY");
  EXPECT_EQ(editor.Text(), "aXYd");
  editor.Key(Qt::Key_Insert);
  editor.Type("Z");
  EXPECT_EQ(editor.Text(), "aXYZd");
  EXPECT_EQ(indicator, QStringList({"OVR", " INS"}));
}

TEST(EditCommandsText, AReadOnlyTextIsNotChanged) {
  Editor editor("Abc\tdef");
  editor.edit.setReadOnly(true);
  editor.Place(0, 7);
  editor.commands->RevertCase();
  editor.commands->IndentSelection();
  editor.commands->Delete();
  editor.commands->SetTabsToSpaces(true);
  EXPECT_EQ(editor.Text(), "Abc\tdef");
}

// ---- Keys and options --------------------------------------------------------------------

// A release whose press went elsewhere changes nothing: auto indent, tab
// translation and the insert mode follow the key press alone.
TEST(EditCommandsKeys, AKeyReleaseWithoutItsPressChangesNothing) {
  // clang-format off
  const struct {
    int key;
    QString text;
  } cases[] = {
      {Qt::Key_Return, "\r"},
      {Qt::Key_Enter, "\r"},
      {Qt::Key_Tab, "\t"},
      {Qt::Key_Insert, ""},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "key " << c.key);
    Editor editor("  abc\ndef");
    editor.commands->SetAutoIndent(true);
    editor.commands->SetTabsToSpaces(true);
    editor.Place(6);
    editor.edit.textCursor().insertText("\t");  // a tab that came with a paste
    editor.Place(7);
    QKeyEvent release(QEvent::KeyRelease, c.key, Qt::NoModifier, c.text);
    QApplication::sendEvent(&editor.edit, &release);
    EXPECT_EQ(editor.Text(), "  abc\n\tdef") << c.key;
    EXPECT_EQ(Caret(&editor.edit), 7) << c.key;
    EXPECT_EQ(editor.commands->InsertIndicator(), " INS") << c.key;
  }
}

// Enter closes a message box with its press; its release then reaches the
// text, which must stay as it is.
TEST(EditCommandsKeys, EnterThatClosesAMessageBoxLeavesTheTextAlone) {
  Editor editor("  abc\ndef");
  editor.commands->SetAutoIndent(true);
  editor.edit.show();
  ASSERT_TRUE(Activate(editor.edit));
  editor.edit.setFocus();
  editor.Place(6);
  QMessageBox box(QMessageBox::Information, "TAV2", "Program loaded", QMessageBox::Ok, &editor.edit);
  box.setDefaultButton(QMessageBox::Ok);
  box.open();
  ASSERT_TRUE(Activate(box));
  QTest::keyPress(QGuiApplication::focusWindow(), Qt::Key_Return);
  ASSERT_FALSE(box.isVisible());
  ASSERT_TRUE(Activate(editor.edit));
  QTest::keyRelease(QGuiApplication::focusWindow(), Qt::Key_Return);
  EXPECT_EQ(editor.Text(), "  abc\ndef");
  EXPECT_EQ(Caret(&editor.edit), 6);

  editor.Place(5);
  TypeIntoFocus(Qt::Key_Return);
  EXPECT_EQ(editor.Text(), "  abc\n  \ndef") << "a whole key stroke indents once";
}

TEST(EditCommandsKeys, CommandKeysOverrideWindowShortcuts) {
  Editor editor;
  for (const auto& [key, overridden] : {std::pair{Qt::Key_U, true}, std::pair{Qt::Key_S, false}}) {
    QKeyEvent override(QEvent::ShortcutOverride, key, Qt::ControlModifier);
    override.ignore();
    QApplication::sendEvent(&editor.edit, &override);
    EXPECT_EQ(override.isAccepted(), overridden) << key;
  }
}

}  // namespace
}  // namespace tav2
