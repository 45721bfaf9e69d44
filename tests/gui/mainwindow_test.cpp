#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QToolButton>
#include <vector>

#include "gui/editor/editcommands.h"
#include "gui/common/paths.h"
#include "gui/shell/newfilechooser.h"
#include "qtprinters.h"
#include "support/caseprinter.h"
#include "workbenchtest.h"

namespace tav2 {
namespace {

using test::WorkbenchTest;

class MainWindowTest : public WorkbenchTest {};

// A few of the texts users see and the shortcuts that matter.
TEST_F(MainWindowTest, CommandsCarryTheirTexts) {
  MainWindow& mainWindow = Start();
  EXPECT_EQ(mainWindow.windowTitle(), "TAV2 SIMULATOR 0.1");
  const struct {
    const char* name;
    QString caption;
    QKeySequence shortcut;
    QString hint;
  } items[] = {{"Saveoptions", "&Save all options", {}, "Save all options to configuration file"},
               {"TopicSearch1", "&Topic Search", QKeySequence(Qt::Key_F1), ""},
               {"ContextHelp1", "Context Help", QKeySequence(Qt::CTRL | Qt::Key_F1), ""}};
  for (const auto& item : items) {
    ASSERT_NE(Item(item.name), nullptr) << item.name;
    EXPECT_EQ(Item(item.name)->text(), item.caption);
    EXPECT_EQ(Item(item.name)->shortcut(), item.shortcut) << item.name;
    EXPECT_EQ(Item(item.name)->statusTip(), item.hint) << item.name;
  }
  // clang-format off
  const struct {
    const char* name;
    QString caption;
    QString hint;
  } buttons[] = {
      {"Assemblerknop", "Assembler", "View assembler source"},
      {"TAV_go", ">>", "Run processor"},
  };
  // clang-format on
  for (const auto& button : buttons) {
    ASSERT_NE(Button(button.name), nullptr) << button.name;
    EXPECT_EQ(Button(button.name)->text(), button.caption);
    EXPECT_EQ(Button(button.name)->toolTip(), button.hint);
  }
  EXPECT_EQ(Button("SpeedButton1")->toolTip(), "New File");
}

// ---- Start-up -------------------------------------------------------------------------

TEST_F(MainWindowTest, StartupLoadsTheMicrocodeAndTheOptionsOfTheCurrentDirectory) {
  Write("options.~ds", "//environment options\nBF = 1\n//assembler options\nPS = 4096\nSP = -1\n");
  MainWindow& mainWindow = Start();
  EXPECT_EQ(mainWindow.Hardware().mcrom.Entry(1).Name(), "ADD");
  EXPECT_EQ(mainWindow.Hardware().mcrom.Entry(0x6F).Name(), "HALT");
  EXPECT_TRUE(mainWindow.Settings().environment.createBakFiles);
  EXPECT_EQ(mainWindow.Settings().assembler.programStart, 4096);
  EXPECT_EQ(mainWindow.Hardware().defaultStackPointer, 0xFFFF);
  EXPECT_EQ(FromPath(mainWindow.Settings().environment.workingDir), HomePath("sources"));
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(MainWindowTest, StartupFallsBackOnTheMicrocodeOfTheHomeDirectory) {
  QTemporaryDir startDir;
  QFile options(startDir.filePath("options.~ds"));
  ASSERT_TRUE(options.open(QIODevice::WriteOnly));
  options.write("//environment options\n");
  options.close();
  QDir::setCurrent(startDir.path());
  MainWindow& mainWindow = Start();
  EXPECT_EQ(QDir::currentPath(), QDir(startDir.path()).canonicalPath());
  EXPECT_EQ(mainWindow.Hardware().mcrom.Entry(1).Name(), "ADD");
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(MainWindowTest, StartupWithoutMicrocodeReportsTheBuildErrors) {
  QFile::remove(HomePath(MainWindow::kStartupMicrocode));
  MainWindow& mainWindow = Start();
  EXPECT_EQ(dialogs.messages, QStringList{"error: Errors in projectfile"});
  EXPECT_EQ(mainWindow.Hardware().mcrom.Entry(1).Name(), "");
}

TEST_F(MainWindowTest, CommandLineFileOpensWhenShownAndBecomesTheWorkingDirectory) {
  const QString file = Write("elsewhere/hello.asm", "##\nbegin HALT\n##\n");
  MainWindow& mainWindow = Start(file);
  ASSERT_NE(Slot(1), nullptr);
  EXPECT_EQ(Slot(1)->windowTitle(), "TAV Assembler file: hello.asm");
  mainWindow.OpenFile();
  ASSERT_EQ(dialogs.fileRequests.size(), 1u);
  EXPECT_EQ(dialogs.fileRequests[0].place, HomePath("elsewhere"));
}

// ---- New and opened files --------------------------------------------------------------

TEST_F(MainWindowTest, UntitledFilesAreNumberedAcrossKinds) {
  Start();
  Item("Assemblerfile1")->trigger();
  Item("textfile1")->trigger();
  Item("Microcodefile1")->trigger();
  const struct {
    QString name;
    EditKind kind;
  } expected[] = {{"noname1.asm", EditKind::AssemblerSource},
                  {"noname2.txt", EditKind::TextFile},
                  {"noname3.mca", EditKind::MicrocodeSource}};
  for (int slot = 1; slot <= 3; ++slot) {
    ASSERT_NE(Slot(slot), nullptr);
    EXPECT_EQ(Slot(slot)->FileName(), expected[slot - 1].name);
    EXPECT_EQ(Slot(slot)->windowTitle(), expected[slot - 1].name);
    EXPECT_EQ(Slot(slot)->Kind(), expected[slot - 1].kind);
  }
  EXPECT_EQ(Slot(3)->Text()->toPlainText().toUtf8() + "\n",
            Read(HomePath(MainWindow::kNewMicrocode)).replace("\r\n", "\n"));
  EXPECT_FALSE(Slot(3)->IsModified());
}

TEST_F(MainWindowTest, OpenStartsInTheWorkingDirectoryAndRemembersDirectoryAndType) {
  MainWindow& mainWindow = Start();
  dialogs.fileNames = {Write("other/prog.mca", "x")};
  dialogs.filterIndexes = {2};
  Button("SpeedButton2")->click();
  ASSERT_EQ(dialogs.fileRequests.size(), 1u);
  EXPECT_EQ(dialogs.fileRequests[0].caption, "Open file");
  EXPECT_EQ(dialogs.fileRequests[0].place, HomePath("sources"));
  EXPECT_EQ(dialogs.fileRequests[0].filterIndex, 1);
  ASSERT_NE(Slot(1), nullptr);
  EXPECT_EQ(Slot(1)->SaveFilterIndex(), 2);
  EXPECT_EQ(Slot(1)->windowTitle(), "Micro Code Source: prog.mca");
  mainWindow.OpenFile();
  EXPECT_EQ(dialogs.fileRequests[1].place, HomePath("other"));
  EXPECT_EQ(dialogs.fileRequests[1].filterIndex, 2);
}

TEST_F(MainWindowTest, OpeningAMissingFileCreatesNoEditor) {
  MainWindow& mainWindow = Start();
  dialogs.fileNames = {HomePath("missing.asm")};
  Item("OpenFile")->trigger();
  EXPECT_EQ(dialogs.messages, QStringList{"error: can't open file: " + HomePath("missing.asm")});
  EXPECT_TRUE(mainWindow.MdiArea()->subWindowList().isEmpty());
}

TEST_F(MainWindowTest, SeventeenthEditorStaysOpenUnregistered) {
  MainWindow& mainWindow = Start();
  for (int n = 0; n < 16; ++n) mainWindow.NewSourceFile(EditKind::TextFile);
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EditorWindow* extra = mainWindow.NewSourceFile(EditKind::TextFile);
  EXPECT_EQ(dialogs.messages, QStringList{"error: Too much open files"});
  EXPECT_EQ(mainWindow.MdiArea()->subWindowList().size(), 17);
  EXPECT_FALSE(mainWindow.Editors().SlotOf(extra).has_value());
  extra->close();
  EXPECT_EQ(dialogs.messages.last(), "error: file not known!");
}

// ---- The view buttons ----------------------------------------------------------------------

// Assembler sources in slots 2 and 16 (the last), the menu item or the
// button moving on from the active window.
TEST_F(MainWindowTest, AssemblerButtonVisitsTheAssemblerEditorsInTurn) {
  MainWindow& mainWindow = Start();
  for (int slot = 1; slot <= 16; ++slot) {
    mainWindow.NewSourceFile(slot == 2 || slot == 16 ? EditKind::AssemblerSource : EditKind::TextFile);
  }
  mainWindow.MdiArea()->setActiveSubWindow(Slot(1));
  std::vector<QWidget*> visited;
  Item("Assembler1")->trigger();
  visited.push_back(mainWindow.MdiArea()->currentSubWindow());
  for (int press = 0; press < 2; ++press) {
    Button("Assemblerknop")->click();
    visited.push_back(mainWindow.MdiArea()->currentSubWindow());
  }
  EXPECT_EQ(visited, (std::vector<QWidget*>{Slot(2), Slot(16), Slot(2)}));
  EXPECT_TRUE(dialogs.fileRequests.empty());
}

TEST_F(MainWindowTest, ViewButtonsWithoutEditorsOfTheirKindOfferTheirFileType) {
  MainWindow& mainWindow = Start();
  mainWindow.NewSourceFile(EditKind::MicrocodeSource);
  Button("Assemblerknop")->click();
  Button("Textknop")->click();
  ASSERT_EQ(dialogs.fileRequests.size(), 2u);
  EXPECT_EQ(dialogs.fileRequests[0].filterIndex, 1);
  EXPECT_EQ(dialogs.fileRequests[1].filterIndex, 3);
}

// ---- Builds and the error list ------------------------------------------------------------------

TEST_F(MainWindowTest, BuildErrorsAreListedAndTheFirstIsMarkedInTheSource) {
  MainWindow& mainWindow = Start();
  EditorWindow* editor =
      NewEditor(EditKind::AssemblerSource, "##\nbegin: MOVE R1, 1\n  FOO R1\n  HALT R1\n##");
  ClickControl(editor, "Makeknop");
  EXPECT_EQ(Control<QPlainTextEdit>(editor, "Memo1")->toPlainText(),
            "noname1.asm: line 2: \t ';' expected\n"
            "noname1.asm: line 3: \tunknown instruction \"FOO\"\n"
            "noname1.asm: \tThis instruction does not have operand(s)!\n");
  EXPECT_EQ(dialogs.messages, QStringList{"error: Errors in projectfile"});
  EXPECT_EQ(mainWindow.ProjectEditor(), editor);
  EXPECT_EQ(RedLine(editor), "begin: MOVE R1, 1");
  EXPECT_TRUE(Control<QWidget>(editor, "Panel1")->isVisible());
  EXPECT_TRUE(Control<QWidget>(editor, "Herstelknop")->isVisible());

  ClickControl(editor, "Herstelknop");
  EXPECT_FALSE(Control<QWidget>(editor, "Panel1")->isVisible());
  EXPECT_FALSE(Control<QWidget>(editor, "Herstelknop")->isVisible());
  EXPECT_EQ(RedLine(editor), "");

  ClickControl(editor, "Makeknop");
  ASSERT_TRUE(Control<QWidget>(editor, "Panel1")->isVisible());
  Type(editor, "##\nbegin HALT\n##");
  ClickControl(editor, "Loadknop");
  EXPECT_FALSE(Control<QWidget>(editor, "Panel1")->isVisible());
  EXPECT_EQ(dialogs.messages.last(), "info: Program loaded");
  EXPECT_EQ(mainWindow.Hardware().memory.Read(0), 0x6F00);
}

TEST_F(MainWindowTest, BuildRequestWithoutAnyEditorReportsNoSource) {
  Start().BuildProject(nullptr);
  EXPECT_EQ(dialogs.messages, QStringList{"error: No Source"});
}

TEST_F(MainWindowTest, ListingEditorFollowsEveryBuild) {
  Start();
  Button("Asmoutknop")->click();
  EXPECT_EQ(dialogs.messages, QStringList{"error: can't open file: " + HomePath(MainWindow::kListingFile)});
  EditorWindow* source = NewEditor(EditKind::AssemblerSource, "##\nbegin HALT\n##");
  ClickControl(source, "Makeknop");
  Button("Asmoutknop")->click();
  EditorWindow* listing = Slot(2);
  ASSERT_NE(listing, nullptr);
  EXPECT_EQ(listing->Kind(), EditKind::AssemblerListing);
  EXPECT_TRUE(listing->Text()->isReadOnly());
  EXPECT_FALSE(listing->Text()->toPlainText().contains("NOP"));

  Type(source, "##\nbegin NOP\n HALT\n##");
  ClickControl(source, "Makeknop");
  EXPECT_TRUE(listing->Text()->toPlainText().contains("NOP"));
}

// ---- Saving, printing, closing --------------------------------------------------------------

TEST_F(MainWindowTest, SaveFileSavesTheFocusedEditorElseTheProjectEditor) {
  MainWindow& mainWindow = Start();
  Button("SpeedButton3")->click();
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_TRUE(dialogs.fileRequests.empty());

  EditorWindow* first = Open("a.txt", "a");
  EditorWindow* second = Open("b.txt", "b");
  Type(first, "A");
  Type(second, "B");
  first->Text()->setFocus();
  EXPECT_EQ(mainWindow.FocusedEditor(), first);
  Button("SpeedButton3")->click();
  EXPECT_EQ(Read(HomePath("a.txt")), "A\r\n");
  EXPECT_EQ(Read(HomePath("b.txt")), "b");
  Button("SpeedButton5")->click();
  EXPECT_EQ(dialogs.printedTitles, QStringList{HomePath("a.txt")});

  first->Text()->clearFocus();
  mainWindow.SetProjectEditor(second);
  EXPECT_EQ(mainWindow.FocusedEditor(), nullptr);
  Button("SpeedButton3")->click();
  EXPECT_EQ(Read(HomePath("b.txt")), "B\r\n");
  Button("SpeedButton5")->click();
  EXPECT_EQ(dialogs.printed, 1);

  Type(first, "A2");
  Type(second, "B2");
  Button("SpeedButton4")->click();
  EXPECT_EQ(Read(HomePath("a.txt")), "A2\r\n");
  EXPECT_EQ(Read(HomePath("b.txt")), "B2\r\n");
}

struct ShutdownCase {
  Dialogs::Answer answer;
  bool closes;
  QByteArray fileAfterwards;
};

std::string AnswerName(Dialogs::Answer answer) {
  switch (answer) {
    case Dialogs::Answer::Ok: return "Ok";
    case Dialogs::Answer::Yes: return "Yes";
    case Dialogs::Answer::No: return "No";
    case Dialogs::Answer::Cancel: return "Cancel";
  }
  return "?";
}

void PrintTo(const ShutdownCase& c, std::ostream* out) {
  test::CasePrinter(out)
      .Field("answer", AnswerName(c.answer))
      .Field("closes", c.closes)
      .Field("fileAfterwards", c.fileAfterwards);
}

class MainWindowShutdown : public WorkbenchTest, public testing::WithParamInterface<ShutdownCase> {};

TEST_P(MainWindowShutdown, AsksAboutAModifiedEditor) {
  MainWindow& mainWindow = Start();
  const QString file = Write("prog.asm", "old\n");
  Type(mainWindow.OpenSourceFile(file), "new");
  dialogs.answers = {GetParam().answer};
  EXPECT_EQ(mainWindow.close(), GetParam().closes);
  EXPECT_EQ(dialogs.messages, QStringList{"ask: File TAV Assembler file: prog.asm has changed, Save?"});
  EXPECT_EQ(Read(file), GetParam().fileAfterwards);
  EXPECT_EQ(Read(HomePath("filenams.~zp")), GetParam().closes ? (file + "\n").toUtf8() : QByteArray());
  EXPECT_EQ(Slot(1) != nullptr, !GetParam().closes);
}

constexpr bool kCloses = true, kStaysOpen = false;

const ShutdownCase kShutdownCases[] = {
    {Dialogs::Answer::Yes, kCloses, "new\r\n"},
    {Dialogs::Answer::No, kCloses, "old\n"},
    {Dialogs::Answer::Cancel, kStaysOpen, "old\n"},
};

INSTANTIATE_TEST_SUITE_P(MainWindowTest, MainWindowShutdown, ::testing::ValuesIn(kShutdownCases),
                         [](const testing::TestParamInfo<ShutdownCase>& test) {
                           return AnswerName(test.param.answer);
                         });

TEST_F(MainWindowTest, UntitledEditorWhoseSaveIsCancelledStaysOpen) {
  MainWindow& mainWindow = Start();
  EditorWindow* editor = NewEditor(EditKind::AssemblerSource, "text");
  dialogs.answers = {Dialogs::Answer::Yes};
  EXPECT_FALSE(mainWindow.close());
  EXPECT_EQ(Slot(1), editor);
  EXPECT_TRUE(editor->IsModified());
}

// Nothing is let go until every editor agreed: No for the first and Cancel
// for the second leave both modified, and the first is asked again.
TEST_F(MainWindowTest, ARefusedShutdownKeepsEveryEditorModified) {
  MainWindow& mainWindow = Start();
  const QString fileA = Write("a.txt", "old A");
  const QString fileB = Write("b.txt", "old B");
  EditorWindow* first = mainWindow.OpenSourceFile(fileA);
  EditorWindow* second = mainWindow.OpenSourceFile(fileB);
  Type(first, "new A");
  Type(second, "new B");
  dialogs.answers = {Dialogs::Answer::No, Dialogs::Answer::Cancel};
  EXPECT_FALSE(mainWindow.close());
  EXPECT_EQ(dialogs.messages, QStringList({"ask: File Textfile: a.txt has changed, Save?",
                                           "ask: File Textfile: b.txt has changed, Save?"}));
  EXPECT_TRUE(first->IsModified());
  EXPECT_TRUE(second->IsModified());
  EXPECT_EQ(Slot(1), first);
  EXPECT_EQ(Slot(2), second);

  dialogs.messages.clear();
  dialogs.answers = {Dialogs::Answer::Cancel};
  EditorItem(first, "Close1")->trigger();
  EXPECT_EQ(dialogs.messages, QStringList{"ask: File Textfile: a.txt has changed, Save?"});
  EXPECT_EQ(first->Text()->toPlainText(), "new A");

  dialogs.answers = {Dialogs::Answer::No, Dialogs::Answer::No};
  EXPECT_TRUE(mainWindow.close());
  EXPECT_EQ(Read(fileA), "old A");
  EXPECT_EQ(Read(fileB), "old B");
}

TEST_F(MainWindowTest, ShutdownClosesItsOwnWindowsAndWritesTheOptionsWhenAsked) {
  MainWindow& mainWindow = Start();
  mainWindow.Settings().environment.saveOptionsOnExit = true;
  mainWindow.NewFile();
  EditorWindow* editor = mainWindow.NewSourceFile(EditKind::TextFile);
  EditorItem(editor, "Find")->trigger();
  const QList<QWidget*> windows = {mainWindow.findChild<NewFileChooser*>(),
                                   editor->Commands().FindDialog().window()};
  for (const QWidget* window : windows) ASSERT_TRUE(window->isVisible());
  EXPECT_TRUE(mainWindow.close());
  for (const QWidget* window : windows) EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(dialogs.messages, QStringList{"info: Configuration stored in " + Home()});
  EXPECT_TRUE(Read(HomePath("options.~ds")).startsWith("//environment options\nWD = "));
}

// ---- The open-file list ----------------------------------------------------------------------

TEST_F(MainWindowTest, ClosedFilesAreOfferedForReopeningInEveryMenu) {
  MainWindow& mainWindow = Start();
  const QString file = Write("a.txt", "a");
  mainWindow.OpenSourceFile(file)->close();
  EXPECT_EQ(Item("source1")->text(), file);
  EXPECT_TRUE(Item("source1")->isVisible());
  EXPECT_FALSE(Item("source2")->isVisible());
  EditorWindow* editor = mainWindow.NewSourceFile(EditKind::TextFile);
  EXPECT_EQ(EditorItem(editor, "source1")->text(), file);

  EditorItem(editor, "source1")->trigger();
  EXPECT_EQ(Slot(2)->FileName(), file);
  EXPECT_FALSE(Item("source1")->isVisible());
  EXPECT_FALSE(EditorItem(editor, "source1")->isVisible());

  Slot(2)->close();
  QFile::remove(file);
  Item("source1")->trigger();
  EXPECT_EQ(dialogs.messages, QStringList{"error: can't open file: " + file});
  EXPECT_EQ(mainWindow.Recent().Count(), 0);
}

// A line of the open-file list that no path can be is not offered (nor
// kept); a long path is shown with its middle left out and reopened whole.
TEST_F(MainWindowTest, ReopenShortensLongPathsAndSkipsLinesNoPathCanBe) {
  const QString longPath = "/" + QString(4000, 'd') + "/prog.asm";
  Write("filenams.~zp", QByteArray(10 * 1024 * 1024, 'x') + "\n" + longPath.toLatin1() + "\n");
  MainWindow& mainWindow = Start();
  ASSERT_EQ(mainWindow.Recent().Count(), 1);
  auto* reopen = mainWindow.findChild<QMenu*>("Reopenfile1");
  ASSERT_NE(reopen, nullptr);
  EXPECT_TRUE(reopen->menuAction()->isVisible());
  const QString caption = Item("source1")->text();
  EXPECT_TRUE(Item("source1")->isVisible());
  EXPECT_TRUE(caption.startsWith("/ddd")) << caption.toStdString();
  EXPECT_TRUE(caption.endsWith("dd/prog.asm")) << caption.toStdString();
  EXPECT_TRUE(caption.contains(QChar(0x2026))) << caption.toStdString();
  EXPECT_LT(caption.size(), 200);
  EXPECT_LE(reopen->sizeHint().width(), mainWindow.screen()->availableGeometry().width());

  Item("source1")->trigger();
  EXPECT_EQ(dialogs.messages, QStringList{"error: can't open file: " + longPath});
}

// ---- Menus, layout, options -------------------------------------------------------------------

TEST_F(MainWindowTest, ActiveEditorsFileAndEditMenusStandInForTheMainWindows) {
  MainWindow& mainWindow = Start();
  const auto visibleMenus = [&mainWindow] {
    QStringList titles;
    for (const QAction* action : mainWindow.menuBar()->actions()) {
      if (!action->isVisible()) continue;
      titles << action->menu()->objectName() +
                    (qobject_cast<EditorWindow*>(action->menu()->parent()) ? "*" : "");
    }
    return titles;
  };
  const QStringList own{"FileMenu",    "EditMenu",   "ViewMenu", "RunMenu",
                        "OptionsMenu", "WindowMenu", "HelpMenu"};
  EXPECT_EQ(visibleMenus(), own);
  EditorWindow* editor = mainWindow.NewSourceFile(EditKind::TextFile);
  mainWindow.MdiArea()->setActiveSubWindow(editor);
  EXPECT_EQ(visibleMenus(), QStringList({"FileMenu*", "EditMenu*", "ViewMenu", "RunMenu", "OptionsMenu",
                                         "WindowMenu", "HelpMenu"}));
  editor->close();
  QCoreApplication::processEvents();
  EXPECT_EQ(visibleMenus(), own);
}

}  // namespace
}  // namespace tav2
