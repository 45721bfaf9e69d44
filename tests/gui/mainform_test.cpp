#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QToolButton>
#include <string>
#include <vector>

#include "gui/editor/editcommands.h"
#include "gui/editor/teditform.h"
#include "gui/shell/paths.h"
#include "gui/shell/tmainform.h"
#include "gui/shell/tnewfileform.h"
#include "workbenchtest.h"

namespace tav2 {
namespace {

using test::WorkbenchTest;

class Mainform : public WorkbenchTest {};

// ---- The commands ----------------------------------------------------------------

struct ItemCase {
  const char* name;
  QString caption;
  QKeySequence shortcut = {};
  QString hint = {};
};

class MainformItems : public WorkbenchTest, public testing::WithParamInterface<ItemCase> {};

TEST_P(MainformItems, CarryTheirCaptionShortcutAndHint) {
  Start();
  const QAction* item = Item(GetParam().name);
  ASSERT_NE(item, nullptr) << GetParam().name;
  EXPECT_EQ(item->text(), GetParam().caption);
  EXPECT_EQ(item->shortcut(), GetParam().shortcut);
  EXPECT_EQ(item->statusTip(), GetParam().hint);
}

INSTANTIATE_TEST_SUITE_P(
    Mainform, MainformItems,
    testing::Values(ItemCase{"textfile1", "Text File"}, ItemCase{"Assemblerfile1", "Assembler File"},
                    ItemCase{"Microcodefile1", "Microcode File"}, ItemCase{"OpenFile", "&Open..."},
                    ItemCase{"SaveAll1", "Save All"}, ItemCase{"CloseAll1", "Close All"},
                    ItemCase{"Exit", "&Exit"}, ItemCase{"Options1", "&Options"},
                    ItemCase{"TAVProcessor1", "&Processor"}, ItemCase{"Assembler1", "A&ssembler source"},
                    ItemCase{"Assembleroutput1", "Assembler &output"}, ItemCase{"Application1", "&Application"},
                    ItemCase{"Memory1", "&Memory"}, ItemCase{"Newmemory1", "&New memory view"},
                    ItemCase{"Microcodesource1", "Micro &code source"},
                    ItemCase{"MicroCodeROM1", "Micro Code &ROM"}, ItemCase{"Text1", "&Text  "},
                    ItemCase{"Environment", "En&vironment ..."}, ItemCase{"Saveoptions1", "&Editor options ..."},
                    ItemCase{"Assembleroptions1", "&Assembler options ..."},
                    ItemCase{"Saveoptions", "&Save all options", {}, "Save all options to configuration file"},
                    ItemCase{"Distribute1", "&Distribute"}, ItemCase{"Tile1", "&Tile"},
                    ItemCase{"Cascade1", "&Cascade"}, ItemCase{"Storedistribution1", "&Store distribution"},
                    ItemCase{"TopicSearch1", "&Topic Search", QKeySequence(Qt::Key_F1)},
                    ItemCase{"ContextHelp1", "Context Help", QKeySequence(Qt::CTRL | Qt::Key_F1)},
                    ItemCase{"About1", "About..."}));

struct ButtonCase {
  const char* name;
  QString caption;
  QString hint;
};

class MainformButtons : public WorkbenchTest, public testing::WithParamInterface<ButtonCase> {};

TEST_P(MainformButtons, CarryTheirCaptionAndHint) {
  Start();
  const QToolButton* button = Button(GetParam().name);
  ASSERT_NE(button, nullptr) << GetParam().name;
  if (!GetParam().caption.isEmpty()) {
    EXPECT_EQ(button->text(), GetParam().caption);
  }
  EXPECT_EQ(button->toolTip(), GetParam().hint);
}

INSTANTIATE_TEST_SUITE_P(
    Mainform, MainformButtons,
    testing::Values(ButtonCase{"SpeedButton1", "", "New File"}, ButtonCase{"SpeedButton2", "", "Open File"},
                    ButtonCase{"SpeedButton3", "", "Save File"}, ButtonCase{"SpeedButton4", "", "Save All "},
                    ButtonCase{"SpeedButton5", "", "Print Text"}, ButtonCase{"Textknop", "Text", "View text"},
                    ButtonCase{"Asmoutknop", "Asm output", "View assembler output"},
                    ButtonCase{"Assemblerknop", "Assembler", "View assembler source"},
                    ButtonCase{"TAV2knop", "TAV2", "View processor"},
                    ButtonCase{"Memoryknop", "Memory", "View memory page"},
                    ButtonCase{"Applicationknop", "Application", "View application screen"},
                    ButtonCase{"TAV_Clock", "C", "Execute clockcycle"},
                    ButtonCase{"TAV_instruction", "I", "Execute instruction"},
                    ButtonCase{"TAV_go", ">>", "Run processor"}, ButtonCase{"TAV_halt", "H", "Halt processor"},
                    ButtonCase{"TAV_reset", "R", "Reset processor"}));

TEST_F(Mainform, MainWindowIsCaptionedAndItsProcessorPanelHidden) {
  TMainform& mainform = Start();
  EXPECT_EQ(mainform.windowTitle(), "TAV2 SIMULATOR 0.1");
  const auto* panel = mainform.findChild<QWidget*>("TAV2_panel");
  ASSERT_NE(panel, nullptr);
  EXPECT_FALSE(panel->isVisible());
  mainform.resize(1400, 800);
  mainform.ShowProcessorPanel(true);
  QCoreApplication::processEvents();
  EXPECT_TRUE(panel->isVisible());
}

// ---- Start-up -------------------------------------------------------------------------

TEST_F(Mainform, StartupLoadsTheMicrocodeOfTheCurrentDirectory) {
  TMainform& mainform = Start();
  EXPECT_EQ(mainform.GetMachine().mcrom.Entry(1).Name(), "ADD");
  EXPECT_EQ(mainform.GetMachine().mcrom.Entry(0x6F).Name(), "HALT");
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(Mainform, StartupFallsBackOnTheMicrocodeOfTheHomeDirectory) {
  QTemporaryDir startDir;
  QFile options(startDir.filePath("options.~ds"));
  ASSERT_TRUE(options.open(QIODevice::WriteOnly));
  options.write("//environment options\n");
  options.close();
  QDir::setCurrent(startDir.path());
  TMainform& mainform = Start();
  EXPECT_EQ(QDir::currentPath(), QDir(startDir.path()).canonicalPath());
  EXPECT_EQ(mainform.GetMachine().mcrom.Entry(1).Name(), "ADD");
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(Mainform, StartupWithoutMicrocodeReportsTheBuildErrors) {
  QFile::remove(HomePath(TMainform::kStartupMicrocode));
  TMainform& mainform = Start();
  EXPECT_EQ(dialogs.messages, QStringList{"error: Errors in projectfile"});
  EXPECT_EQ(mainform.GetMachine().mcrom.Entry(1).Name(), "");
}

TEST_F(Mainform, StartupReadsTheOptionsFile) {
  Write("options.~ds", "//environment options\nBF = 1\n//assembler options\nPS = 4096\nSP = -1\n");
  TMainform& mainform = Start();
  EXPECT_TRUE(mainform.Settings().environment.createBakFiles);
  EXPECT_EQ(mainform.Settings().assembler.programStart, 4096);
  EXPECT_EQ(mainform.GetMachine().defaultStackPointer, 0xFFFF);
  EXPECT_EQ(FromPath(mainform.Settings().environment.workingDir), HomePath("sources"));
}

TEST_F(Mainform, CommandLineFileOpensWhenShownAndBecomesTheWorkingDirectory) {
  const QString file = Write("elsewhere/hello.asm", "##\nbegin HALT\n##\n");
  TMainform& mainform = Start(file);
  ASSERT_NE(Slot(1), nullptr);
  EXPECT_EQ(Slot(1)->windowTitle(), "TAV Assembler file: hello.asm");
  EXPECT_EQ(FromPath(mainform.Settings().environment.workingDir), HomePath("elsewhere"));
  mainform.OpenFileClick();
  ASSERT_EQ(dialogs.fileRequests.size(), 1u);
  EXPECT_EQ(dialogs.fileRequests[0].place, HomePath("elsewhere"));
}

// ---- New files --------------------------------------------------------------------------

TEST_F(Mainform, UntitledFilesAreNumberedAcrossKinds) {
  Start();
  Item("Assemblerfile1")->trigger();
  Item("textfile1")->trigger();
  Item("Microcodefile1")->trigger();
  const std::vector<QString> names{"noname1.asm", "noname2.txt", "noname3.mca"};
  const std::vector<EditKind> kinds{EditKind::AssemblerSource, EditKind::TextFile, EditKind::MicrocodeSource};
  for (int slot = 1; slot <= 3; ++slot) {
    ASSERT_NE(Slot(slot), nullptr);
    EXPECT_EQ(Slot(slot)->FileName(), names[slot - 1]);
    EXPECT_EQ(Slot(slot)->windowTitle(), names[slot - 1]);
    EXPECT_EQ(Slot(slot)->Kind(), kinds[slot - 1]);
  }
  EXPECT_EQ(Slot(3)->RichEdit1()->toPlainText().toUtf8() + "\n",
            Read(HomePath(TMainform::kNewMicrocode)).replace("\r\n", "\n"));
  EXPECT_FALSE(Slot(3)->IsModified());
}

TEST_F(Mainform, NewFileChooserCreatesOneFileAndCloses) {
  TMainform& mainform = Start();
  Button("SpeedButton1")->click();
  auto* chooser = mainform.findChild<TNewfileForm*>("TNewfileForm");
  ASSERT_NE(chooser, nullptr);
  EXPECT_EQ(chooser->pos(), QPoint(30, 75));
  EXPECT_TRUE(chooser->windowFlags() & Qt::FramelessWindowHint);
  chooser->findChild<QAbstractButton*>("textfileknop")->click();
  EXPECT_FALSE(chooser->isVisible());
  ASSERT_NE(Slot(1), nullptr);
  EXPECT_EQ(Slot(1)->FileName(), "noname1.txt");
}

// ---- Opening files ------------------------------------------------------------------------

TEST_F(Mainform, OpenStartsInTheWorkingDirectoryAndRemembersDirectoryAndType) {
  TMainform& mainform = Start();
  const QString file = Write("other/prog.mca", "x");
  dialogs.fileNames = {file};
  dialogs.filterIndexes = {2};
  Button("SpeedButton2")->click();
  ASSERT_EQ(dialogs.fileRequests.size(), 1u);
  EXPECT_EQ(dialogs.fileRequests[0].caption, "Open file");
  EXPECT_EQ(dialogs.fileRequests[0].place, HomePath("sources"));
  EXPECT_EQ(dialogs.fileRequests[0].filterIndex, 1);
  EXPECT_EQ(dialogs.fileRequests[0].filters, TMainform::kOpenFilters);
  EXPECT_EQ(mainform.OpenDir(), HomePath("other"));
  EXPECT_EQ(mainform.OpenFilterIndex(), 2);
  ASSERT_NE(Slot(1), nullptr);
  EXPECT_EQ(Slot(1)->SaveFilterIndex(), 2);
  EXPECT_EQ(Slot(1)->windowTitle(), "Micro Code Source: prog.mca");
  mainform.OpenFileClick();
  EXPECT_EQ(dialogs.fileRequests[1].place, HomePath("other"));
  EXPECT_EQ(dialogs.fileRequests[1].filterIndex, 2);
}

TEST_F(Mainform, OpeningAMissingFileCreatesNoEditor) {
  TMainform& mainform = Start();
  dialogs.fileNames = {HomePath("missing.asm")};
  Item("OpenFile")->trigger();
  EXPECT_EQ(dialogs.messages, QStringList{"error: can't open file: " + HomePath("missing.asm")});
  EXPECT_TRUE(mainform.MdiArea()->subWindowList().isEmpty());
}

TEST_F(Mainform, EditorsOpenedFromFilesCascade) {
  TMainform& mainform = Start();
  for (int n = 0; n < 4; ++n) mainform.OpenSourceFile(Write(QString("f%1.txt").arg(n), "x"));
  for (int slot = 1; slot <= 4; ++slot) {
    const int offset = 20 * (slot - 1);
    EXPECT_EQ(Slot(slot)->pos(), QPoint(offset, offset)) << slot;
  }
}

TEST_F(Mainform, SeventeenthEditorStaysOpenUnregistered) {
  TMainform& mainform = Start();
  for (int n = 0; n < 16; ++n) mainform.NewSourceFile(EditKind::TextFile);
  EXPECT_TRUE(dialogs.messages.isEmpty());
  TEditform* extra = mainform.NewSourceFile(EditKind::TextFile);
  EXPECT_EQ(dialogs.messages, QStringList{"error: Too much open files"});
  EXPECT_EQ(mainform.MdiArea()->subWindowList().size(), 17);
  EXPECT_FALSE(mainform.Editors().SlotOf(extra).has_value());
  extra->close();
  EXPECT_EQ(dialogs.messages.last(), "error: file not known!");
}

// ---- The view buttons ----------------------------------------------------------------------

TEST_F(Mainform, AssemblerButtonVisitsTheAssemblerEditorsInTurn) {
  TMainform& mainform = Start();
  for (const EditKind kind : {EditKind::TextFile, EditKind::AssemblerSource, EditKind::TextFile,
                              EditKind::TextFile, EditKind::AssemblerSource}) {
    mainform.NewSourceFile(kind);
  }
  std::vector<TEditform*> visited;
  for (int press = 0; press < 3; ++press) {
    Button("Assemblerknop")->click();
    visited.push_back(qobject_cast<TEditform*>(mainform.MdiArea()->currentSubWindow()));
  }
  EXPECT_EQ(visited, (std::vector<TEditform*>{Slot(2), Slot(5), Slot(2)}));
  EXPECT_TRUE(dialogs.fileRequests.empty());
}

TEST_F(Mainform, AssemblerButtonFindsTheEditorInSlotSixteen) {
  TMainform& mainform = Start();
  for (int n = 0; n < 15; ++n) mainform.NewSourceFile(EditKind::TextFile);
  mainform.NewSourceFile(EditKind::AssemblerSource);
  mainform.MdiArea()->setActiveSubWindow(Slot(1));
  Item("Assembler1")->trigger();
  EXPECT_EQ(mainform.MdiArea()->currentSubWindow(), Slot(16));
}

TEST_F(Mainform, ViewButtonsWithoutEditorsOfTheirKindOfferTheirFileType) {
  TMainform& mainform = Start();
  mainform.NewSourceFile(EditKind::MicrocodeSource);
  Button("Assemblerknop")->click();
  Button("Textknop")->click();
  ASSERT_EQ(dialogs.fileRequests.size(), 2u);
  EXPECT_EQ(dialogs.fileRequests[0].filterIndex, 1);
  EXPECT_EQ(dialogs.fileRequests[1].filterIndex, 3);
  EXPECT_EQ(mainform.OpenFilterIndex(), 3);
}

// ---- Builds and the error list ------------------------------------------------------------------

TEST_F(Mainform, BuildErrorsAreListedInTheProjectEditor) {
  TMainform& mainform = Start();
  TEditform* editor = mainform.NewSourceFile(EditKind::AssemblerSource);
  Type(editor, "##\nbegin: MOVE R1, 1\n  FOO R1\n  HALT R1\n##");
  Control<QToolButton>(editor, "Makeknop")->click();
  EXPECT_EQ(Control<QPlainTextEdit>(editor, "Memo1")->toPlainText(),
            "noname1.asm: line 2: \t ';' expected\n"
            "noname1.asm: line 3: \t ';' expected\n"
            "noname1.asm: \tThis instruction does not have operand(s)!\n");
  EXPECT_EQ(dialogs.messages, QStringList{"error: Errors in projectfile"});
  EXPECT_EQ(mainform.ProjectEditor(), editor);
  EXPECT_TRUE(Control<QWidget>(editor, "Panel1")->isVisible());
  EXPECT_TRUE(Control<QWidget>(editor, "Herstelknop")->isVisible());

  Control<QToolButton>(editor, "Herstelknop")->click();
  EXPECT_FALSE(Control<QWidget>(editor, "Panel1")->isVisible());
  EXPECT_FALSE(Control<QWidget>(editor, "Herstelknop")->isVisible());
}

TEST_F(Mainform, BuildWithoutErrorsHidesTheErrorList) {
  TMainform& mainform = Start();
  TEditform* editor = mainform.NewSourceFile(EditKind::AssemblerSource);
  Type(editor, "##\n  FOO R1\n##");
  Control<QToolButton>(editor, "Makeknop")->click();
  ASSERT_TRUE(Control<QWidget>(editor, "Panel1")->isVisible());
  Type(editor, "##\nbegin HALT\n##");
  Control<QToolButton>(editor, "Loadknop")->click();
  EXPECT_FALSE(Control<QWidget>(editor, "Panel1")->isVisible());
  EXPECT_EQ(dialogs.messages.last(), "info: Program loaded");
  EXPECT_EQ(mainform.GetMachine().memory.Read(0), 0x6F00);
  EXPECT_FALSE(mainform.Assembler().LoadAfterBuild && mainform.Assembler().RunAfterLoad);
}

TEST_F(Mainform, MicrocodeLoadButtonRewritesTheRom) {
  TMainform& mainform = Start();
  TEditform* editor = mainform.NewSourceFile(EditKind::MicrocodeSource);
  Type(editor, editor->RichEdit1()->toPlainText().replace("#ADD OP1,OP2; 0x01", "#PLUS OP1,OP2; 0x01"));
  Control<QToolButton>(editor, "Loadknop")->click();
  EXPECT_FALSE(dialogs.messages.contains("error: Errors in projectfile")) << dialogs.messages.join('|').toStdString();
  EXPECT_EQ(mainform.GetMachine().mcrom.Entry(1).Name(), "PLUS");
}

TEST_F(Mainform, GoButtonBuildsWithBothRequestFlagsAndClearsRunAfterwards) {
  TMainform& mainform = Start();
  TEditform* editor = mainform.NewSourceFile(EditKind::AssemblerSource);
  Type(editor, "##\nbegin HALT\n##");
  Control<QToolButton>(editor, "Goknop")->click();
  EXPECT_FALSE(dialogs.messages.contains("info: Program loaded"));
  EXPECT_TRUE(mainform.Assembler().LoadAfterBuild);
  EXPECT_FALSE(mainform.Assembler().RunAfterLoad);
  EXPECT_EQ(mainform.GetMachine().memory.Read(0), 0x6F00);
}

TEST_F(Mainform, BuildRequestWithoutAnyEditorReportsNoSource) {
  TMainform& mainform = Start();
  mainform.fromProject1Click(nullptr);
  EXPECT_EQ(dialogs.messages, QStringList{"error: No Source"});
}

TEST_F(Mainform, ListingEditorFollowsEveryBuild) {
  TMainform& mainform = Start();
  Button("Asmoutknop")->click();
  EXPECT_EQ(dialogs.messages, QStringList{"error: can't open file: " + HomePath(TMainform::kListingFile)});
  TEditform* source = mainform.NewSourceFile(EditKind::AssemblerSource);
  Type(source, "##\nbegin HALT\n##");
  Control<QToolButton>(source, "Makeknop")->click();
  Button("Asmoutknop")->click();
  TEditform* listing = Slot(2);
  ASSERT_NE(listing, nullptr);
  EXPECT_EQ(listing->Kind(), EditKind::AssemblerListing);
  EXPECT_EQ(listing->windowTitle(), "Assembler output");
  EXPECT_TRUE(listing->RichEdit1()->isReadOnly());
  EXPECT_EQ(listing->width(), TEditform::kListingWidth);
  EXPECT_FALSE(listing->RichEdit1()->toPlainText().contains("NOP"));

  Type(source, "##\nbegin NOP\n HALT\n##");
  Control<QToolButton>(source, "Makeknop")->click();
  EXPECT_TRUE(listing->RichEdit1()->toPlainText().contains("NOP"));
}

// ---- Saving, printing, closing --------------------------------------------------------------

TEST_F(Mainform, SaveFileSavesTheFocusedEditorElseTheProjectEditor) {
  TMainform& mainform = Start();
  Button("SpeedButton3")->click();
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_TRUE(dialogs.fileRequests.empty());

  TEditform* first = mainform.OpenSourceFile(Write("a.txt", "a"));
  TEditform* second = mainform.OpenSourceFile(Write("b.txt", "b"));
  Type(first, "A");
  Type(second, "B");
  first->RichEdit1()->setFocus();
  EXPECT_EQ(mainform.FocusedEditor(), first);
  Button("SpeedButton3")->click();
  EXPECT_EQ(Read(HomePath("a.txt")), "A\r\n");
  EXPECT_EQ(Read(HomePath("b.txt")), "b");

  first->RichEdit1()->clearFocus();
  mainform.SetProjectEditor(second);
  EXPECT_EQ(mainform.FocusedEditor(), nullptr);
  Button("SpeedButton3")->click();
  EXPECT_EQ(Read(HomePath("b.txt")), "B\r\n");
}

TEST_F(Mainform, PrintTextPrintsTheFocusedEditorOnly) {
  TMainform& mainform = Start();
  TEditform* editor = mainform.OpenSourceFile(Write("a.txt", "a"));
  editor->RichEdit1()->clearFocus();
  Button("SpeedButton5")->click();
  EXPECT_EQ(dialogs.printed, 0);
  editor->RichEdit1()->setFocus();
  Button("SpeedButton5")->click();
  EXPECT_EQ(dialogs.printedTitles, QStringList{HomePath("a.txt")});
}

TEST_F(Mainform, SaveAllSavesEveryRegisteredEditor) {
  TMainform& mainform = Start();
  Type(mainform.OpenSourceFile(Write("a.txt", "a")), "A");
  Type(mainform.OpenSourceFile(Write("b.txt", "b")), "B");
  Button("SpeedButton4")->click();
  EXPECT_EQ(Read(HomePath("a.txt")), "A\r\n");
  EXPECT_EQ(Read(HomePath("b.txt")), "B\r\n");
}

struct ShutdownCase {
  Dialogs::Answer answer;
  bool closes;
  QByteArray fileAfterwards;
};

class MainformShutdown : public WorkbenchTest, public testing::WithParamInterface<ShutdownCase> {};

TEST_P(MainformShutdown, AsksAboutAModifiedEditor) {
  TMainform& mainform = Start();
  const QString file = Write("prog.asm", "old\n");
  TEditform* editor = mainform.OpenSourceFile(file);
  Type(editor, "new");
  dialogs.answers = {GetParam().answer};
  EXPECT_EQ(mainform.close(), GetParam().closes);
  EXPECT_EQ(dialogs.messages, QStringList{"ask: File TAV Assembler file: prog.asm has changed, Save?"});
  EXPECT_EQ(Read(file), GetParam().fileAfterwards);
  EXPECT_EQ(Read(HomePath("filenams.~zp")), GetParam().closes ? (file + "\n").toUtf8() : QByteArray());
  EXPECT_EQ(mainform.Editors().At(1) != nullptr, !GetParam().closes);
}

INSTANTIATE_TEST_SUITE_P(Mainform, MainformShutdown,
                         testing::Values(ShutdownCase{Dialogs::Answer::Yes, true, "new\r\n"},
                                         ShutdownCase{Dialogs::Answer::No, true, "old\n"},
                                         ShutdownCase{Dialogs::Answer::Cancel, false, "old\n"}));

TEST_F(Mainform, ShutdownWritesTheOptionsFileWhenAsked) {
  TMainform& mainform = Start();
  mainform.Settings().environment.saveOptionsOnExit = true;
  EXPECT_TRUE(mainform.close());
  EXPECT_EQ(dialogs.messages, QStringList{"info: Configuration stored in " + Home()});
  EXPECT_TRUE(Read(HomePath("options.~ds")).startsWith("//environment options\nWD = "));
}

TEST_F(Mainform, ShutdownClosesTheWindowsOfItsOwn) {
  TMainform& mainform = Start();
  mainform.NewFileClick();
  TEditform* editor = mainform.NewSourceFile(EditKind::TextFile);
  EditorItem(editor, "Find")->trigger();
  const QList<QWidget*> windows = {mainform.findChild<TNewfileForm*>(), editor->Commands().FindDialog().window()};
  for (const QWidget* window : windows) ASSERT_TRUE(window->isVisible());
  EXPECT_TRUE(mainform.close());
  for (const QWidget* window : windows) EXPECT_FALSE(window->isVisible());
}

TEST_F(Mainform, UntitledEditorWhoseSaveIsCancelledStaysOpen) {
  TMainform& mainform = Start();
  TEditform* editor = mainform.NewSourceFile(EditKind::AssemblerSource);
  Type(editor, "text");
  dialogs.answers = {Dialogs::Answer::Yes};
  EXPECT_FALSE(mainform.close());
  EXPECT_EQ(Slot(1), editor);
  EXPECT_TRUE(editor->IsModified());
}

// ---- The open-file list ----------------------------------------------------------------------

TEST_F(Mainform, ClosedFilesAreOfferedForReopeningInEveryMenu) {
  TMainform& mainform = Start();
  const QString file = Write("a.txt", "a");
  mainform.OpenSourceFile(file)->close();
  QAction* item = Item("source1");
  EXPECT_EQ(item->text(), file);
  EXPECT_TRUE(item->isVisible());
  EXPECT_FALSE(Item("source2")->isVisible());
  TEditform* editor = mainform.NewSourceFile(EditKind::TextFile);
  EXPECT_EQ(EditorItem(editor, "source1")->text(), file);
  EXPECT_TRUE(EditorItem(editor, "source1")->isVisible());

  EditorItem(editor, "source1")->trigger();
  EXPECT_EQ(Slot(2)->FileName(), file);
  EXPECT_FALSE(Item("source1")->isVisible());
  EXPECT_FALSE(EditorItem(editor, "source1")->isVisible());
}

TEST_F(Mainform, ReopeningAVanishedFileDropsIt) {
  TMainform& mainform = Start();
  const QString file = Write("a.txt", "a");
  mainform.OpenSourceFile(file)->close();
  QFile::remove(file);
  Item("source1")->trigger();
  EXPECT_EQ(dialogs.messages, QStringList{"error: can't open file: " + file});
  EXPECT_EQ(mainform.Recent().Count(), 0);
}

// ---- Menus and layout --------------------------------------------------------------------------

TEST_F(Mainform, ActiveEditorsFileAndEditMenusStandInForTheMainWindows) {
  TMainform& mainform = Start();
  const auto visibleMenus = [&mainform] {
    QStringList titles;
    for (const QAction* action : mainform.menuBar()->actions()) {
      if (action->isVisible()) titles << action->menu()->objectName() + (qobject_cast<TEditform*>(action->menu()->parent()) ? "*" : "");
    }
    return titles;
  };
  EXPECT_EQ(visibleMenus(), QStringList({"FileMenu", "EditMenu", "ViewMenu", "OptionsMenu", "WindowMenu", "HelpMenu"}));
  TEditform* editor = mainform.NewSourceFile(EditKind::TextFile);
  mainform.MdiArea()->setActiveSubWindow(editor);
  EXPECT_EQ(visibleMenus(), QStringList({"FileMenu*", "EditMenu*", "ViewMenu", "OptionsMenu", "WindowMenu", "HelpMenu"}));
  editor->close();
  QCoreApplication::processEvents();
  EXPECT_EQ(visibleMenus(), QStringList({"FileMenu", "EditMenu", "ViewMenu", "OptionsMenu", "WindowMenu", "HelpMenu"}));
}

TEST_F(Mainform, DistributePlacesTheProjectEditorAndStoredBoundsComeBack) {
  TMainform& mainform = Start();
  TEditform* editor = mainform.NewSourceFile(EditKind::TextFile);
  mainform.SetProjectEditor(editor);
  editor->SetBounds({50, 60, 200, 100});
  Item("Distribute1")->trigger();
  EXPECT_EQ(editor->geometry(), QRect(0, 0, 350, 324));

  editor->SetBounds({30, 40, 300, 200});
  Item("Storedistribution1")->trigger();
  editor->SetBounds({5, 5, 100, 100});
  Item("Distribute1")->trigger();
  EXPECT_EQ(editor->geometry(), QRect(30, 40, 300, 200));
}

// ---- Options -------------------------------------------------------------------------------------

TEST_F(Mainform, SaveAllOptionsWritesTheFileAndConfirms) {
  TMainform& mainform = Start();
  mainform.Settings().assembler.programStart = 256;
  Item("Saveoptions")->trigger();
  EXPECT_EQ(dialogs.messages, QStringList{"info: Configuration stored in " + Home()});
  EXPECT_TRUE(Read(HomePath("options.~ds")).contains("PS = 256\t\t //assembler startadres(default)\n"));
}

TEST_F(Mainform, OptionsFileGoesToTheWorkingDirectoryWhenTheHomeDirectoryRefusesIt) {
  TMainform& mainform = Start();
  mainform.Settings().environment.homeDir = ToPath(HomePath("missing"));
  Item("Saveoptions")->trigger();
  EXPECT_EQ(dialogs.messages, QStringList{"info: Configuration stored in " + HomePath("sources")});
  mainform.Settings().environment.workingDir = ToPath(HomePath("missing too"));
  Item("Saveoptions")->trigger();
  EXPECT_EQ(dialogs.messages.last(), "error: Cannot write file 'options.~ds'");
}

// ---- Help ------------------------------------------------------------------------------------------

TEST_F(Mainform, HelpWithoutItsFileSaysSo) {
  Start();
  Item("TopicSearch1")->trigger();
  EXPECT_EQ(dialogs.messages, QStringList{"error: Help file " + QDir::toNativeSeparators(HomePath(TMainform::kHelpFile)) + " not found"});
}

}  // namespace
}  // namespace tav2
