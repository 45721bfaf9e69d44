// The workbench installed in a prefix: the program in bin/, its home in
// share/tav2/, shared by every user. It finds its home there, and keeps its
// own files (options, open-file list, listing) in the user's
// $XDG_CONFIG_HOME/tav2, never in the shared home.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QToolButton>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "gui/editor/editorwindow.h"
#include "gui/shell/mainwindow.h"
#include "scripteddialogs.h"

namespace tav2 {
namespace {

class InstalledWorkbench : public testing::Test {
 protected:
  QTemporaryDir root;
  QString home = root.filePath("usr/share/tav2");
  QString work = root.filePath("work");
  QString perUser = root.filePath("config/tav2");
  test::ScriptedDialogs dialogs;

  void SetUp() override {
    ASSERT_TRUE(root.isValid());
    for (const QString& dir : {root.filePath("usr/bin"), home + "/sources", home + "/include", work}) {
      ASSERT_TRUE(QDir().mkpath(dir));
    }
    for (const char* name : {MainWindow::kStartupMicrocode, MainWindow::kNewMicrocode}) {
      ASSERT_TRUE(QFile::copy(QString(TAV2_HOME "/") + name, home + "/" + name));
    }
    savedConfigHome_ = qgetenv("XDG_CONFIG_HOME");
    hadConfigHome_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", root.filePath("config").toLocal8Bit());
    savedDir_ = QDir::currentPath();
    QDir::setCurrent(work);
  }

  void TearDown() override {
    mainWindow_.reset();
    QDir::setCurrent(savedDir_);
    if (hadConfigHome_) {
      qputenv("XDG_CONFIG_HOME", savedConfigHome_);
    } else {
      qunsetenv("XDG_CONFIG_HOME");
    }
  }

  MainWindow& Start() {
    mainWindow_ = std::make_unique<MainWindow>(QStringList{root.filePath("usr/bin/tav2")});
    mainWindow_->show();
    return *mainWindow_;
  }

  static QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

 private:
  QByteArray savedConfigHome_;
  bool hadConfigHome_ = false;
  QString savedDir_;
  std::unique_ptr<MainWindow> mainWindow_;
};

TEST_F(InstalledWorkbench, KeepsItsOwnFilesPerUserAndLeavesTheSharedHomeAlone) {
  MainWindow& mainWindow = Start();
  EXPECT_EQ(mainWindow.HomeDir(), home);
  EXPECT_EQ(mainWindow.Hardware().mcrom.Entry(0x6F).NameView(), "HALT")
      << "the start-up micro-code is loaded";

  EditorWindow* source = mainWindow.NewSourceFile(EditKind::AssemblerSource);
  source->Text()->setPlainText("##\nbegin HALT\n##");
  source->findChild<QToolButton*>("Makeknop")->click();
  EXPECT_TRUE(Read(perUser + "/" + MainWindow::kListingFile).contains("HALT"));
  mainWindow.findChild<QToolButton*>("Asmoutknop")->click();
  ASSERT_NE(mainWindow.Editors().At(2), nullptr);
  EXPECT_EQ(mainWindow.Editors().At(2)->FileName(), perUser + "/" + MainWindow::kListingFile);

  QFile program(work + "/prog.asm");
  ASSERT_TRUE(program.open(QIODevice::WriteOnly));
  program.close();
  mainWindow.OpenSourceFile(program.fileName())->close();
  mainWindow.Settings().environment.saveOptionsOnExit = true;
  dialogs.answers = {Dialogs::Answer::No};
  ASSERT_TRUE(mainWindow.close());
  EXPECT_EQ(dialogs.messages.last(), "info: Configuration stored in " + perUser);
  EXPECT_TRUE(Read(perUser + "/options.~ds").contains(("HD = " + home + "\n").toUtf8()));
  EXPECT_TRUE(Read(perUser + "/filenams.~zp").contains((program.fileName() + "\n").toUtf8()));
  EXPECT_EQ(QDir(home).entryList(QDir::Files),
            QStringList({MainWindow::kNewMicrocode, MainWindow::kStartupMicrocode}));

  QDir::setCurrent(work);
  MainWindow& again = Start();
  EXPECT_TRUE(again.Settings().environment.saveOptionsOnExit) << "the options are read back";
  std::vector<std::string> reopened;
  for (int k = 1; k <= again.Recent().Count(); ++k) reopened.push_back(again.Recent().Entry(k));
  EXPECT_NE(std::find(reopened.begin(), reopened.end(), program.fileName().toStdString()), reopened.end())
      << "the open-file list is read back";
}

// A home directory that cannot be written (here one that is missing, named
// by the options file of the current directory) gives way to the per-user
// directory too.
TEST_F(InstalledWorkbench, AHomeDirectoryThatCannotBeWrittenGivesWayToThePerUserOne) {
  const QString missing = root.filePath("missing");
  QFile options(work + "/options.~ds");
  ASSERT_TRUE(options.open(QIODevice::WriteOnly));
  options.write(("//environment options\nHD = " + missing + "\n").toUtf8());
  options.close();
  ASSERT_TRUE(
      QFile::copy(home + "/" + MainWindow::kStartupMicrocode, work + "/" + MainWindow::kStartupMicrocode));
  MainWindow& mainWindow = Start();
  EXPECT_EQ(mainWindow.HomeDir(), missing);
  mainWindow.Settings().environment.saveOptionsOnExit = true;
  ASSERT_TRUE(mainWindow.close());
  EXPECT_EQ(dialogs.messages, QStringList{"info: Configuration stored in " + perUser});
  EXPECT_TRUE(QFileInfo(perUser + "/filenams.~zp").isFile());
  EXPECT_FALSE(QFileInfo::exists(missing));
}

}  // namespace
}  // namespace tav2
