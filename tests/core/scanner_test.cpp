#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "lang/helptopics.h"
#include "lang/tparserparent.h"
#include "tempdir.h"

namespace tav2 {
namespace {

// A translator that only cuts its text into tokens, so the scanner can be
// looked at token by token.
class TokenProbe : public TParserparent {
 public:
  struct Seen {
    int kind;
    std::string text;
    int form;
    int intValue;
    double realValue;
    int line;
    int column;
    std::size_t offset;
  };
  std::vector<Seen> tokens;
  int expectKind = -1;  // when set, Expect()s this kind at the first token

  using TParserparent::FindMarker;
  using TParserparent::GetChar;

 protected:
  void Parse() override {
    GetToken();
    if (expectKind >= 0) Expect(expectKind);
    while (token_.kind != kEndToken) {
      tokens.push_back({token_.kind, token_.text, token_.numberForm, token_.intValue, token_.realValue,
                        token_.line, token_.column, token_.offset});
      GetToken();
    }
  }
  void GetToken() override {
    const int ch = BeginToken();
    if (ch == 0) return;
    if (ch >= '0' && ch <= '9') {
      ReadNumber();
    } else if (std::isalpha(ch) || ch == '"' || ch == '$' || ch == '_') {
      ReadWord();
    } else {
      ReadSpecial();
    }
  }
  void ClassifyWord() override { token_.kind = kNameToken; }
};

TEST(Scanner, NumberForms) {
  struct Case {
    const char* text;
    int form;
    int value;
    double real;
    const char* tokenText;
  };
  const Case cases[] = {
      {"0x1F", 21, 31, 31, "0x1F"},
      {"0XffFF", 21, 65535, 65535, "0XffFF"},
      {"0b102", 22, 2, 2, "0b102"},
      {"0B1111", 22, 15, 15, "0B1111"},
      {"12", 2, 12, 12, "12"},
      {"1.5", 3, 1, 1.5, "1.5"},
      {"1e3", 3, 1000, 1000, "1e3"},
      {"2E-1", 3, 0, 0.2, "2E-1"},
      {"0123", 0, 123, 123, "0123"},
      {"0", 0, 0, 0, "0"},
      {"0xFFFFFFFF", 21, -1, -1, "0xFFFFFFFF"},
  };
  for (const Case& c : cases) {
    TokenProbe probe;
    EXPECT_TRUE(probe.ParseSource(c.text, "n.asm")) << c.text;
    ASSERT_EQ(probe.tokens.size(), 1u) << c.text;
    const auto& t = probe.tokens[0];
    EXPECT_EQ(t.kind, kNumberToken);
    EXPECT_EQ(t.form, c.form) << c.text;
    EXPECT_EQ(t.intValue, c.value) << c.text;
    EXPECT_DOUBLE_EQ(t.realValue, c.real) << c.text;
    EXPECT_EQ(t.text, c.tokenText);
  }
}

TEST(Scanner, NumberLimits) {
  struct Case {
    std::string text;
    const char* error;  // nullptr: accepted
  };
  const Case cases[] = {
      {"0x" + std::string(32, 'F'), nullptr},
      {"0x" + std::string(33, 'F'), "Too much digits in hex or binary number"},
      {"0b" + std::string(33, '1'), "Too much digits in hex or binary number"},
      {"1234567890123456", nullptr},
      {"12345678901234567", "invalid decimal value "},
  };
  for (const Case& c : cases) {
    TokenProbe probe;
    probe.ParseSource(c.text, "n.asm");
    if (c.error == nullptr) {
      EXPECT_TRUE(probe.Errors().empty()) << c.text;
    } else {
      ASSERT_EQ(probe.Errors().size(), 1u) << c.text;
      EXPECT_EQ(probe.Errors()[0].message, c.error);
      EXPECT_EQ(probe.Errors()[0].column, 1);
    }
  }
}

TEST(Scanner, NumberEndsAtTheFirstOtherCharacter) {
  TokenProbe probe;
  probe.ParseSource("12,0x1Fz", "n.asm");
  ASSERT_EQ(probe.tokens.size(), 4u);
  EXPECT_EQ(probe.tokens[1].kind, kCommaToken);
  EXPECT_EQ(probe.tokens[2].intValue, 31);
  EXPECT_EQ(probe.tokens[3].text, "z");
}

TEST(Scanner, WordLengthLimit) {
  TokenProbe ok;
  EXPECT_TRUE(ok.ParseSource(std::string(31, 'w'), "w.asm"));
  ASSERT_EQ(ok.tokens.size(), 1u);
  EXPECT_EQ(ok.tokens[0].kind, kNameToken);

  TokenProbe tooLong;
  tooLong.ParseSource(std::string(32, 'w'), "w.asm");
  ASSERT_EQ(tooLong.Errors().size(), 1u);
  EXPECT_EQ(tooLong.Errors()[0].message, "word too long ");

  TokenProbe cut;
  cut.ParseSource("x" + std::string(39, 'y'), "w.asm");
  ASSERT_EQ(cut.tokens.size(), 2u);
  EXPECT_EQ(cut.tokens[0].text.size(), 33u);
  EXPECT_EQ(cut.tokens[1].text, std::string(7, 'y'));
}

TEST(Scanner, Strings) {
  struct Case {
    const char* text;
    std::vector<std::string> tokens;
  };
  const Case cases[] = {
      {"\"a#b\"", {"a", "b", ""}},
      {"\"two\nlines\" x", {"two\nlines", "x"}},
      {"\"a /* gone */b\"", {"a b"}},
      {"$FF _x", {"$FF", "_x"}},
  };
  for (const Case& c : cases) {
    TokenProbe probe;
    probe.ParseSource(c.text, "s.asm");
    std::vector<std::string> texts;
    for (const auto& t : probe.tokens) texts.push_back(t.text);
    EXPECT_EQ(texts, c.tokens) << c.text;
  }
  TokenProbe longString;
  longString.ParseSource("\"" + std::string(1200, 'q') + "\"", "s.asm");
  ASSERT_FALSE(longString.tokens.empty());
  EXPECT_EQ(longString.tokens[0].text.size(), 1000u);
}

TEST(Scanner, CommentsAreRemoved) {
  TokenProbe probe;
  EXPECT_TRUE(probe.ParseSource("a // note\nb /* x\ny */ c /*/ d */ e 6/2", "c.asm"));
  std::vector<std::string> texts;
  for (const auto& t : probe.tokens) texts.push_back(t.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"a", "\n", "b", "c", "e", "6", "/", "2"}));
  EXPECT_EQ(probe.tokens[3].line, 3) << "lines inside a comment are counted";
}

TEST(Scanner, UnclosedBlockCommentReportsTheEnd) {
  TokenProbe probe;
  probe.ParseSource("a\n/* never closed\nstill\n", "c.asm");
  ASSERT_EQ(probe.Errors().size(), 1u);
  EXPECT_EQ(probe.Errors()[0].message, "unexpected end of file");
  EXPECT_EQ(probe.Errors()[0].line, 4);
  EXPECT_EQ(probe.Errors()[0].column, 0);
}

TEST(Scanner, TokenLinesColumnsAndOffsets) {
  TokenProbe probe;
  probe.ParseSource("ab  cd\n\tx,", "p.asm");
  ASSERT_EQ(probe.tokens.size(), 5u);
  const std::vector<std::tuple<int, int, std::size_t>> expected = {
      {1, 1, 0}, {1, 5, 4}, {1, 1, 6}, {2, 2, 8}, {2, 3, 9}};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(std::make_tuple(probe.tokens[i].line, probe.tokens[i].column, probe.tokens[i].offset),
              expected[i])
        << i;
  }
}

TEST(Scanner, ExpectReportsItsMessageAtTheToken) {
  struct Case {
    int kind;
    const char* message;
  };
  const Case cases[] = {{kSemicolonToken, " ';' expected"}, {kColonToken, "  ':' expected"},
                        {kAssignToken, " ASSIGN expected"}, {kEndOfLineToken, " RETURN expected"},
                        {kNumberToken, " value expected"},  {kAluFunctionToken, " ALU functione expected"},
                        {kMnemonicToken, " operation or directive expected"}, {2, " value expected"},
                        {kBreakpointToken, "general syntax error"}, {99, "general syntax error"}};
  for (const Case& c : cases) {
    TokenProbe probe;
    probe.expectKind = c.kind;
    EXPECT_FALSE(probe.ParseSource("  word\n", "e.asm"));
    ASSERT_EQ(probe.Errors().size(), 1u);
    EXPECT_EQ(probe.Errors()[0].message, c.message);
    EXPECT_EQ(probe.Errors()[0].line, 1);
    EXPECT_EQ(probe.Errors()[0].column, 3);
  }
}

TEST(Scanner, AtMostFiveErrorsAreRecorded) {
  TokenProbe probe;
  std::string text;
  for (int i = 0; i < 7; ++i) text += std::string(40, 'z') + "\n";
  EXPECT_FALSE(probe.ParseSource(text, "dir/many.asm"));
  ASSERT_EQ(probe.Errors().size(), 5u);
  EXPECT_EQ(probe.Errors()[4].line, 5);
  EXPECT_EQ(probe.Errors()[0].fileName, "many.asm");
  EXPECT_EQ(probe.Errors()[0].ListLine(), "many.asm: line 1: \tword too long ");
}

TEST(Scanner, FindMarkerStandsOnTheMarker) {
  TokenProbe probe;
  probe.ParseSource("", "m.asm");
  probe.ParseSource("x", "m.asm");
  EXPECT_EQ(probe.tokens.size(), 1u);
}

TEST(Scanner, SameWord) {
  struct Case {
    const char* a;
    const char* b;
    bool same;
  };
  const Case cases[] = {{"add", "ADD", true},          {"  add", "ADD", true},
                        {"ADD X", "add", true},        {"add", "ADD\tY", true},
                        {"ADDX", "ADD", false},        {"ADD", "ADDX", false},
                        {"", "", true},                {"Branch", "Branch instructions", true},
                        {"Branches", "Branch instructions", false}, {"a\x80", "A", true}};
  for (const Case& c : cases) EXPECT_EQ(TParserparent::SameWord(c.a, c.b), c.same) << c.a << "|" << c.b;
}

TEST(HelpTopics, WordsLeadToTopics) {
  struct Case {
    const char* word;
    const char* topic;  // nullptr: none
  };
  const Case cases[] = {{"  flags ", "Flags"},        {"dat", "DAT"},
                        {"Branch", "Branch instructions"}, {"SP", "Registers"},
                        {"sys", "Terminal services"}, {"Memory", "Memory view"},
                        {"no", nullptr},              {"frobnicate", nullptr},
                        {"include", "Include files"}, {"no topic at all", nullptr}};
  for (const Case& c : cases) {
    const std::optional<std::string> topic = TParserparent::HelpTopicFor(c.word);
    if (c.topic == nullptr) {
      EXPECT_FALSE(topic.has_value()) << c.word << " gave " << topic.value_or("");
    } else {
      EXPECT_EQ(topic.value_or("(none)"), c.topic) << c.word;
    }
  }
  EXPECT_EQ(HelpTopics::Anchor("Branch instructions"), "branch-instructions");
}

class IncludeTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  TokenProbe probe;

  void SetUp() override { probe.SetIncludeDirectories(dir.Path() / "inc", dir.Path()); }
  void Write(const std::string& name, const std::string& text) {
    std::filesystem::create_directories((dir.Path() / name).parent_path());
    std::ofstream(dir.Path() / name, std::ios::binary) << text;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& t : probe.tokens) {
      if (t.kind != kEndOfLineToken) texts.push_back(t.text);
    }
    return texts;
  }
};

TEST_F(IncludeTest, SplicesFilesInAndRecognisesAnyCase) {
  Write("a.inc", "alpha");
  Write("inc/b.inc", "beta");
  EXPECT_TRUE(probe.ParseSource("x\n#INCLUDE \"a.inc\"\n#include <b.inc>\ny", "main.asm"));
  EXPECT_EQ(Texts(), (std::vector<std::string>{"x", "alpha", "beta", "y"}));
}

TEST_F(IncludeTest, FileIsIncludedOncePerPass) {
  Write("a.inc", "alpha");
  EXPECT_TRUE(probe.ParseSource("#include \"a.inc\"\n#include \"A.INC\"\nz", "main.asm"));
  EXPECT_EQ(Texts(), (std::vector<std::string>{"alpha", "z"}));
}

TEST_F(IncludeTest, DirectiveWithoutBlankIsASyntaxError) {
  Write("a.inc", "alpha");
  probe.ParseSource("#include\"a.inc\"\nz", "main.asm");
  ASSERT_FALSE(probe.Errors().empty());
  EXPECT_EQ(probe.Errors()[0].message, "Include: syntax error");
}

TEST_F(IncludeTest, MissingFileIsReportedAndReadingGoesOn) {
  probe.ParseSource("#include \"gone.inc\"\nz", "main.asm");
  ASSERT_EQ(probe.Errors().size(), 1u);
  EXPECT_EQ(probe.Errors()[0].message, "File " + (dir.Path() / "gone.inc").string() + " not found");
  EXPECT_EQ(Texts(), (std::vector<std::string>{"z"}));
}

TEST_F(IncludeTest, ErrorInsideAnIncludeNamesItAndPointsAtTheDirective) {
  Write("outer.inc", "ok\n#include \"inner.inc\"\n");
  Write("inner.inc", "fine\n" + std::string(40, 'e'));
  const std::string main = "first\n#include \"outer.inc\"\nlast";
  probe.ParseSource(main, "main.asm");
  ASSERT_EQ(probe.Errors().size(), 1u);
  const TError& error = probe.Errors()[0];
  EXPECT_EQ(error.fileName, "inner.inc");
  EXPECT_EQ(error.line, 2);
  const int directiveLineStart = static_cast<int>(main.find('#'));
  const int directiveLineEnd = static_cast<int>(main.find('\n', directiveLineStart));
  EXPECT_GE(error.position, directiveLineStart);
  EXPECT_LE(error.position, directiveLineEnd);
  EXPECT_EQ(Texts().back(), "last") << "reading goes on after the include";
}

// "prefix<number>suffix", built by appending.
std::string Numbered(const char* prefix, int number, const char* suffix) {
  std::string text = prefix;
  text += std::to_string(number);
  text += suffix;
  return text;
}

TEST_F(IncludeTest, SeventeenthNestedIncludeOverflows) {
  for (int i = 1; i <= 17; ++i) {
    Write(Numbered("n", i, ".inc"), Numbered("v", i, "\n") + Numbered("#include \"n", i + 1, ".inc\"\n"));
  }
  Write("n18.inc", "deepest");
  probe.ParseSource("#include \"n1.inc\"\n", "main.asm");
  ASSERT_EQ(probe.Errors().size(), 1u);
  EXPECT_EQ(probe.Errors()[0].message, "Internal parser filestack error: overflow");
  const auto texts = Texts();
  EXPECT_EQ(texts.back(), "v16") << "sixteen levels are read";
}

TEST_F(IncludeTest, HundredAndFirstFileIsTooMany) {
  std::string main;
  for (int i = 1; i <= 101; ++i) {
    Write(Numbered("f", i, ".inc"), Numbered("w", i, ""));
    main += Numbered("#include \"f", i, ".inc\"\n");
  }
  probe.ParseSource(main, "main.asm");
  ASSERT_EQ(probe.Errors().size(), 1u);
  EXPECT_EQ(probe.Errors()[0].message, "Too much includefiles");
  EXPECT_EQ(Texts().size(), 100u);
}

TEST_F(IncludeTest, StartUpFileThatIsMissing) {
  EXPECT_FALSE(probe.ParseSourceFile((dir.Path() / "microdefs.~mc").string()));
  ASSERT_EQ(probe.Errors().size(), 1u);
  EXPECT_EQ(probe.Errors()[0].fileName, "microdefs.~mc");
  EXPECT_TRUE(probe.tokens.empty());
}

}  // namespace
}  // namespace tav2
