#include <gtest/gtest.h>

#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>

#include "fakeeditorhost.h"
#include "gui/editor/editorwindow.h"

// An editor window on a host of its own: what it asks of the main window
// goes through the narrow host interface only.

namespace tav2 {
namespace {

class EditorOnItsOwn : public testing::Test {
 protected:
  void SetUp() override {
    host.mcParser.loadAfterBuild = true;
    ASSERT_TRUE(host.mcParser.ParseSourceFile(TAV2_HOME "/microdefs.~mc"));
    host.mcParser.loadAfterBuild = false;
    editor = new EditorWindow(host);
    editor->ApplyKind(EditKind::AssemblerSource);
    editor->SetUntitledName("noname1.asm");
    editor->show();
  }
  // Replaces the text as the user would, so that it counts as a change.
  void Write(const QString& text) {
    QTextCursor cursor = editor->Text()->textCursor();
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
  }
  void Click(const char* button) { editor->findChild<QToolButton*>(button)->click(); }
  QString RedLine() const {
    const QList<QTextEdit::ExtraSelection> lines = editor->Text()->extraSelections();
    return lines.isEmpty() ? QString() : lines.first().cursor.selectedText();
  }
  QString ErrorList() const { return editor->findChild<QPlainTextEdit*>("Memo1")->toPlainText(); }

  test::FakeEditorHost host;
  EditorWindow* editor = nullptr;
};

TEST_F(EditorOnItsOwn, MakeAsksTheHostToBuildWithItsTranslator) {
  EXPECT_EQ(editor->Translator(), &host.assembler);
  Write("##\nbegin MOVE R1, 1\nDEX R2\nHALT\n##\n");
  Click("Makeknop");
  EXPECT_EQ(host.log.count("build"), 1);
  EXPECT_FALSE(host.assembler.loadAfterBuild) << "Make does not load";
  EXPECT_TRUE(ErrorList().contains("line 3")) << ErrorList().toStdString();
}

TEST_F(EditorOnItsOwn, BuildsAreRefusedWhileTheHostsProcessorRuns) {
  host.running = true;
  Write("##\nbegin HALT\n##\n");
  Click("Makeknop");
  Click("Goknop");
  EXPECT_EQ(host.log.count("build"), 0);
  EXPECT_EQ(host.log.count(QString("warning: ") + EditorWindow::kResetFirst), 2);
  EXPECT_EQ(host.log.count("run"), 0);
}

TEST_F(EditorOnItsOwn, GoBuildsLoadsAndRunsThenBreakpointsShowTheProcessorsLine) {
  Write("##\nbegin MOVE R1, 1\nloop DEC R1\nBNE loop\nHALT\n##\n");
  Click("Goknop");
  EXPECT_EQ(host.log.filter("build").size(), 1);
  EXPECT_EQ(host.log.last(), "run") << ErrorList().toStdString();
  host.pc = host.machine->startAddress + 2;  // the DEC after the two-word MOVE
  Click("breakpointknop");
  EXPECT_EQ(RedLine(), "loop DEC R1");
}

TEST_F(EditorOnItsOwn, SavingAndClosingGoThroughTheHost) {
  QTemporaryDir dir;
  const QString file = dir.filePath("prog.asm");
  QFile(file).open(QIODevice::WriteOnly);
  ASSERT_TRUE(editor->LoadFile(file));
  Write("one\ntwo");
  host.answers = {Dialogs::Answer::Yes};
  EXPECT_TRUE(editor->MayClose());
  EXPECT_EQ(host.log.filter("ask: ").size(), 1);
  EXPECT_EQ(host.files.value(editor->FileName()), "one\r\ntwo\r\n");
}

}  // namespace
}  // namespace tav2
