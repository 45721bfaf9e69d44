// What a student finds in an editor beside the text: line numbers,
// breakpoints set by a click or F9, redo, the current-line mark in the
// loaded program's editor and the messages of a typo.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>

#include "gui/editor/editcommands.h"
#include "gui/editor/linenumbergutter.h"
#include "gui/sim/processorwindow.h"
#include "guitest.h"
#include "workbenchtest.h"

namespace tav2 {
namespace {

class EditorGutter : public test::WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    Start();
  }
  EditorWindow* Source(const QString& text) { return NewEditor(EditKind::AssemblerSource, text); }
  static LineNumberGutter& Gutter(const EditorWindow* editor) { return *editor->Gutter(); }
  // A click on the gutter beside line `line` (from 0).
  static void ClickLine(const EditorWindow* editor, int line) {
    const std::optional<int> top = Gutter(editor).LineTop(line);
    ASSERT_TRUE(top) << "line " << line << " is in view";
    QTest::mouseClick(&Gutter(editor), Qt::LeftButton, {}, QPoint(Gutter(editor).width() / 2, *top + 3));
  }
  // Pixels drawn in a colour far from the gutter's background on the band
  // of a line, right of the dot.
  static int InkOn(const EditorWindow* editor, int line) {
    const QImage image = Gutter(editor).grab().toImage();
    const QColor background(image.pixel(1, 1));
    const int top = *Gutter(editor).LineTop(line);
    int ink = 0;
    for (int y = top; y < top + Gutter(editor).fontMetrics().height() && y < image.height(); ++y) {
      for (int x = image.width() / 2; x < image.width(); ++x) {
        if (QColor(image.pixel(x, y)).lightness() < background.lightness() - 80) ++ink;
      }
    }
    return ink;
  }
  static int RedPixelsOn(const EditorWindow* editor, int line) {
    const QImage image = Gutter(editor).grab().toImage();
    const int top = *Gutter(editor).LineTop(line);
    int red = 0;
    for (int y = top; y < top + editor->Text()->fontMetrics().lineSpacing(); ++y) {
      for (int x = 0; x < LineNumberGutter::kMargin * 2 + editor->Text()->fontMetrics().ascent(); ++x) {
        const QColor pixel(image.pixel(x, y));
        if (pixel.red() > 200 && pixel.green() < 60 && pixel.blue() < 60) ++red;
      }
    }
    return red;
  }
  static QString Line(const EditorWindow* editor, int line) {
    return editor->Text()->document()->findBlockByNumber(line).text();
  }
};

TEST_F(EditorGutter, LineNumbersStandBesideEveryLineOfSourcesAndTexts) {
  EditorWindow* source = Source("##\nbegin NOP\n HALT\n##");
  EXPECT_TRUE(Gutter(source).isVisible());
  for (int line = 0; line < 4; ++line) EXPECT_GT(InkOn(source, line), 0) << "number of line " << line + 1;
  EditorWindow* text = NewEditor(EditKind::TextFile, "one\ntwo");
  EXPECT_TRUE(Gutter(text).isVisible());
  EXPECT_EQ(Gutter(text).geometry().right() + 1, text->Text()->geometry().left())
      << "the gutter stands left of the text";
}

TEST_F(EditorGutter, TheGutterFollowsTheFontAndTheNumberOfLines) {
  EditorWindow* text = NewEditor(EditKind::TextFile, "one");
  const int narrow = Gutter(text).width();
  QString many;
  for (int line = 0; line < 1200; ++line) many += "x\n";
  Type(text, many);
  const int wider = Gutter(text).width();
  EXPECT_GT(wider, narrow) << "four digits need more room than three";
  QFont big = text->Text()->font();
  big.setPointSize(big.pointSize() * 2);
  text->Text()->setFont(big);
  EXPECT_GT(Gutter(text).width(), wider);
}

TEST_F(EditorGutter, AnOptionHidesTheNumbersAndAListingHasNone) {
  EditorWindow* source = Source("##\nbegin HALT\n##");
  source->Commands().SetLineNumbers(false);
  EXPECT_FALSE(Gutter(source).isVisible());
  source->Commands().SetLineNumbers(true);
  EXPECT_TRUE(Gutter(source).isVisible());
  EditorWindow* listing = NewEditor(EditKind::AssemblerListing);
  EXPECT_FALSE(Gutter(listing).isVisible());
}

// The mark a student would type: '#' at the line start, with its red dot.
TEST_F(EditorGutter, AClickSetsAndClearsTheBreakpointMarkOfTheLine) {
  EditorWindow* source = Source("##\nbegin NOP\n NOP\n HALT\n##");
  EXPECT_EQ(RedPixelsOn(source, 2), 0);
  ClickLine(source, 2);
  EXPECT_EQ(Line(source, 2), "# NOP");
  EXPECT_TRUE(source->IsModified());
  EXPECT_GT(RedPixelsOn(source, 2), 0);
  EXPECT_EQ(RedPixelsOn(source, 1), 0);
  ClickLine(source, 0);
  EXPECT_EQ(Line(source, 0), "##") << "the end mark takes no breakpoint";
  ClickLine(source, 2);
  EXPECT_EQ(Line(source, 2), " NOP");
  EXPECT_EQ(RedPixelsOn(source, 2), 0);
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('|').toStdString();
}

TEST_F(EditorGutter, TextEditorsTakeNoBreakpoints) {
  EditorWindow* text = NewEditor(EditKind::TextFile, "one\ntwo");
  ClickLine(text, 1);
  EXPECT_EQ(Line(text, 1), "two");
}

// Set while the program is loaded, the breakpoint holds at once: Go stops there.
TEST_F(EditorGutter, ABreakpointClickedIntoALoadedProgramStopsGo) {
  EditorWindow* source = Source("##\nbegin NOP\n NOP\n NOP\n HALT\n##");
  ClickControl(source, "Loadknop");
  Button("TAV2knop")->click();
  ProcessorWindow* processor = Main().FindProcessorWindow();
  ASSERT_NE(processor, nullptr);
  ClickLine(source, 3);
  EXPECT_EQ(Line(source, 3), "# NOP");
  EXPECT_TRUE(Main().Hardware().breakpoints.Contains(2));
  Button("TAV_reset")->click();
  Button("TAV_go")->click();
  ASSERT_TRUE(test::WaitForGoEnd(*processor));
  EXPECT_FALSE(Main().Hardware().halted);
  EXPECT_EQ(processor->Pc(), 2);
  EXPECT_EQ(RedLine(source), "# NOP");
  EXPECT_EQ(dialogs.messages, QStringList{"info: Program loaded"});
}

TEST_F(EditorGutter, F9TogglesTheBreakpointOfTheCaretLine) {
  EditorWindow* source = Source("##\nbegin NOP\n HALT\n##");
  QTextCursor cursor(source->Text()->document()->findBlockByNumber(2));
  cursor.movePosition(QTextCursor::EndOfBlock);
  source->Text()->setTextCursor(cursor);
  QApplication::setActiveWindow(&Main());
  source->Text()->setFocus();
  QTest::keyClick(source->Text(), Qt::Key_F9);
  EXPECT_EQ(Line(source, 2), "# HALT");
  EXPECT_EQ(source->Text()->textCursor().positionInBlock(), 6) << "the caret stays at its character";
  QTest::keyClick(source->Text(), Qt::Key_F9);
  EXPECT_EQ(Line(source, 2), " HALT");
}

TEST_F(EditorGutter, RedoTakesTheUndoneStepsAgainByKeyMenuAndPopup) {
  EditorWindow* editor = NewEditor(EditKind::TextFile);
  QApplication::setActiveWindow(&Main());
  editor->Text()->setFocus();
  QTest::keyClicks(editor->Text(), "one");
  QTest::keyClick(editor->Text(), Qt::Key_Backspace);
  QTest::keyClick(editor->Text(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(editor->Text()->toPlainText(), "one");
  QTest::keyClick(editor->Text(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(editor->Text()->toPlainText(), "on");
  QTest::keyClick(editor->Text(), Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(editor->Text(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(editor->Text()->toPlainText(), "on");
  EditorItem(editor, "Undo")->trigger();
  EditorItem(editor, "Redo1")->trigger();
  EXPECT_EQ(editor->Text()->toPlainText(), "on");
  EditorItem(editor, "Undo")->trigger();
  QAction* popupRedo = EditorItem(editor, "menu_Redo");
  ASSERT_NE(popupRedo, nullptr);
  EXPECT_TRUE(editor->PopupMenu()->actions().contains(popupRedo));
  popupRedo->trigger();
  EXPECT_EQ(editor->Text()->toPlainText(), "on");
  EXPECT_EQ(EditorItem(editor, "Redo1")->shortcuts(),
            QList<QKeySequence>({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
}

TEST_F(EditorGutter, UndoingBackToTheSavedTextClearsTheModifiedState) {
  EditorWindow* editor = Open("notes.txt", "saved");
  EXPECT_FALSE(editor->IsModified());
  QApplication::setActiveWindow(&Main());
  editor->Text()->setFocus();
  editor->Text()->moveCursor(QTextCursor::End);
  QTest::keyClicks(editor->Text(), " more");
  EXPECT_TRUE(editor->IsModified());
  editor->Commands().Undo();
  EXPECT_EQ(editor->Text()->toPlainText(), "saved");
  EXPECT_FALSE(editor->IsModified());
  EditorItem(editor, "Close1")->trigger();
  EXPECT_TRUE(dialogs.messages.isEmpty()) << "no question: " << dialogs.messages.join('|').toStdString();
}

TEST_F(EditorGutter, RedoAwayFromTheSavedTextIsAChangeAgain) {
  EditorWindow* editor = Open("notes.txt", "saved");
  editor->Text()->setFocus();
  editor->Text()->moveCursor(QTextCursor::End);
  QTest::keyClicks(editor->Text(), "!");
  editor->Commands().Undo();
  EXPECT_FALSE(editor->IsModified());
  editor->Commands().Redo();
  EXPECT_EQ(editor->Text()->toPlainText(), "saved!");
  EXPECT_TRUE(editor->IsModified());
}

// After loading echo.asm and opening primes.asm, a step marks echo.asm.
TEST_F(EditorGutter, TheCurrentLineMarkGoesToTheLoadedProgramsEditor) {
  EditorWindow* loaded = Open("echo.asm", "##\nbegin NOP\n NOP\n HALT\n##");
  EditorWindow* other = Open("primes.asm", "##\nbegin HALT\n##");
  other->ShowSourceLine(6);
  ClickControl(loaded, "Loadknop");
  EXPECT_EQ(RedLine(other), "") << "loading clears the marks in other editors";
  EditorWindow* shownLast = Open("sum.asm", "##\nbegin HALT\n##");
  EXPECT_EQ(Main().ProjectEditor(), shownLast);
  Button("TAV2knop")->click();
  Button("TAV_instruction")->click();
  EXPECT_EQ(RedLine(loaded), " NOP");
  EXPECT_EQ(RedLine(shownLast), "");
  EXPECT_EQ(Main().FindLoadedEditor(), loaded);
}

TEST_F(EditorGutter, AMisspeltMnemonicIsNamedInTheErrorList) {
  EditorWindow* source = Source("##\nbegin MOVE R1, 1\n DEX R2\n HALT\n##");
  ClickControl(source, "Makeknop");
  EXPECT_EQ(Control<QPlainTextEdit>(source, "Memo1")->toPlainText(),
            "noname1.asm: line 3: \tunknown instruction \"DEX\"\n");
  EXPECT_EQ(RedLine(source), " DEX R2");
}

}  // namespace
}  // namespace tav2
