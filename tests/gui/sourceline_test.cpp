#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextBlock>

#include "guitest.h"
#include "gui/common/bgrcolour.h"
#include "gui/editor/editcommands.h"
#include "gui/editor/errorlist.h"
#include "gui/editor/sourcelinehighlight.h"

namespace tav2 {
namespace {

using test::PlaceCaret;

const QString kSource = "first line\nsecond line\nthird line";

// A text control with its commands and its red line, wired as an editor
// wires them: a typing key removes the red line.
struct Highlighted {
  explicit Highlighted(const QString& text = kSource) {
    edit.setPlainText(text);
    commands = new EditCommands(&edit, nullptr, runFlags);
    line = new SourceLineHighlight(&edit);
    QObject::connect(commands, &EditCommands::textKeyPressed, line, &SourceLineHighlight::ClearSourceLine);
    SourceLineHighlight::MarkTextCacheStale();
  }
  QString RedText() const {
    const QList<QTextEdit::ExtraSelection> selections = edit.extraSelections();
    if (selections.size() != 1) return {};
    EXPECT_EQ(selections[0].format.foreground().color(), ColourFromBgr(0x0000FF));
    return selections[0].cursor.selectedText();
  }

  UndoRunFlags runFlags;
  QPlainTextEdit edit;
  EditCommands* commands = nullptr;
  SourceLineHighlight* line = nullptr;
};

// A new line replaces the old one; the last runs to the text's end;
// position 0 only removes the old line.
TEST(SourceLineHighlight, ShowsTheLineThatHoldsThePositionInRed) {
  Highlighted editor;
  editor.line->ShowSourceLine(15);
  EXPECT_EQ(editor.RedText(), "second line");
  EXPECT_TRUE(editor.line->IsShown());
  EXPECT_EQ(editor.line->Start(), 11);
  EXPECT_EQ(editor.line->Length(), 11);
  EXPECT_EQ(test::Caret(&editor.edit), 15);
  editor.line->ShowSourceLine(30);
  EXPECT_EQ(editor.RedText(), "third line");
  editor.line->ShowSourceLine(0);
  EXPECT_FALSE(editor.line->IsShown());
  EXPECT_TRUE(editor.edit.extraSelections().isEmpty());
}

TEST(SourceLineHighlight, NeverChangesTextModifiedFlagOrUndoRing) {
  for (const bool modified : {false, true}) {
    Highlighted editor;
    editor.edit.document()->setModified(modified);
    const int slot = editor.commands->Ring().CurrentSlot();
    editor.line->ShowSourceLine(15);
    editor.line->ClearSourceLine();
    editor.line->ShowSourceLine(3);
    EXPECT_EQ(editor.edit.toPlainText(), kSource);
    EXPECT_EQ(editor.edit.document()->isModified(), modified);
    EXPECT_EQ(editor.commands->Ring().CurrentSlot(), slot);
    EXPECT_FALSE(editor.commands->Ring().ChangedSinceUndo());
    editor.commands->Undo();
    EXPECT_EQ(editor.edit.toPlainText(), kSource);
  }
}

TEST(SourceLineHighlight, ATypedKeyRemovesItAndAMovingKeyDoesNot) {
  Highlighted editor;
  editor.line->ShowSourceLine(15);
  test::PressKey(&editor.edit, Qt::Key_Down);
  EXPECT_TRUE(editor.line->IsShown());
  test::TypeText(&editor.edit, "x");
  EXPECT_FALSE(editor.line->IsShown());
}

TEST(SourceLineHighlight, LineEndsComeFromTheTextAsItWasWhenTheCacheWasTaken) {
  Highlighted editor;
  editor.line->ShowSourceLine(13);
  PlaceCaret(&editor.edit, 0);
  editor.edit.textCursor().insertText("new ");
  editor.line->ShowSourceLine(13);
  EXPECT_EQ(editor.line->Start(), 11);  // the built text's line
  SourceLineHighlight::MarkTextCacheStale();
  editor.line->ShowSourceLine(13);
  EXPECT_EQ(editor.line->Start(), 0);  // "new first line"
  EXPECT_FALSE(SourceLineHighlight::TextCacheStale());
}

BuildError ErrorAt(const char* message, int line, int position) {
  return BuildError{message, "prog.asm", line, 1, position};
}

struct ErrorPanel {
  ErrorPanel() {
    QObject::connect(&memo, &ErrorList::errorChosen, editor.line, &SourceLineHighlight::ShowSourceLine);
    memo.ShowErrors({ErrorAt("Unknown instruction", 1, 3), ErrorAt("Label expected", 3, 26),
                     ErrorAt("File not found", 0, 0)});
  }
  void ClickLine(int line) {
    PlaceCaret(&memo, memo.document()->findBlockByNumber(line - 1).position());
    memo.OnErrorListClicked();
  }

  Highlighted editor;
  ErrorList memo;
};

TEST(ErrorList, OneOliveLinePerErrorInTheListFormat) {
  ErrorPanel panel;
  EXPECT_EQ(panel.memo.objectName(), "Memo1");
  EXPECT_TRUE(panel.memo.isReadOnly());
  EXPECT_EQ(panel.memo.palette().color(QPalette::Text), ColourFromBgr(0x008080));
  EXPECT_EQ(panel.memo.toPlainText(),
            "prog.asm: line 1: \tUnknown instruction\nprog.asm: line 3: \tLabel expected\nprog.asm: \tFile "
            "not found\n");
  EXPECT_EQ(panel.memo.ErrorCount(), 3);
}

// Below the last error nothing changes.
TEST(ErrorList, ClickingTheSecondErrorHighlightsItsLine) {
  ErrorPanel panel;
  panel.ClickLine(2);
  EXPECT_EQ(panel.memo.textCursor().selectedText(), "prog.asm: line 3: \tLabel expected");
  EXPECT_EQ(panel.editor.RedText(), "third line");
  EXPECT_EQ(test::Caret(&panel.editor.edit), 26);
  panel.ClickLine(1);
  panel.ClickLine(4);
  EXPECT_EQ(panel.editor.RedText(), "first line");
}

TEST(ErrorList, AMouseClickChoosesTheLineUnderIt) {
  ErrorPanel panel;
  panel.memo.resize(400, 200);
  const QRect second = panel.memo.cursorRect(QTextCursor(panel.memo.document()->findBlockByNumber(1)));
  const QPointF inside(second.center().x() + 20, second.center().y());
  for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, inside, panel.memo.viewport()->mapToGlobal(inside), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(panel.memo.viewport(), &event);
  }
  EXPECT_EQ(panel.editor.RedText(), "third line");
}

}  // namespace
}  // namespace tav2
