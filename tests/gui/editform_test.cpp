#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QFile>
#include <QMdiArea>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QToolButton>

#include "gui/editor/teditform.h"
#include "gui/editor/bgrcolour.h"
#include "gui/editor/coretext.h"
#include "gui/editor/editcommands.h"
#include "workbenchtest.h"

namespace tav2 {
namespace {

class Editform : public test::WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    Start();
  }

  TEditform* Open(const QString& name, const QByteArray& bytes) { return Main().OpenSourceFile(Write(name, bytes)); }

  static void Select(TEditform* editor, int start, int end) {
    QTextCursor cursor = editor->RichEdit1()->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    editor->RichEdit1()->setTextCursor(cursor);
  }

  static void Click(QWidget* widget) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
  }

  static bool Shown(const TEditform* editor, const char* name) {
    return !Control<QWidget>(editor, name)->isHidden() && !Control<QWidget>(editor, "Panel3")->isHidden();
  }
};

// ---- The kinds ------------------------------------------------------------------------

struct KindCase {
  QString file;
  EditKind kind;
  QString caption;
  uint32_t background;
  bool toolBar;
  bool make;
  QString makeHint;
  QString loadHint;
  bool go;
  bool colouringIndicator;
  bool fontItem;
  bool readOnly;
  bool colouring;
};

class EditformKinds : public Editform, public testing::WithParamInterface<KindCase> {};

TEST_P(EditformKinds, FollowTheFilesExtension) {
  const KindCase& expected = GetParam();
  TEditform* editor = Open(expected.file, "text");
  EXPECT_EQ(editor->Kind(), expected.kind);
  EXPECT_EQ(editor->windowTitle(), expected.caption);
  EXPECT_EQ(editor->RichEdit1()->palette().color(QPalette::Base), ColourFromBgr(expected.background));
  EXPECT_EQ(!Control<QWidget>(editor, "Panel3")->isHidden(), expected.toolBar);
  EXPECT_EQ(Shown(editor, "Makeknop"), expected.make);
  EXPECT_EQ(Shown(editor, "Loadknop"), expected.make);
  EXPECT_EQ(Shown(editor, "Goknop"), expected.go);
  EXPECT_FALSE(Shown(editor, "breakpointknop"));
  EXPECT_FALSE(Shown(editor, "Herstelknop"));
  EXPECT_EQ(Shown(editor, "syncolvenster"), expected.colouringIndicator);
  if (expected.make) {
    EXPECT_EQ(Control<QWidget>(editor, "Makeknop")->toolTip(), expected.makeHint);
    EXPECT_EQ(Control<QWidget>(editor, "Loadknop")->toolTip(), expected.loadHint);
  }
  EXPECT_EQ(EditorItem(editor, "Font")->isEnabled(), expected.fontItem);
  EXPECT_EQ(editor->RichEdit1()->isReadOnly(), expected.readOnly);
  EXPECT_EQ(editor->Options().syntaxColoring, expected.colouring);
  const TParserparent* translator = expected.kind == EditKind::AssemblerSource ? static_cast<TParserparent*>(&Main().Assembler())
                                    : expected.kind == EditKind::MicrocodeSource
                                        ? static_cast<TParserparent*>(&Main().McParser())
                                        : nullptr;
  EXPECT_EQ(editor->Translator(), translator);
  EXPECT_FALSE(editor->RichEdit1()->isHidden());
}

INSTANTIATE_TEST_SUITE_P(
    Editform, EditformKinds,
    testing::Values(KindCase{"prog.asm", EditKind::AssemblerSource, "TAV Assembler file: prog.asm", 0xE1FFFF, true,
                             true, "Assemble program", "Load program in main memory", true, true, false, false, true},
                    KindCase{"listing.~zj", EditKind::AssemblerListing, "Assembler output", 0xC0C0C0, false, false,
                             "", "", false, false, true, true, true},
                    KindCase{"defs.MCA", EditKind::MicrocodeSource, "Micro Code Source: defs.MCA", 0xE1FFFF, true,
                             true, "Assemble microcode", "Load microcode to MCROM", false, true, false, false, true},
                    KindCase{"notes.txt", EditKind::TextFile, "Textfile: notes.txt", 0xFFFFFF, true, false, "", "",
                             false, false, true, false, false}));

TEST_F(Editform, TextControlTakesItsFontMarginAndTheDefaultOptions) {
  Main().Settings().editor.options.tabNumber = 4;
  TEditform* editor = Open("a.txt", "a");
  const QPlainTextEdit* text = editor->RichEdit1();
  EXPECT_EQ(text->font().family(), "Courier New");
  EXPECT_EQ(text->font().pointSize(), 10);
  EXPECT_EQ(text->document()->documentMargin(), 6);
  EXPECT_EQ(editor->Options().tabNumber, 4);
  EXPECT_EQ(text->tabStopDistance(), 4 * QFontMetricsF(text->font()).horizontalAdvance('n'));
  EXPECT_FALSE(editor->IsModified());
}

// ---- Loading and saving -------------------------------------------------------------------

TEST_F(Editform, LoadingTakesEveryKindOfLineEnd) {
  TEditform* editor = Open("mixed.txt", "one\r\ntwo\nthree\rfour\r\n");
  EXPECT_EQ(editor->RichEdit1()->toPlainText(), "one\ntwo\nthree\nfour");
  EXPECT_FALSE(editor->IsModified());
}

TEST_F(Editform, SavingWritesCrLfLinesWithoutBackup) {
  const QString file = Write("prog.asm", "a\nb\n");
  TEditform* editor = Main().OpenSourceFile(file);
  Type(editor, "one\ntwo");
  ASSERT_TRUE(editor->IsModified());
  EditorItem(editor, "Save1")->trigger();
  EXPECT_EQ(Read(file), "one\r\ntwo\r\n");
  EXPECT_FALSE(editor->IsModified());
  EXPECT_FALSE(QFile::exists(HomePath("prog.bak")));
}

TEST_F(Editform, SavingWithBackupsKeepsThePreviousVersion) {
  Main().Settings().environment.createBakFiles = true;
  Write("prog.bak", "older");
  const QString file = Write("prog.asm", "first\r\n");
  TEditform* editor = Main().OpenSourceFile(file);
  Type(editor, "second");
  editor->SaveFileClick();
  EXPECT_EQ(Read(HomePath("prog.bak")), "first\r\n");
  Type(editor, "third");
  editor->SaveFileClick();
  EXPECT_EQ(Read(HomePath("prog.bak")), "second\r\n");
  EXPECT_EQ(Read(file), "third\r\n");
}

TEST_F(Editform, FileThatIsItsOwnBackupIsSavedWithoutLosingIt) {
  Main().Settings().environment.createBakFiles = true;
  const QString file = Write("notes.bak", "old\r\n");
  TEditform* editor = Main().OpenSourceFile(file);
  Type(editor, "new");
  editor->SaveFileClick();
  EXPECT_EQ(Read(file), "new\r\n");
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

// The text holds one byte per character; every file comes back byte for
// byte after a load and a save.
TEST_F(Editform, SavingKeepsTheBytesOfEveryEncoding) {
  const struct {
    QByteArray bytes;
    QString shown;
  } cases[] = {
      {"caf\xE9 \xFF\r\n", QString::fromUtf8("caf\u00E9 \u00FF")},       // Latin-1
      {"no\xA0" "break\r\n", QString::fromUtf8("no\u00A0" "break")},       // no-break space kept
      {"caf\xC3\xA9\r\n", QString::fromUtf8("caf\u00E9")},               // UTF-8 that fits Latin-1
      {"a\xE2\x80\x94z\r\n", QString::fromLatin1("a\xE2\x80\x94z")},  // UTF-8 beyond it: its bytes
  };
  for (const auto& c : cases) {
    const QString file = Write("enc.txt", c.bytes);
    TEditform* editor = Main().OpenSourceFile(file);
    EXPECT_EQ(CoreText::PlainText(*editor->RichEdit1()), c.shown) << c.bytes.toHex().constData();
    editor->SaveFileClick();
    EXPECT_EQ(Read(file), c.bytes);
    editor->close();
  }
}

TEST_F(Editform, CharactersBeyondLatin1BecomeAQuestionMarkWhenTyped) {
  TEditform* editor = Open("a.txt", "x");
  Type(editor, QString::fromUtf8("a\u2192b\U0001F600c"));
  QCoreApplication::processEvents();
  EXPECT_EQ(editor->RichEdit1()->toPlainText(), "a?b?c");
  EXPECT_EQ(editor->RichEdit1()->textCursor().position(), 5);
}

TEST_F(Editform, SaveFailureIsReportedAndTheTextStaysModified) {
  TEditform* editor = Open("gone/x.txt", "x");
  QDir(HomePath("gone")).removeRecursively();
  Type(editor, "y");
  editor->SaveFileClick();
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_TRUE(dialogs.messages[0].startsWith("error: Cannot create file \"" + HomePath("gone/x.txt") + "\"."));
  EXPECT_TRUE(editor->IsModified());
}

TEST_F(Editform, SavingAnUntitledFileAsksForAName) {
  TEditform* editor = Main().NewSourceFile(EditKind::AssemblerSource);
  Type(editor, "x");
  QDir().mkpath(HomePath("work"));
  dialogs.fileNames = {HomePath("work/prog")};
  EditorItem(editor, "Save1")->trigger();
  ASSERT_EQ(dialogs.fileRequests.size(), 1u);
  EXPECT_EQ(dialogs.fileRequests[0].kind, "save");
  EXPECT_EQ(dialogs.fileRequests[0].place, "noname1.asm");
  EXPECT_EQ(dialogs.fileRequests[0].filterIndex, 1);
  EXPECT_EQ(dialogs.fileRequests[0].filters, TEditform::kSaveFilters);
  EXPECT_EQ(editor->FileName(), HomePath("work/prog.asm"));
  EXPECT_EQ(Read(HomePath("work/prog.asm")), "x\r\n");
  EXPECT_EQ(editor->windowTitle(), "TAV Assembler file: prog.asm");
}

struct SaveAsCase {
  QString chosen;
  int fileType;
  QString saved;
  EditKind kind;
};

class EditformSaveAs : public Editform, public testing::WithParamInterface<SaveAsCase> {};

TEST_P(EditformSaveAs, ForcesTheExtensionOfTheFileType) {
  TEditform* editor = Open("start.txt", "body");
  dialogs.fileNames = {HomePath(GetParam().chosen)};
  dialogs.filterIndexes = {GetParam().fileType};
  EditorItem(editor, "Saveas1")->trigger();
  EXPECT_EQ(dialogs.fileRequests[0].filterIndex, 3);
  EXPECT_EQ(editor->FileName(), HomePath(GetParam().saved));
  EXPECT_EQ(Read(HomePath(GetParam().saved)), "body\r\n");
  EXPECT_EQ(editor->Kind(), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(Editform, EditformSaveAs,
                         testing::Values(SaveAsCase{"x.txt", 1, "x.asm", EditKind::AssemblerSource},
                                         SaveAsCase{"x.asm", 2, "x.mca", EditKind::MicrocodeSource},
                                         SaveAsCase{"x.asm", 3, "x.txt", EditKind::TextFile},
                                         SaveAsCase{"x.txt", 4, "x.txt", EditKind::TextFile},
                                         SaveAsCase{"x.dat", 4, "x.dat", EditKind::TextFile}));

TEST_F(Editform, SaveAsOntoAnExistingFileAsksFirst) {
  TEditform* editor = Open("start.txt", "body");
  const QString existing = Write("taken.txt", "keep");
  dialogs.fileNames = {existing};
  dialogs.answers = {Dialogs::Answer::No};
  editor->SaveFileAsClick();
  EXPECT_EQ(dialogs.messages, QStringList{"ask: Overwrite existing file " + existing + "?"});
  EXPECT_EQ(editor->FileName(), HomePath("start.txt"));
  EXPECT_EQ(Read(existing), "keep");

  dialogs.fileNames = {existing};
  dialogs.answers = {Dialogs::Answer::Yes};
  editor->SaveFileAsClick();
  EXPECT_EQ(editor->FileName(), existing);
  EXPECT_EQ(Read(existing), "body\r\n");
}

TEST_F(Editform, SourceSavedAsTextAndBackShowsItsBuildButtonsAgain) {
  TEditform* editor = Open("prog.asm", "x");
  dialogs.fileNames = {HomePath("prog.txt"), HomePath("prog2.asm")};
  dialogs.filterIndexes = {3, 1};
  editor->SaveFileAsClick();
  EXPECT_FALSE(Shown(editor, "Makeknop"));
  EXPECT_FALSE(editor->Options().syntaxColoring);
  editor->SaveFileAsClick();
  EXPECT_TRUE(Shown(editor, "Makeknop"));
  EXPECT_TRUE(Shown(editor, "Goknop"));
  EXPECT_EQ(editor->windowTitle(), "TAV Assembler file: prog2.asm");
}

struct CloseCase {
  Dialogs::Answer answer;
  bool closes;
};

class EditformClosing : public Editform, public testing::WithParamInterface<CloseCase> {};

TEST_P(EditformClosing, AsksAboutUnsavedChangesAndNeverWritesOnNo) {
  const QString file = Write("a.txt", "a");
  TEditform* editor = Main().OpenSourceFile(file);
  Type(editor, "changed");
  dialogs.answers = {GetParam().answer};
  EditorItem(editor, "Close1")->trigger();
  EXPECT_EQ(dialogs.messages, QStringList{"ask: File Textfile: a.txt has changed, Save?"});
  EXPECT_EQ(Read(file), "a");
  EXPECT_EQ(Main().Editors().At(1) == nullptr, GetParam().closes);
  if (!GetParam().closes) {
    EXPECT_TRUE(editor->IsModified());
  }
}

INSTANTIATE_TEST_SUITE_P(Editform, EditformClosing,
                         testing::Values(CloseCase{Dialogs::Answer::No, true}, CloseCase{Dialogs::Answer::Cancel, false}));

TEST_F(Editform, UnmodifiedEditorClosesWithoutQuestion) {
  TEditform* editor = Open("a.txt", "a");
  EditorItem(editor, "Exit1")->trigger();
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_EQ(Main().Editors().At(1), nullptr);
}

// ---- Insert file and Selection to file ------------------------------------------------------

TEST_F(Editform, InsertFileTakesLfLinesAndSelectsWhatItInserted) {
  TEditform* editor = Open("a.txt", "AB");
  Select(editor, 1, 1);
  dialogs.fileNames = {Write("part.txt", "x\ny\n")};
  EditorItem(editor, "Insertfile")->trigger();
  EXPECT_EQ(dialogs.fileRequests[0].kind, "open");
  EXPECT_EQ(dialogs.fileRequests[0].filterIndex, 3);
  EXPECT_EQ(Main().OpenFilterIndex(), 1);
  EXPECT_EQ(editor->RichEdit1()->toPlainText(), "Ax\ny\nB");
  const QTextCursor cursor = editor->RichEdit1()->textCursor();
  EXPECT_EQ(cursor.selectionStart(), 1);
  EXPECT_EQ(cursor.selectionEnd(), 5);
  editor->SaveFileClick();
  EXPECT_EQ(Read(HomePath("a.txt")), "Ax\r\ny\r\nB\r\n");
}

TEST_F(Editform, InsertFileReplacesTheSelection) {
  TEditform* editor = Open("a.txt", "A--B");
  Select(editor, 1, 3);
  dialogs.fileNames = {Write("part.txt", "x\r\n")};
  editor->InsertfileClick();
  EXPECT_EQ(editor->RichEdit1()->toPlainText(), "Ax\nB");
}

TEST_F(Editform, TheListingTakesNoInsertedFile) {
  TEditform* editor = Open("assembler output.~zj", "listing");
  EXPECT_FALSE(EditorItem(editor, "Insertfile")->isEnabled());
  dialogs.fileNames = {Write("more.txt", "more")};
  editor->InsertfileClick();
  EXPECT_EQ(editor->RichEdit1()->toPlainText(), "listing");
}

TEST_F(Editform, InsertFileThatCannotBeReadInsertsNothing) {
  TEditform* editor = Open("a.txt", "AB");
  dialogs.fileNames = {HomePath("missing.txt")};
  editor->InsertfileClick();
  EXPECT_EQ(dialogs.messages, QStringList{"error: File not found"});
  EXPECT_EQ(editor->RichEdit1()->toPlainText(), "AB");
}

TEST_F(Editform, SelectionToFileWritesTheSelectionWithCrLf) {
  TEditform* editor = Open("a.txt", "a\nb\nc\nd");
  Select(editor, 2, 5);
  dialogs.fileNames = {HomePath("block.txt")};
  EditorItem(editor, "Writeblock")->trigger();
  ASSERT_EQ(dialogs.fileRequests.size(), 1u);
  EXPECT_EQ(dialogs.fileRequests[0].place, "*.txt");
  EXPECT_EQ(dialogs.fileRequests[0].filterIndex, 3);
  EXPECT_TRUE(dialogs.fileRequests[0].confirmOverwrite);
  EXPECT_EQ(Read(HomePath("block.txt")), "b\r\nc");
  EXPECT_EQ(editor->FileName(), HomePath("a.txt"));
  EXPECT_EQ(editor->SaveFilterIndex(), 1);
}

TEST_F(Editform, SelectionToAnUnwritableFileIsReported) {
  TEditform* editor = Open("a.txt", "abc");
  Select(editor, 0, 2);
  dialogs.fileNames = {HomePath("no/such/dir/block.txt")};
  editor->WriteblockClick();
  EXPECT_EQ(dialogs.messages, QStringList{"error: File can not be opened"});
}

// ---- Print and Font ------------------------------------------------------------------------------

TEST_F(Editform, PrintTitlesTheDocumentWithTheFileName) {
  TEditform* editor = Open("a.txt", "abc");
  EditorItem(editor, "Print1")->trigger();
  EXPECT_EQ(dialogs.printedTitles, QStringList{HomePath("a.txt")});
}

TEST_F(Editform, FontChosenForTheTextSwitchesColouringOff) {
  TEditform* editor = Open("out.~zj", "abc");
  ASSERT_TRUE(editor->Options().syntaxColoring);
  dialogs.font = QFont("Monospace", 14);
  EditorItem(editor, "Font")->trigger();
  EXPECT_EQ(editor->RichEdit1()->font().pointSize(), 14);
  EXPECT_FALSE(editor->Options().syntaxColoring);
}

// ---- The word at the caret ------------------------------------------------------------------------

struct WordCase {
  QString text;
  int start;
  int end;
  QString word;
};

class EditformWordAtCursor : public Editform, public testing::WithParamInterface<WordCase> {};

TEST_P(EditformWordAtCursor, IsTheSelectionOrTheWordAtTheCaret) {
  TEditform* editor = Main().NewSourceFile(EditKind::TextFile);
  Type(editor, GetParam().text);
  Select(editor, GetParam().start, GetParam().end);
  EXPECT_EQ(editor->WordAtCursor(), GetParam().word);
}

INSTANTIATE_TEST_SUITE_P(Editform, EditformWordAtCursor,
                         testing::Values(WordCase{"MOVE R1\nLOAD", 12, 12, "LOAD"},
                                         WordCase{"MOVE R1\nLOAD\nX", 12, 12, "LOAD"},
                                         WordCase{"a  b", 2, 2, ""}, WordCase{"#inc_1 x", 3, 3, "#inc_1"},
                                         WordCase{QString(60, 'w'), 0, 60, QString(50, 'w')},
                                         WordCase{QString::fromUtf8("\u00e9t\u00e9 ab"), 1, 3, QString::fromUtf8("t\u00e9")},
                                         WordCase{QString::fromUtf8("\u00e9x"), 2, 2, "x"}));

// ---- The indicators --------------------------------------------------------------------------------

TEST_F(Editform, PositionIndicatorShowsLineAndColumn) {
  TEditform* editor = Open("a.txt", "first\nsecond\nthird line");
  const auto* position = Control<QLabel>(editor, "positievenster");
  Main().MdiArea()->setActiveSubWindow(editor);
  EXPECT_EQ(position->text(), "  1:  1");
  Select(editor, 17, 17);
  EXPECT_EQ(position->text(), "  3:  5");
}

TEST_F(Editform, IndicatorsKeepTheirDistanceFromTheRightEdge) {
  TEditform* editor = Open("a.asm", "x");
  editor->resize(500, 300);
  const int width = Control<QWidget>(editor, "Panel3")->width();
  EXPECT_EQ(Control<QWidget>(editor, "syncolvenster")->x(), width - 162);
  EXPECT_EQ(Control<QWidget>(editor, "insertvenster")->x(), width - 134);
  EXPECT_EQ(Control<QWidget>(editor, "positievenster")->x(), width - 98);
  EXPECT_EQ(Control<QWidget>(editor, "wrapvenster")->x(), width - 41);
  EXPECT_EQ(Control<QLabel>(editor, "syncolvenster")->text(), "##");
  EXPECT_EQ(Control<QLabel>(editor, "syncolvenster")->toolTip(), "Syntax coloring");
  EXPECT_EQ(Control<QLabel>(editor, "insertvenster")->text(), " INS");
  EXPECT_EQ(Control<QLabel>(editor, "wrapvenster")->text(), "WRP");
}

TEST_F(Editform, ColouringIndicatorSwitchesColouringAndWordWrapFollows) {
  TEditform* editor = Open("a.asm", "x");
  auto* colouring = Control<QLabel>(editor, "syncolvenster");
  auto* wrap = Control<QLabel>(editor, "wrapvenster");
  EXPECT_TRUE(colouring->font().bold());
  EXPECT_EQ(colouring->palette().color(QPalette::WindowText), ColourFromBgr(0x800080));
  Click(wrap);
  EXPECT_FALSE(editor->Options().wordWrap);

  Click(colouring);
  EXPECT_FALSE(editor->Options().syntaxColoring);
  EXPECT_FALSE(colouring->font().bold());
  EXPECT_EQ(colouring->palette().color(QPalette::WindowText), ColourFromBgr(0x808080));
  EXPECT_EQ(wrap->cursor().shape(), Qt::PointingHandCursor);
  Click(wrap);
  EXPECT_TRUE(editor->Options().wordWrap);
  EXPECT_EQ(editor->RichEdit1()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
  EXPECT_EQ(wrap->palette().color(QPalette::WindowText), QColor(Qt::black));

  Click(colouring);
  EXPECT_TRUE(editor->Options().syntaxColoring);
  EXPECT_FALSE(editor->Options().wordWrap);
  EXPECT_EQ(editor->RichEdit1()->lineWrapMode(), QPlainTextEdit::NoWrap);
}

TEST_F(Editform, InsertModeShowsInTheIndicator) {
  TEditform* editor = Open("a.txt", "x");
  editor->Commands().ToggleInsertMode();
  EXPECT_EQ(Control<QLabel>(editor, "insertvenster")->text(), "OVR");
  EXPECT_TRUE(editor->RichEdit1()->overwriteMode());
}

// ---- Menus ---------------------------------------------------------------------------------------------

struct EditorItemCase {
  const char* name;
  QString caption;
  QKeySequence shortcut = {};
};

class EditformItems : public Editform, public testing::WithParamInterface<EditorItemCase> {};

TEST_P(EditformItems, CarryTheirCaptionAndShortcut) {
  const TEditform* editor = Open("a.txt", "x");
  const QAction* item = EditorItem(editor, GetParam().name);
  ASSERT_NE(item, nullptr) << GetParam().name;
  EXPECT_EQ(item->text(), GetParam().caption);
  EXPECT_EQ(item->shortcut(), GetParam().shortcut);
}

INSTANTIATE_TEST_SUITE_P(
    Editform, EditformItems,
    testing::Values(
        EditorItemCase{"TextFile1", "Text File"}, EditorItemCase{"AssmblerFile1", "Assembler File"},
        EditorItemCase{"MicrocodeFile1", "Microcode File"}, EditorItemCase{"Open1", "&Open..."},
        EditorItemCase{"Save1", "&Save", QKeySequence("Ctrl+S")}, EditorItemCase{"Saveas1", "S&ave as..."},
        EditorItemCase{"Print1", "&Print"}, EditorItemCase{"Close1", "&Close"},
        EditorItemCase{"SaveAll1", "Save All"}, EditorItemCase{"CloseAll1", "Close all"},
        EditorItemCase{"Exit1", "Exit"}, EditorItemCase{"Undo", "Undo ", QKeySequence("Ctrl+Z")},
        EditorItemCase{"UndoUndo1", "Cancel undo's"}, EditorItemCase{"Find", "&Find", QKeySequence("Ctrl+F")},
        EditorItemCase{"Replace", "&Replace", QKeySequence("Ctrl+R")},
        EditorItemCase{"FindNext1", "Search &Again", QKeySequence("F3")},
        EditorItemCase{"Cut", "Cu&t", QKeySequence("Ctrl+X")}, EditorItemCase{"Copy", "&Copy", QKeySequence("Ctrl+C")},
        EditorItemCase{"Paste", "&Paste", QKeySequence("Ctrl+V")}, EditorItemCase{"Delete", "&Delete"},
        EditorItemCase{"Selectall", "&Select all", QKeySequence("Ctrl+A")},
        EditorItemCase{"FlipCase1", "Re&vert Case", QKeySequence("Ctrl+U")},
        EditorItemCase{"Matchingbracket1", "Match &Bracket", QKeySequence("Ctrl+B")},
        EditorItemCase{"Blocktoright", "Indent Selection", QKeySequence("Ctrl+I")},
        EditorItemCase{"Blocktoleft", "Unindent Selection", QKeySequence("Ctrl+J")},
        EditorItemCase{"Insertfile", "&Insert file"}, EditorItemCase{"Writeblock", "Se&lection to file"},
        EditorItemCase{"Font", "F&ont"}, EditorItemCase{"Options1", "&Options"},
        EditorItemCase{"menu_Undo", "Undo", QKeySequence("Ctrl+Z")}, EditorItemCase{"find1", "&Find"},
        EditorItemCase{"FindNext2", "Find &Next"}, EditorItemCase{"replace1", "&Replace"},
        EditorItemCase{"Cut1", "Cu&t"}, EditorItemCase{"copy1", "&Copy"}, EditorItemCase{"paste1", "&Paste"},
        EditorItemCase{"Delete1", "&Delete"}, EditorItemCase{"Selectall1", "&Select all"},
        EditorItemCase{"Print2", "Print"}, EditorItemCase{"More1", "More..."}));

TEST_F(Editform, PopupItemsRepeatTheirMenuItems) {
  TEditform* editor = Open("a.txt", "abc");
  EditorItem(editor, "Selectall1")->trigger();
  EXPECT_EQ(editor->RichEdit1()->textCursor().selectedText(), "abc");
  EditorItem(editor, "Delete1")->trigger();
  EXPECT_EQ(editor->RichEdit1()->toPlainText(), "");
  EditorItem(editor, "Print2")->trigger();
  EXPECT_EQ(dialogs.printed, 1);
}

TEST_F(Editform, FileNewItemsCreateUntitledFilesThroughTheMainWindow) {
  TEditform* editor = Open("a.txt", "x");
  EditorItem(editor, "MicrocodeFile1")->trigger();
  EditorItem(editor, "AssmblerFile1")->trigger();
  EXPECT_EQ(Slot(2)->FileName(), "noname1.mca");
  EXPECT_EQ(Slot(3)->FileName(), "noname2.asm");
}

}  // namespace
}  // namespace tav2
