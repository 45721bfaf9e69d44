#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <QUrl>

#include "gui/shell/helpwindow.h"
#include "guitest.h"
#include "workbenchtest.h"

namespace tav2 {
namespace {

class Help : public test::WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    helpFile_ = Write(MainWindow::kHelpFile,
                      "<html><body><h1>Contents</h1><p>...</p>"
                      "<h2 id=\"registers\">Registers</h2><p>R1, R2, SP</p>"
                      "<h2 id=\"first-program\">A first program, step by step</h2></body></html>");
    Start();
  }

  HelpWindow* ShownHelpWindow() { return Main().findChild<HelpWindow*>("THelpform"); }
  QUrl Shown() { return ShownHelpWindow()->HelpBrowser()->source(); }
  QLabel* Notice() { return ShownHelpWindow()->findChild<QLabel*>("Helpnotice"); }

  // Context help asked in an editor holding `text` with the caret at `caret`.
  void ContextHelp(const QString& text, int caret, bool focused = true) {
    EditorWindow* editor = NewEditor(EditKind::AssemblerSource, text);
    test::PlaceCaret(editor->Text(), caret);
    if (focused) {
      editor->Text()->setFocus();
    } else {
      editor->Text()->clearFocus();
    }
    Item("ContextHelp1")->trigger();
  }

  QString helpFile_;
};

TEST_F(Help, TopicSearchShowsTheContents) {
  Item("TopicSearch1")->trigger();
  ASSERT_NE(ShownHelpWindow(), nullptr);
  EXPECT_TRUE(ShownHelpWindow()->isVisible());
  EXPECT_EQ(Shown(), QUrl::fromLocalFile(helpFile_));
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(Help, ContextHelpShowsTheTopicOfTheWordAtTheCaret) {
  ContextHelp("MOVE SP, 1", 7);
  EXPECT_EQ(Shown().fragment(), "registers");
  EXPECT_TRUE(Notice()->isHidden());
}

TEST_F(Help, ContextHelpForAWordWithoutTopicShowsTheContentsAndSaysSo) {
  ContextHelp("xyzzy", 2);
  EXPECT_EQ(Shown(), QUrl::fromLocalFile(helpFile_));
  EXPECT_FALSE(Notice()->isHidden());
  EXPECT_EQ(Notice()->text(), "No help topic for \"xyzzy\": the contents are shown.");
}

TEST_F(Help, ContextHelpWithoutFocusedEditorShowsTheContents) {
  ContextHelp("SP", 1, false);
  EXPECT_EQ(Shown(), QUrl::fromLocalFile(helpFile_));
  EXPECT_TRUE(Notice()->isHidden());
}

TEST_F(Help, GettingStartedShowsTheFirstProgram) {
  Item("Gettingstarted1")->trigger();
  ASSERT_NE(ShownHelpWindow(), nullptr);
  EXPECT_TRUE(ShownHelpWindow()->isVisible());
  EXPECT_EQ(Shown().fragment(), "first-program");
  EXPECT_EQ(Shown().adjusted(QUrl::RemoveFragment), QUrl::fromLocalFile(helpFile_));
}

TEST(ShippedManual, HasTheGettingStartedAnchor) {
  QFile file(QString(TAV2_SOURCE_DIR "/data/") + MainWindow::kHelpFile);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray manual = file.readAll();
  const QByteArray anchor = MainWindow::kGettingStartedAnchor;
  EXPECT_TRUE(manual.contains("name=\"" + anchor + "\"") || manual.contains("id=\"" + anchor + "\""));
}

TEST_F(Help, MissingHelpFileIsReported) {
  QFile::remove(helpFile_);
  Item("TopicSearch1")->trigger();
  EXPECT_EQ(dialogs.messages,
            QStringList{"error: Help file " + QDir::toNativeSeparators(helpFile_) + " not found"});
}

}  // namespace
}  // namespace tav2
