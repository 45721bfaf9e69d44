#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "workbenchtest.h"

namespace tav2 {
namespace {

// What the workbench reads as a source: only regular files of at most
// 16 MB. A directory, a FIFO or a device is refused without being opened (a
// FIFO nobody writes to would make the workbench wait for ever).
class SourceFiles : public test::WorkbenchTest {
 protected:
  // A start-up directory other than the home directory, which it stays as
  // long as it holds an options file.
  static void StartIn(const QTemporaryDir& startDir) {
    QFile options(QDir(startDir.path()).filePath("options.~ds"));
    ASSERT_TRUE(options.open(QIODevice::WriteOnly));
    options.write("//environment options\n");
    options.close();
    QDir::setCurrent(startDir.path());
  }
  QString Fifo(const QString& name) const {
    const QString path = HomePath(name);
    EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    return path;
  }
  QString Folder(const QString& name) const {
    EXPECT_TRUE(QDir(Home()).mkpath(name));
    return HomePath(name);
  }
  QString Large(const QString& name) const {
    const QString path = Write(name, "");
    QFile(path).resize(17 * 1024 * 1024);
    return path;
  }
};

TEST_F(SourceFiles, StartUpTakesADirectoryNamedLikeTheMicrocodeForAMissingFile) {
  QTemporaryDir startDir;
  ASSERT_TRUE(QDir(startDir.path()).mkdir(MainWindow::kStartupMicrocode));
  StartIn(startDir);
  MainWindow& mainWindow = Start();
  ASSERT_EQ(QDir::currentPath(), QDir(startDir.path()).canonicalPath());
  EXPECT_TRUE(mainWindow.isVisible());
  EXPECT_EQ(mainWindow.Hardware().mcrom.Entry(1).Name(), "ADD") << "the home directory's file instead";
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(SourceFiles, StartUpWithOnlyDirectoriesNamedLikeTheMicrocodeReportsTheBuild) {
  QTemporaryDir startDir;
  ASSERT_TRUE(QDir(startDir.path()).mkdir(MainWindow::kStartupMicrocode));
  ASSERT_TRUE(QFile::remove(HomePath(MainWindow::kStartupMicrocode)));
  Folder(MainWindow::kStartupMicrocode);
  StartIn(startDir);
  MainWindow& mainWindow = Start();
  ASSERT_EQ(QDir::currentPath(), QDir(startDir.path()).canonicalPath());
  EXPECT_TRUE(mainWindow.isVisible());
  EXPECT_EQ(dialogs.messages, QStringList{"error: Errors in projectfile"});
  EXPECT_EQ(mainWindow.Hardware().mcrom.Entry(1).Name(), "");
}

TEST_F(SourceFiles, OpenRefusesWhatIsNoRegularFileOfAtMostSixteenMegabytes) {
  MainWindow& mainWindow = Start();
  const QString fifo = Fifo("pipe.asm");
  const QString folder = Folder("folder.asm");
  const QString large = Large("large.asm");
  const std::pair<QString, QString> cases[] = {
      {fifo, "error: can't open file: " + fifo},
      {folder, "error: can't open file: " + folder},
      {"/dev/zero", "error: can't open file: /dev/zero"},
      {large, "error: can't open file: " + large + " (17825792 bytes, more than 16 MB)"},
  };
  for (const auto& [name, message] : cases) {
    dialogs.messages.clear();
    dialogs.fileNames = {name};
    Item("OpenFile")->trigger();
    EXPECT_EQ(dialogs.messages, QStringList{message});
    EXPECT_TRUE(mainWindow.Editors().Windows().empty()) << name.toStdString();
  }
}

TEST_F(SourceFiles, InsertFileRefusesAFifo) {
  Start();
  EditorWindow* editor = Open("a.txt", "AB");
  dialogs.fileNames = {Fifo("pipe.txt")};
  EditorItem(editor, "Insertfile")->trigger();
  EXPECT_EQ(dialogs.messages, QStringList{"error: File not found"});
  EXPECT_EQ(editor->Text()->toPlainText(), "AB");
}

// In either language an include that names a directory is a file not found,
// listed at the line of the #include, which is marked in the source.
TEST_F(SourceFiles, MakeWithAnIncludedDirectoryListsItAtTheInclude) {
  Start();
  const QString folder = Folder("sources/folder.inc");
  const struct {
    EditKind kind;
    QString text;
    QString fileName;
  } cases[] = {
      {EditKind::AssemblerSource, "##\nbegin ADD R1, 5\n#include \"folder.inc\"\n HALT\n##\n", "noname1.asm"},
      {EditKind::MicrocodeSource, "##\n#NOP; 0x60\n#include \"folder.inc\"\n#STOP; 0x6F\n##\n",
       "noname2.mca"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fileName.toStdString());
    EditorWindow* editor = NewEditor(c.kind, c.text);
    ClickControl(editor, "Makeknop");
    EXPECT_EQ(Control<QPlainTextEdit>(editor, "Memo1")->toPlainText(),
              c.fileName + ": line 3: \tFile " + folder + " not found\n");
    EXPECT_EQ(RedLine(editor), "#include \"folder.inc\"");
  }
}

}  // namespace
}  // namespace tav2
