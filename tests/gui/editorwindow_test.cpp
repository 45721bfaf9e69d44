#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QLabel>
#include <QMdiArea>
#include <QPlainTextEdit>

#include "gui/common/bgrcolour.h"
#include "gui/editor/coretext.h"
#include "gui/editor/editcommands.h"
#include "guitest.h"
#include "support/caseprinter.h"
#include "workbenchtest.h"

namespace tav2 {
namespace {

using test::PlaceCaret;

class EditorWindowTest : public test::WorkbenchTest {
 protected:
  void SetUp() override {
    WorkbenchTest::SetUp();
    Start();
  }
  static void Select(EditorWindow* editor, int start, int end) {
    PlaceCaret(editor->Text(), start, end - start);
  }
  static bool Shown(const EditorWindow* editor, const char* name) {
    return !Control<QWidget>(editor, name)->isHidden() && !Control<QWidget>(editor, "Panel3")->isHidden();
  }
};

// ---- The kinds ------------------------------------------------------------------------

TEST_F(EditorWindowTest, KindFollowsTheFilesExtension) {
  const struct {
    QString file;
    EditKind kind;
    QString caption;
    uint32_t background;
    bool make = false, go = false, readOnly = false, colouring = false;
  } cases[] = {
      {.file = "prog.asm",
       .kind = EditKind::AssemblerSource,
       .caption = "TAV Assembler file: prog.asm",
       .background = 0xE1FFFF,
       .make = true,
       .go = true,
       .colouring = true},
      {.file = "listing.~zj",
       .kind = EditKind::AssemblerListing,
       .caption = "Assembler output",
       .background = 0xC0C0C0,
       .readOnly = true,
       .colouring = true},
      {.file = "defs.MCA",
       .kind = EditKind::MicrocodeSource,
       .caption = "Micro Code Source: defs.MCA",
       .background = 0xE1FFFF,
       .make = true,
       .colouring = true},
      {.file = "notes.txt",
       .kind = EditKind::TextFile,
       .caption = "Textfile: notes.txt",
       .background = 0xFFFFFF},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file.toStdString());
    EditorWindow* editor = Open(c.file, "text");
    EXPECT_EQ(editor->Kind(), c.kind);
    EXPECT_EQ(editor->windowTitle(), c.caption);
    EXPECT_EQ(editor->Text()->palette().color(QPalette::Base), ColourFromBgr(c.background));
    EXPECT_EQ(Shown(editor, "Makeknop"), c.make);
    EXPECT_EQ(Shown(editor, "Loadknop"), c.make);
    EXPECT_EQ(Shown(editor, "Goknop"), c.go);
    EXPECT_EQ(Shown(editor, "syncolvenster"), c.make);
    EXPECT_FALSE(Shown(editor, "breakpointknop"));
    EXPECT_FALSE(Shown(editor, "Herstelknop"));
    EXPECT_EQ(editor->Text()->isReadOnly(), c.readOnly);
    EXPECT_EQ(editor->Options().syntaxColoring, c.colouring);
  }
}

// ---- Loading and saving -------------------------------------------------------------------

TEST_F(EditorWindowTest, LoadingTakesEveryLineEndAndSavingWritesCrLfWithoutBackup) {
  const QString file = Write("prog.asm", "one\r\ntwo\nthree\rfour\r\n");
  EditorWindow* editor = Main().OpenSourceFile(file);
  EXPECT_EQ(editor->Text()->toPlainText(), "one\ntwo\nthree\nfour");
  EXPECT_FALSE(editor->IsModified());
  Type(editor, "one\ntwo");
  ASSERT_TRUE(editor->IsModified());
  EditorItem(editor, "Save1")->trigger();
  EXPECT_EQ(Read(file), "one\r\ntwo\r\n");
  EXPECT_FALSE(editor->IsModified());
  EXPECT_FALSE(QFile::exists(HomePath("prog.bak")));
}

// Also a file that is its own backup is saved without losing it.
TEST_F(EditorWindowTest, SavingWithBackupsKeepsThePreviousVersion) {
  Main().Settings().environment.createBakFiles = true;
  Write("prog.bak", "older");
  const QString file = Write("prog.asm", "first\r\n");
  EditorWindow* editor = Main().OpenSourceFile(file);
  Type(editor, "second");
  editor->SaveFile();
  EXPECT_EQ(Read(HomePath("prog.bak")), "first\r\n");
  Type(editor, "third");
  editor->SaveFile();
  EXPECT_EQ(Read(HomePath("prog.bak")), "second\r\n");
  EXPECT_EQ(Read(file), "third\r\n");

  EditorWindow* backup = Open("notes.bak", "old\r\n");
  Type(backup, "new");
  backup->SaveFile();
  EXPECT_EQ(Read(HomePath("notes.bak")), "new\r\n");
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

// The text holds one byte per character; every file comes back byte for
// byte after a load and a save.
TEST_F(EditorWindowTest, SavingKeepsTheBytesOfEveryEncoding) {
  const struct {
    QByteArray bytes;
    QString shown;
  } cases[] = {
      {"caf\xE9 \xFF\r\n", QString::fromUtf8("caf\u00E9 \u00FF")},  // Latin-1
      {"no\xA0"
       "break\r\n",
       QString::fromUtf8("no\u00A0"
                         "break")},                                   // no-break space kept
      {"caf\xC3\xA9\r\n", QString::fromUtf8("caf\u00E9")},            // UTF-8 that fits Latin-1
      {"a\xE2\x80\x94z\r\n", QString::fromLatin1("a\xE2\x80\x94z")},  // UTF-8 beyond it: its bytes
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes.toHex().constData());
    const QString file = Write("enc.txt", c.bytes);
    EditorWindow* editor = Main().OpenSourceFile(file);
    EXPECT_EQ(CoreText::PlainText(*editor->Text()), c.shown);
    editor->SaveFile();
    EXPECT_EQ(Read(file), c.bytes);
    editor->close();
  }
}

TEST_F(EditorWindowTest, CharactersBeyondLatin1BecomeAQuestionMarkWhenTyped) {
  EditorWindow* editor = Open("a.txt", "x");
  Type(editor, QString::fromUtf8("a\u2192b\U0001F600c"));
  QCoreApplication::processEvents();
  EXPECT_EQ(editor->Text()->toPlainText(), "a?b?c");
  EXPECT_EQ(test::Caret(editor->Text()), 5);
}

TEST_F(EditorWindowTest, SaveFailureIsReportedAndTheTextStaysModified) {
  EditorWindow* editor = Open("gone/x.txt", "x");
  QDir(HomePath("gone")).removeRecursively();
  Type(editor, "y");
  editor->SaveFile();
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages[0],
            "error: Cannot save file \"" + HomePath("gone/x.txt") + "\". No such file or directory");
  EXPECT_TRUE(editor->IsModified());
}

TEST_F(EditorWindowTest, SavingAnUntitledFileAsksForAName) {
  EditorWindow* editor = NewEditor(EditKind::AssemblerSource, "x");
  QDir().mkpath(HomePath("work"));
  dialogs.fileNames = {HomePath("work/prog")};
  EditorItem(editor, "Save1")->trigger();
  ASSERT_EQ(dialogs.fileRequests.size(), 1u);
  EXPECT_EQ(dialogs.fileRequests[0].kind, "save");
  EXPECT_EQ(dialogs.fileRequests[0].place, "noname1.asm");
  EXPECT_EQ(dialogs.fileRequests[0].filterIndex, 1);
  EXPECT_EQ(dialogs.fileRequests[0].filters, EditorWindow::kSaveFilters);
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

void PrintTo(const SaveAsCase& c, std::ostream* out) {
  test::CasePrinter(out)
      .Field("chosen", c.chosen)
      .Field("fileType", c.fileType)
      .Field("saved", c.saved)
      .Field("kind", c.kind);
}

class EditorWindowSaveAs : public EditorWindowTest, public testing::WithParamInterface<SaveAsCase> {};

TEST_P(EditorWindowSaveAs, ForcesTheExtensionOfTheFileType) {
  EditorWindow* editor = Open("start.txt", "body");
  dialogs.fileNames = {HomePath(GetParam().chosen)};
  dialogs.filterIndexes = {GetParam().fileType};
  EditorItem(editor, "Saveas1")->trigger();
  EXPECT_EQ(dialogs.fileRequests[0].filterIndex, 3);
  EXPECT_EQ(editor->FileName(), HomePath(GetParam().saved));
  EXPECT_EQ(Read(HomePath(GetParam().saved)), "body\r\n");
  EXPECT_EQ(editor->Kind(), GetParam().kind);
}

// clang-format off
const SaveAsCase kSaveAsCases[] = {
    {"x.txt", 1, "x.asm", EditKind::AssemblerSource},
    {"x.asm", 2, "x.mca", EditKind::MicrocodeSource},
    {"x.asm", 3, "x.txt", EditKind::TextFile},
    {"x.txt", 4, "x.txt", EditKind::TextFile},
    {"x.dat", 4, "x.dat", EditKind::TextFile},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(EditorWindowTest, EditorWindowSaveAs, ::testing::ValuesIn(kSaveAsCases),
                         [](const testing::TestParamInfo<SaveAsCase>& test) {
                           return QString(test.param.chosen + "_type" + QString::number(test.param.fileType))
                               .replace('.', '_')
                               .toStdString();
                         });

TEST_F(EditorWindowTest, SaveAsOntoAnExistingFileAsksFirst) {
  EditorWindow* editor = Open("start.txt", "body");
  const QString existing = Write("taken.txt", "keep");
  dialogs.fileNames = {existing, existing};
  dialogs.answers = {Dialogs::Answer::No, Dialogs::Answer::Yes};
  editor->SaveFileAs();
  EXPECT_EQ(dialogs.messages, QStringList{"ask: Overwrite existing file " + existing + "?"});
  EXPECT_EQ(editor->FileName(), HomePath("start.txt"));
  EXPECT_EQ(Read(existing), "keep");
  editor->SaveFileAs();
  EXPECT_EQ(editor->FileName(), existing);
  EXPECT_EQ(Read(existing), "body\r\n");
}

// Unmodified it closes without a question; modified, No closes without
// writing and Cancel keeps it open.
TEST_F(EditorWindowTest, ClosingAsksAboutUnsavedChangesAndNeverWritesOnNo) {
  EditorItem(Open("u.txt", "u"), "Exit1")->trigger();
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_EQ(Slot(1), nullptr);

  const QString file = Write("a.txt", "a");
  EditorWindow* editor = Main().OpenSourceFile(file);
  Type(editor, "changed");
  dialogs.answers = {Dialogs::Answer::Cancel, Dialogs::Answer::No};
  EditorItem(editor, "Close1")->trigger();
  EXPECT_EQ(dialogs.messages, QStringList{"ask: File Textfile: a.txt has changed, Save?"});
  const std::optional<int> slot = Main().Editors().SlotOf(editor);
  ASSERT_TRUE(slot.has_value());
  EXPECT_TRUE(editor->IsModified());
  EditorItem(editor, "Close1")->trigger();
  EXPECT_EQ(Slot(*slot), nullptr);
  EXPECT_EQ(Read(file), "a");
}

// ---- Insert file and Selection to file ------------------------------------------------------

TEST_F(EditorWindowTest, InsertFileReplacesTheSelectionWithLfLinesAndSelectsThem) {
  EditorWindow* editor = Open("a.txt", "A--B");
  Select(editor, 1, 3);
  dialogs.fileNames = {Write("part.txt", "x\ny\n")};
  EditorItem(editor, "Insertfile")->trigger();
  EXPECT_EQ(dialogs.fileRequests[0].kind, "open");
  EXPECT_EQ(dialogs.fileRequests[0].filterIndex, 3);
  EXPECT_EQ(Main().OpenFilterIndex(), 1);
  EXPECT_EQ(editor->Text()->toPlainText(), "Ax\ny\nB");
  const QTextCursor cursor = editor->Text()->textCursor();
  EXPECT_EQ(cursor.selectionStart(), 1);
  EXPECT_EQ(cursor.selectionEnd(), 5);
  editor->SaveFile();
  EXPECT_EQ(Read(HomePath("a.txt")), "Ax\r\ny\r\nB\r\n");
}

TEST_F(EditorWindowTest, InsertFileThatCannotBeReadOrIntoTheListingInsertsNothing) {
  EditorWindow* editor = Open("a.txt", "AB");
  dialogs.fileNames = {HomePath("missing.txt")};
  editor->InsertFile();
  EXPECT_EQ(dialogs.messages, QStringList{"error: File not found"});
  EXPECT_EQ(editor->Text()->toPlainText(), "AB");

  EditorWindow* listing = Open("assembler output.~zj", "listing");
  EXPECT_FALSE(EditorItem(listing, "Insertfile")->isEnabled());
  dialogs.fileNames = {Write("more.txt", "more")};
  listing->InsertFile();
  EXPECT_EQ(listing->Text()->toPlainText(), "listing");
}

TEST_F(EditorWindowTest, SelectionToFileWritesTheSelectionWithCrLf) {
  EditorWindow* editor = Open("a.txt", "a\nb\nc\nd");
  Select(editor, 2, 5);
  dialogs.fileNames = {HomePath("block.txt"), HomePath("no/such/dir/block.txt")};
  EditorItem(editor, "Writeblock")->trigger();
  ASSERT_EQ(dialogs.fileRequests.size(), 1u);
  EXPECT_EQ(dialogs.fileRequests[0].place, "*.txt");
  EXPECT_EQ(dialogs.fileRequests[0].filterIndex, 3);
  EXPECT_TRUE(dialogs.fileRequests[0].confirmOverwrite);
  EXPECT_EQ(Read(HomePath("block.txt")), "b\r\nc");
  EXPECT_EQ(editor->FileName(), HomePath("a.txt"));
  EXPECT_EQ(editor->SaveFilterIndex(), 1);
  editor->WriteSelectionToFile();
  EXPECT_EQ(dialogs.messages, QStringList{"error: Cannot save file \"" + HomePath("no/such/dir/block.txt") +
                                          "\". No such file or directory"});
}

// The word search counts characters of one byte each, so the positions of
// the text control are those of the word search.
TEST_F(EditorWindowTest, WordAtCursorIsTheSelectionOrTheWordAtTheCaret) {
  const struct {
    QString text;
    int start, end;
    QString word;
  } cases[] = {{"MOVE R1\nLOAD\nX", 12, 12, "LOAD"},
               {QString(60, 'w'), 0, 60, QString(50, 'w')},
               {QString::fromUtf8("\u00e9t\u00e9 ab"), 1, 3, QString::fromUtf8("t\u00e9")},
               {QString::fromUtf8("\u00e9x"), 2, 2, "x"}};
  EditorWindow* editor = Main().NewSourceFile(EditKind::TextFile);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.toStdString());
    Type(editor, c.text);
    Select(editor, c.start, c.end);
    EXPECT_EQ(editor->WordAtCursor(), c.word);
  }
}

// ---- The indicators --------------------------------------------------------------------------------

TEST_F(EditorWindowTest, PositionAndInsertIndicators) {
  EditorWindow* editor = Open("a.txt", "first\nsecond\nthird line");
  const auto* position = Control<QLabel>(editor, "positievenster");
  Main().MdiArea()->setActiveSubWindow(editor);
  EXPECT_EQ(position->text(), "  1:  1");
  Select(editor, 17, 17);
  EXPECT_EQ(position->text(), "  3:  5");
  EXPECT_EQ(Control<QLabel>(editor, "insertvenster")->text(), " INS");
  editor->Commands().ToggleInsertMode();
  EXPECT_EQ(Control<QLabel>(editor, "insertvenster")->text(), "OVR");
  EXPECT_TRUE(editor->Text()->overwriteMode());
}

TEST_F(EditorWindowTest, ColouringIndicatorSwitchesColouringAndWordWrapFollows) {
  EditorWindow* editor = Open("a.asm", "x");
  auto* colouring = Control<QLabel>(editor, "syncolvenster");
  auto* wrap = Control<QLabel>(editor, "wrapvenster");
  EXPECT_EQ(colouring->text(), "##");
  EXPECT_EQ(wrap->text(), "WRP");
  EXPECT_TRUE(colouring->font().bold());
  EXPECT_EQ(colouring->palette().color(QPalette::WindowText), ColourFromBgr(0x800080));
  test::ClickAt(wrap);
  EXPECT_FALSE(editor->Options().wordWrap);

  test::ClickAt(colouring);
  EXPECT_FALSE(editor->Options().syntaxColoring);
  EXPECT_FALSE(colouring->font().bold());
  EXPECT_EQ(colouring->palette().color(QPalette::WindowText), ColourFromBgr(0x808080));
  test::ClickAt(wrap);
  EXPECT_TRUE(editor->Options().wordWrap);
  EXPECT_EQ(editor->Text()->lineWrapMode(), QPlainTextEdit::WidgetWidth);

  test::ClickAt(colouring);
  EXPECT_TRUE(editor->Options().syntaxColoring);
  EXPECT_FALSE(editor->Options().wordWrap);
  EXPECT_EQ(editor->Text()->lineWrapMode(), QPlainTextEdit::NoWrap);
}

// ---- Menus ---------------------------------------------------------------------------------------------

// A few of the captions users see and the shortcuts that matter.
TEST_F(EditorWindowTest, ItemsCarryTheirCaptionAndShortcut) {
  const EditorWindow* editor = Open("a.txt", "x");
  const struct {
    const char* name;
    QString caption;
    QKeySequence shortcut;
  } items[] = {{"Save1", "&Save", QKeySequence("Ctrl+S")},
               {"Undo", "Undo ", QKeySequence("Ctrl+Z")},
               {"UndoUndo1", "Cancel undo's", {}},
               {"FindNext1", "Search &Again", QKeySequence("F3")},
               {"Blocktoright", "Indent Selection", QKeySequence("Ctrl+I")}};
  for (const auto& item : items) {
    ASSERT_NE(EditorItem(editor, item.name), nullptr) << item.name;
    EXPECT_EQ(EditorItem(editor, item.name)->text(), item.caption);
    EXPECT_EQ(EditorItem(editor, item.name)->shortcut(), item.shortcut) << item.name;
  }
}

}  // namespace
}  // namespace tav2
