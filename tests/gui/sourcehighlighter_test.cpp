#include "gui/editor/sourcehighlighter.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTextBlock>
#include <vector>

#include "guitest.h"
#include "core/sim/mcrom.h"
#include "support/simsupport.h"

namespace tav2 {
namespace {

using test::Look;
using test::LookAt;
using test::RomWith;

const Look kPlain{};
const Look kBoldBlack{"#000000", true, false};
const Look kTealItalic{"#008080", false, true};
const Look kTealBold{"#008080", true, false};
const Look kNavyItalic{"#000080", false, true};
const Look kPurpleBold{"#800080", true, false};

// Counts the lines it colours.
class CountingHighlighter : public SourceHighlighter {
 public:
  using SourceHighlighter::SourceHighlighter;
  int colouredLines = 0;

 protected:
  void highlightBlock(const QString& text) override {
    ++colouredLines;
    SourceHighlighter::highlightBlock(text);
  }
};

// A text control with a highlighter of `kind` over `text`.
struct Coloured {
  Coloured(const Mcrom& rom, EditKind kind, const QString& text) {
    edit.setPlainText(text);
    highlighter = new CountingHighlighter(edit.document(), rom, kind);
  }
  // The look of the `occurrence`-th (from 0) appearance of `word`.
  Look LookOf(const QString& word, int occurrence = 0) const {
    int at = -1;
    for (int i = 0; i <= occurrence; ++i) at = static_cast<int>(edit.toPlainText().indexOf(word, at + 1));
    EXPECT_GE(at, 0) << word.toStdString();
    return LookAt(*edit.document(), at);
  }
  QTextDocument& Document() { return *edit.document(); }

  QPlainTextEdit edit;
  CountingHighlighter* highlighter = nullptr;
};

struct WordLook {
  const char* word;
  int occurrence;
  Look look;
};

void ExpectLooks(const Coloured& source, const std::vector<WordLook>& looks) {
  for (const WordLook& expected : looks) {
    SCOPED_TRACE(testing::Message() << expected.word << " #" << expected.occurrence);
    EXPECT_EQ(source.LookOf(expected.word, expected.occurrence), expected.look)
        << expected.word << " #" << expected.occurrence;
  }
}

TEST(SourceHighlighter, AssemblerWordsTakeTheirClassLook) {
  const Mcrom rom = RomWith({{1, "ADD"}, {2, "MOVE"}});
  const Coloured source(rom, EditKind::AssemblerSource,
                        "MOVE before the region\n"
                        "##\n"
                        "begin: MOVE SP, 12 // ADD in a comment\n"
                        " ORG 0FFH ; say MOVE\n"
                        " BEGIN r1 undefined\n"
                        "##\n"
                        "MOVE after");
  ExpectLooks(source, {{"MOVE", 0, kPlain},        // before the region
                       {"##", 0, kPurpleBold},     // the markers
                       {"begin", 0, kTealItalic},  // BEGIN in any case
                       {"MOVE", 1, kBoldBlack},    // instruction of the ROM
                       {"SP", 0, kBoldBlack},      // register
                       {"12", 0, kTealBold},       // number
                       {"// ADD", 0, kNavyItalic},
                       {"comment", 0, kNavyItalic},
                       {"ORG", 0, kBoldBlack},   // directive
                       {"0FFH", 0, kTealBold},   // number
                       {"say", 0, kPlain},       // a semicolon opens no comment
                       {"MOVE", 2, kBoldBlack},  // ... so its words are classified
                       {"r1", 0, kBoldBlack},
                       {"undefined", 0, kPlain},
                       {"MOVE", 3, kPlain}});  // after the region
}

TEST(SourceHighlighter, MicrocodeWordsTakeTheirClassLook) {
  const Mcrom rom;
  const Coloured source(rom, EditKind::MicrocodeSource,
                        "#include <x>\n##\n#include <y>\n#define\nADD 0x1F 15 {\n  MDR := _ADD(A, B)\n  /* "
                        "a\n  comment */ MAR\n}\n##\n");
  ExpectLooks(source, {{"#include", 0, kPlain},  // before the region
                       {"#include", 1, kPurpleBold},
                       {"#define", 0, kPurpleBold},
                       {"_ADD", 0, kTealItalic},
                       {"MDR", 0, kBoldBlack},
                       {"0x1F", 0, kTealBold},
                       {"15", 0, kPlain},
                       {"a\n", 0, kNavyItalic},  // a comment over two lines
                       {"comment", 0, kNavyItalic},
                       {"MAR", 0, kBoldBlack},
                       {"ADD", 0, kPlain}});
}

TEST(SourceHighlighter, ASourceWithoutMarkersStaysPlainUntilTheyAreAdded) {
  const Mcrom rom = RomWith({{2, "MOVE"}});
  Coloured source(rom, EditKind::AssemblerSource, "MOVE R1, 5\nMOVE R2, 6\n");
  EXPECT_EQ(source.LookOf("MOVE", 1), kPlain);
  QTextCursor cursor(&source.Document());
  cursor.insertText("##\n");
  cursor.movePosition(QTextCursor::End);
  cursor.insertText("##\n");
  EXPECT_EQ(source.LookOf("MOVE", 1), kBoldBlack);
  EXPECT_EQ(source.LookOf("6"), kTealBold);
}

TEST(SourceHighlighter, AnOpenedCommentColoursToTheNextMarkAndBackWhenRemoved) {
  const Mcrom rom = RomWith({{2, "MOVE"}});
  Coloured source(rom, EditKind::AssemblerSource,
                  "##\nMOVE R1, 1\nMOVE R1, 2\nMOVE R1, 3 */ MOVE\nMOVE R1, 4\n##");
  const auto opener = static_cast<int>(source.edit.toPlainText().indexOf("MOVE R1, 1"));
  QTextCursor cursor(&source.Document());
  cursor.setPosition(opener);
  cursor.insertText("/*");
  EXPECT_EQ(source.LookOf("MOVE", 0), kNavyItalic);
  EXPECT_EQ(source.LookOf("2"), kNavyItalic);
  EXPECT_EQ(source.LookOf("*/"), kNavyItalic);
  EXPECT_EQ(source.LookOf("MOVE", 3), kBoldBlack);  // after the closer
  EXPECT_EQ(source.LookOf("4"), kTealBold);

  cursor.setPosition(opener);
  cursor.setPosition(opener + 2, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
  EXPECT_EQ(source.LookOf("MOVE", 0), kBoldBlack);
  EXPECT_EQ(source.LookOf("2"), kTealBold);
  EXPECT_EQ(source.LookOf("3"), kTealBold);
}

TEST(SourceHighlighter, CommentFormsColourTheirWords) {
  const Mcrom rom;
  const struct {
    const char* text;
    std::vector<WordLook> looks;
  } cases[] = {// slash, star, slash is a complete comment
               {"##\n/*/ 12\n34\n##", {{"/*/", 0, kNavyItalic}, {"12", 0, kTealBold}, {"34", 0, kTealBold}}},
               // an opener after two slashes belongs to the line comment
               {"##\n12 // note /* here\n34\n##", {{"here", 0, kNavyItalic}, {"34", 0, kTealBold}}},
               // an unclosed comment runs to the region's end, not beyond
               {"##\n/* open\n34\n##\n56", {{"34", 0, kNavyItalic}, {"56", 0, kPlain}}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    ExpectLooks(Coloured(rom, EditKind::AssemblerSource, c.text), c.looks);
  }
}

const QString kFiveLines = "##\nMOVE R1, 1\nMOVE R1, 2\nMOVE R1, 3\n##";

TEST(SourceHighlighter, TypingColoursOnlyTheChangedLine) {
  const Mcrom rom = RomWith({{2, "MOVE"}});
  Coloured source(rom, EditKind::AssemblerSource, kFiveLines);
  test::PlaceCaret(&source.edit, source.Document().findBlockByNumber(3).position());
  source.highlighter->colouredLines = 0;
  test::TypeText(&source.edit, "5");
  EXPECT_EQ(source.highlighter->colouredLines, 1);
  EXPECT_EQ(source.LookOf("5MOVE"), kTealBold);
}

TEST(SourceHighlighter, AMovedMarkerColoursTheWholeTextAgain) {
  const Mcrom rom = RomWith({{2, "MOVE"}});
  Coloured source(rom, EditKind::AssemblerSource, "MOVE R1, 1\n##\nMOVE R1, 2\nMOVE R1, 3\n##");
  EXPECT_EQ(source.LookOf("MOVE", 0), kPlain);
  source.highlighter->colouredLines = 0;
  test::PlaceCaret(&source.edit, 0);
  test::TypeText(&source.edit, "## ");  // now the region starts here
  EXPECT_GE(source.highlighter->colouredLines, source.Document().blockCount());
  EXPECT_EQ(source.LookOf("MOVE", 0), kBoldBlack);
  EXPECT_EQ(source.LookOf("MOVE", 2), kBoldBlack);
}

TEST(SourceHighlighter, RemovingTheLastMarkerLeavesEverythingPlain) {
  const Mcrom rom = RomWith({{2, "MOVE"}});
  Coloured source(rom, EditKind::AssemblerSource, kFiveLines);
  QTextCursor cursor(&source.Document());
  cursor.movePosition(QTextCursor::End);
  cursor.deletePreviousChar();
  EXPECT_EQ(source.LookOf("MOVE", 0), kPlain);
  EXPECT_EQ(source.LookOf("##"), kPlain);
  EXPECT_FALSE(source.highlighter->Region().has_value());
}

TEST(SourceHighlighter, SwitchedOffTheTextIsPlainAndSwitchedOnColouredAgain) {
  const Mcrom rom = RomWith({{2, "MOVE"}});
  Coloured source(rom, EditKind::AssemblerSource, kFiveLines);
  source.highlighter->SetEnabled(false);
  EXPECT_EQ(source.LookOf("MOVE"), kPlain);
  QTextCursor(source.Document().findBlockByNumber(4)).insertText("## ");
  EXPECT_EQ(source.LookOf("MOVE"), kPlain);
  source.highlighter->SetEnabled(true);
  EXPECT_EQ(source.LookOf("MOVE"), kBoldBlack);
  EXPECT_EQ(source.LookOf("1\n"), kTealBold);
}

TEST(SourceHighlighter, TheKindSelectsTheWordLists) {
  const Mcrom rom = RomWith({{2, "MOVE"}});
  Coloured source(rom, EditKind::AssemblerSource, "##\nMOVE MDR 0x1F\n##");
  EXPECT_EQ(source.LookOf("MDR"), kPlain);
  source.highlighter->SetKind(EditKind::MicrocodeSource);
  EXPECT_EQ(source.LookOf("MDR"), kBoldBlack);
  EXPECT_EQ(source.LookOf("MOVE"), kPlain);
  source.highlighter->SetKind(EditKind::TextFile);
  EXPECT_EQ(source.LookOf("MDR"), kPlain);
}

}  // namespace
}  // namespace tav2
