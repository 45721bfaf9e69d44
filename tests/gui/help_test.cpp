#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <QUrl>

#include "gui/editor/teditform.h"
#include "gui/shell/thelpform.h"
#include "workbenchtest.h"

namespace tav2 {
namespace {

class Help : public test::WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    helpFile_ = Write(TMainform::kHelpFile,
                      "<html><body><h1>Contents</h1><p>...</p>"
                      "<h2 id=\"registers\">Registers</h2><p>R1, R2, SP</p></body></html>");
  }

  THelpform* HelpWindow() { return Main().findChild<THelpform*>("THelpform"); }
  QUrl Shown() { return HelpWindow()->HelpBrowser()->source(); }

  // An editor holding `text` with the caret at `caret`, focused.
  TEditform* EditorWithCaret(const QString& text, int caret) {
    TEditform* editor = Main().NewSourceFile(EditKind::AssemblerSource);
    Type(editor, text);
    QTextCursor cursor = editor->RichEdit1()->textCursor();
    cursor.setPosition(caret);
    editor->RichEdit1()->setTextCursor(cursor);
    editor->RichEdit1()->setFocus();
    return editor;
  }

  QString helpFile_;
};

TEST_F(Help, TopicSearchShowsTheContents) {
  Start();
  Item("TopicSearch1")->trigger();
  ASSERT_NE(HelpWindow(), nullptr);
  EXPECT_TRUE(HelpWindow()->isVisible());
  EXPECT_EQ(Shown(), QUrl::fromLocalFile(helpFile_));
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(Help, ContextHelpShowsTheTopicOfTheWordAtTheCaret) {
  Start();
  EditorWithCaret("MOVE SP, 1", 7);
  Item("ContextHelp1")->trigger();
  EXPECT_EQ(Shown().fragment(), "registers");
  EXPECT_TRUE(HelpWindow()->findChild<QLabel*>("Helpnotice")->isHidden());
}

TEST_F(Help, ContextHelpForAWordWithoutTopicShowsTheContentsAndSaysSo) {
  Start();
  EditorWithCaret("xyzzy", 2);
  Item("ContextHelp1")->trigger();
  EXPECT_EQ(Shown(), QUrl::fromLocalFile(helpFile_));
  const auto* notice = HelpWindow()->findChild<QLabel*>("Helpnotice");
  EXPECT_FALSE(notice->isHidden());
  EXPECT_EQ(notice->text(), "No help topic for \"xyzzy\": the contents are shown.");
}

TEST_F(Help, ContextHelpWithoutFocusedEditorShowsTheContents) {
  Start();
  EditorWithCaret("SP", 1)->RichEdit1()->clearFocus();
  Item("ContextHelp1")->trigger();
  EXPECT_EQ(Shown(), QUrl::fromLocalFile(helpFile_));
  EXPECT_TRUE(HelpWindow()->findChild<QLabel*>("Helpnotice")->isHidden());
}

}  // namespace
}  // namespace tav2
