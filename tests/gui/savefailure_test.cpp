// Every file the workbench writes is replaced whole or left as it was: a
// write that fails on the way (a full disk, a failing device) is reported
// with its reason, the editor stays modified and the old file keeps every
// byte.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>
#include <cerrno>

#include "guitest.h"
#include "workbenchtest.h"
#include "support/writefault.h"

namespace tav2 {
namespace {

using Step = AtomicFileWriter::Step;

class SaveFailure : public test::WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    Start();
  }
  QString CannotSave(const QString& name, const QString& reason = "No space left on device") const {
    return "error: Cannot save file \"" + HomePath(name) + "\". " + reason;
  }
  // What the home directory holds besides the workbench's own files: no
  // temporary may be left there.
  QStringList UserFiles() const {
    QStringList names = QDir(Home()).entryList(QDir::Files | QDir::Hidden);
    names.removeAll(MainWindow::kStartupMicrocode);
    names.removeAll(MainWindow::kNewMicrocode);
    return names;
  }
};

TEST_F(SaveFailure, CtrlSOnAFullDiskKeepsTheFileAndTheEditorModified) {
  const QString file = Write("prog.asm", "old\r\n");
  EditorWindow* editor = Main().OpenSourceFile(file);
  Type(editor, "new");
  QApplication::setActiveWindow(&Main());
  test::WriteFault fault(Step::Flush, ENOSPC);
  QTest::keyClick(editor->Text(), Qt::Key_S, Qt::ControlModifier);
  ASSERT_EQ(fault.Failures(), 1) << "Ctrl+S saved";
  EXPECT_EQ(dialogs.messages, QStringList{CannotSave("prog.asm")});
  EXPECT_EQ(Read(file), "old\r\n");
  EXPECT_TRUE(editor->IsModified());
  EXPECT_EQ(UserFiles(), QStringList{"prog.asm"});
  dialogs.messages.clear();
  EditorItem(editor, "Close1")->trigger();
  EXPECT_EQ(dialogs.messages, QStringList{"ask: File TAV Assembler file: prog.asm has changed, Save?"});
}

// Whichever step fails, the same: the file as it was, the editor modified.
TEST_F(SaveFailure, EveryFailingStepOfASaveKeepsTheOldFile) {
  const QString file = Write("prog.asm", "old\r\n");
  EditorWindow* editor = Main().OpenSourceFile(file);
  Type(editor, "new");
  for (const Step step : {Step::Create, Step::Write, Step::Flush, Step::Sync, Step::Close, Step::Rename}) {
    dialogs.messages.clear();
    test::WriteFault fault(step, EIO);
    EditorItem(editor, "Save1")->trigger();
    EXPECT_EQ(dialogs.messages, QStringList{CannotSave("prog.asm", "Input/output error")});
    EXPECT_EQ(Read(file), "old\r\n");
    EXPECT_TRUE(editor->IsModified());
  }
  EXPECT_EQ(UserFiles(), QStringList{"prog.asm"});
}

TEST_F(SaveFailure, SaveAsKeepsTheOldNameAndTheChosenFile) {
  EditorWindow* editor = Open("start.txt", "body");
  Type(editor, "changed");
  const QString taken = Write("taken.txt", "keep");
  dialogs.fileNames = {taken};
  dialogs.answers = {Dialogs::Answer::Yes};
  test::WriteFault fault(Step::Write, ENOSPC);
  EditorItem(editor, "Saveas1")->trigger();
  EXPECT_EQ(dialogs.messages,
            QStringList({"ask: Overwrite existing file " + taken + "?", CannotSave("taken.txt")}));
  EXPECT_EQ(Read(taken), "keep");
  EXPECT_EQ(editor->FileName(), HomePath("start.txt"));
  EXPECT_TRUE(editor->IsModified());
}

TEST_F(SaveFailure, SaveAllSavesWhatItCanAndReportsTheRest) {
  EditorWindow* first = Open("a.txt", "A");
  EditorWindow* second = Open("b.txt", "B");
  Type(first, "A2");
  Type(second, "B2");
  test::WriteFault fault(Step::Rename, ENOSPC, "b.txt");
  test::Click(Button("SpeedButton4"));
  EXPECT_EQ(dialogs.messages, QStringList{CannotSave("b.txt")});
  EXPECT_EQ(Read(HomePath("a.txt")), "A2\r\n");
  EXPECT_EQ(Read(HomePath("b.txt")), "B");
  EXPECT_FALSE(first->IsModified());
  EXPECT_TRUE(second->IsModified());
}

// A backup that cannot be made stops the save: the file, the older backup
// and the editor's modified flag all stay as they were.
TEST_F(SaveFailure, AFailedBackupLosesNothing) {
  Main().Settings().environment.createBakFiles = true;
  Write("prog.bak", "older");
  const QString file = Write("prog.asm", "first\r\n");
  EditorWindow* editor = Main().OpenSourceFile(file);
  Type(editor, "second");
  test::WriteFault fault(Step::Flush, ENOSPC, ".bak");
  editor->SaveFile();
  EXPECT_EQ(dialogs.messages, QStringList{CannotSave("prog.bak")});
  EXPECT_EQ(Read(HomePath("prog.bak")), "older");
  EXPECT_EQ(Read(file), "first\r\n");
  EXPECT_TRUE(editor->IsModified());
}

TEST_F(SaveFailure, SelectionToFileLeavesTheChosenFileAsItWas) {
  EditorWindow* editor = Open("a.txt", "a\nb\nc");
  test::PlaceCaret(editor->Text(), 2, 3);
  const QString block = Write("block.txt", "old block");
  dialogs.fileNames = {block};
  test::WriteFault fault(Step::Close, EDQUOT);
  EditorItem(editor, "Writeblock")->trigger();
  EXPECT_EQ(dialogs.messages, QStringList{CannotSave("block.txt", "Disk quota exceeded")});
  EXPECT_EQ(Read(block), "old block");
}

// The listing is written before the build reports; a listing that cannot
// be written is reported instead of "Program assembled", and the listing
// editor keeps what it showed.
TEST_F(SaveFailure, AListingThatCannotBeWrittenIsReported) {
  const QString listingFile = HomePath(MainWindow::kListingFile);
  Write(MainWindow::kListingFile, "0000\t6000\t\told\r\n");
  EditorWindow* listing = Main().OpenSourceFile(listingFile);
  EditorWindow* source = Open("prog.asm", "begin NOP\nHALT\n");
  {
    test::WriteFault fault(Step::Flush, ENOSPC, ".~zj");
    ClickControl(source, "Makeknop");
  }
  EXPECT_EQ(dialogs.messages, QStringList{CannotSave(MainWindow::kListingFile)});
  EXPECT_EQ(Read(listingFile), "0000\t6000\t\told\r\n");
  EXPECT_EQ(listing->Text()->toPlainText(), "0000\t6000\t\told");

  dialogs.messages.clear();
  QFile::remove(listingFile);
  QDir(Home()).mkdir(MainWindow::kListingFile);
  ClickControl(source, "Makeknop");
  EXPECT_EQ(dialogs.messages, QStringList{CannotSave(MainWindow::kListingFile, "Is a directory")});
}

TEST_F(SaveFailure, SettingsFilesKeepTheirOldTextAndTheReasonIsShown) {
  Write("options.~ds", "//environment options\n");
  {
    test::WriteFault fault(Step::Write, ENOSPC, "options.~ds");
    Item("Saveoptions")->trigger();
  }
  EXPECT_EQ(dialogs.messages, QStringList{"error: Cannot write file 'options.~ds'. No space left on device"});
  EXPECT_EQ(Read(HomePath("options.~ds")), "//environment options\n");

  dialogs.messages.clear();
  Write("filenams.~zp", "old.asm\n");
  Open("closed.asm", "x")->close();
  test::WriteFault fault(Step::Sync, EIO, "filenams.~zp");
  EXPECT_TRUE(Main().close());
  EXPECT_EQ(dialogs.messages, QStringList{CannotSave("filenams.~zp", "Input/output error")});
  EXPECT_EQ(Read(HomePath("filenams.~zp")), "old.asm\n");
}

}  // namespace
}  // namespace tav2
