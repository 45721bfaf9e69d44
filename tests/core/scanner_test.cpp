#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "core/lang/helptopics.h"
#include "core/lang/scanner.h"
#include "core/lang/words.h"
#include "support/tempdir.h"

namespace tav2 {
namespace {

// A translator that only cuts its text into tokens, so the scanner can be
// looked at token by token.
class TokenProbe : public Scanner {
 public:
  struct Seen {
    TokenKind kind;
    std::string text;
    NumberForm form;
    int intValue;
    double realValue;
    int line;
    int column;
    std::size_t offset;
  };
  std::vector<Seen> tokens;
  std::optional<TokenKind> expectKind;  // when set, Expect()s this kind at the first token

  using Scanner::FindMarker;
  using Scanner::NumberForm;
  using Scanner::ReadChar;

 protected:
  void Parse() override {
    ReadToken();
    if (expectKind) Expect(*expectKind);
    while (token_.kind != TokenKind::End) {
      tokens.push_back({token_.kind, token_.text, token_.numberForm, token_.intValue, token_.realValue,
                        token_.line, token_.column, token_.offset});
      ReadToken();
    }
  }
  void ReadToken() override {
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
  void ClassifyWord() override { token_.kind = TokenKind::Name; }
};

// The texts of the tokens a text gives, and the errors it gives.
std::vector<std::string> TokenTexts(const std::string& text, std::vector<std::string>* errors = nullptr) {
  TokenProbe probe;
  probe.ParseSource(text, "t.asm");
  std::vector<std::string> texts;
  for (const auto& t : probe.tokens) texts.push_back(t.text);
  if (errors != nullptr) {
    for (const BuildError& error : probe.Errors()) errors->push_back(error.message);
  }
  return texts;
}

TEST(Scanner, NumberForms) {
  struct Case {
    const char* text;
    TokenProbe::NumberForm form;
    int value;
    double real;
  };
  using Form = TokenProbe::NumberForm;
  // clang-format off
  const Case cases[] = {
      {"0x1F", Form::Hex, 31, 31},
      {"0XffFF", Form::Hex, 65535, 65535},
      {"0b102", Form::Binary, 2, 2},
      {"0B1111", Form::Binary, 15, 15},
      {"12", Form::DecimalInteger, 12, 12},
      {"1.5", Form::DecimalReal, 1, 1.5},
      {"1e3", Form::DecimalReal, 1000, 1000},
      {"2E-1", Form::DecimalReal, 0, 0.2},
      {"0123", Form::Plain, 123, 123},
      {"0", Form::Plain, 0, 0},
      {"0xFFFFFFFF", Form::Hex, -1, -1},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    TokenProbe probe;
    EXPECT_TRUE(probe.ParseSource(c.text, "n.asm"));
    ASSERT_EQ(probe.tokens.size(), 1u);
    const auto& t = probe.tokens[0];
    EXPECT_EQ(t.kind, TokenKind::Number);
    EXPECT_EQ(t.form, c.form);
    EXPECT_EQ(t.intValue, c.value);
    EXPECT_DOUBLE_EQ(t.realValue, c.real);
    EXPECT_EQ(t.text, c.text);
  }
}

TEST(Scanner, TokenTextsAndLimits) {
  struct Case {
    std::string text;
    std::vector<std::string> tokens;
    const char* error;  // nullptr: none
  };
  const Case cases[] = {
      {"0x" + std::string(32, 'F'), {"0x" + std::string(32, 'F')}, nullptr},
      {"0x" + std::string(33, 'F'), {"0x" + std::string(33, 'F')}, "Too much digits in hex or binary number"},
      {"0b" + std::string(33, '1'), {"0b" + std::string(33, '1')}, "Too much digits in hex or binary number"},
      {"1234567890123456", {"1234567890123456"}, nullptr},
      {"12345678901234567", {"12345678901234567"}, "invalid decimal value "},
      {"12,0x1Fz", {"12", ",", "0x1F", "z"}, nullptr},
      {std::string(31, 'w'), {std::string(31, 'w')}, nullptr},
      {std::string(32, 'w'), {std::string(32, 'w')}, "word too long "},
      {"x" + std::string(39, 'y'), {"x" + std::string(32, 'y'), std::string(7, 'y')}, "word too long "},
      {"\"a#b\"", {"a", "b", ""}, nullptr},
      {"\"two\nlines\" x", {"two\nlines", "x"}, nullptr},
      {"\"a /* gone */b\"", {"a b"}, nullptr},
      {"$FF _x", {"$FF", "_x"}, nullptr},
      {"a // note\nb /* x\ny */ c /*/ d */ e 6/2", {"a", "\n", "b", "c", "e", "6", "/", "2"}, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::vector<std::string> errors;
    EXPECT_EQ(TokenTexts(c.text, &errors), c.tokens) << c.text.substr(0, 40);
    EXPECT_EQ(errors, c.error ? std::vector<std::string>{c.error} : std::vector<std::string>{})
        << c.text.substr(0, 40);
  }
  EXPECT_EQ(TokenTexts("\"" + std::string(1200, 'q') + "\"").front(), std::string(1000, 'q'))
      << "a string's limit";
}

TEST(Scanner, LinesColumnsAndOffsets) {
  TokenProbe probe;
  probe.ParseSource("ab  cd\n\tx,\n/* a\nb */ z", "p.asm");
  ASSERT_EQ(probe.tokens.size(), 7u);
  const std::vector<std::tuple<int, int, std::size_t>> expected = {
      {1, 1, 0}, {1, 5, 4}, {1, 1, 6}, {2, 2, 8}, {2, 3, 9}, {2, 1, 10}, {4, 6, 21}};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(std::make_tuple(probe.tokens[i].line, probe.tokens[i].column, probe.tokens[i].offset),
              expected[i])
        << i;
  }
  TokenProbe unclosed;
  unclosed.ParseSource("a\n/* never closed\nstill\n", "c.asm");
  ASSERT_EQ(unclosed.Errors().size(), 1u);
  EXPECT_EQ(unclosed.Errors()[0].message, "unexpected end of file");
  EXPECT_EQ(unclosed.Errors()[0].line, 4);
  EXPECT_EQ(unclosed.Errors()[0].column, 0);
}

TEST(Scanner, ExpectReportsItsMessageAtTheToken) {
  const std::pair<TokenKind, const char*> cases[] = {
      {TokenKind::Semicolon, " ';' expected"},
      {TokenKind::Colon, "  ':' expected"},
      {TokenKind::Assign, " ASSIGN expected"},
      {TokenKind::EndOfLine, " RETURN expected"},
      {TokenKind::Number, " value expected"},
      {TokenKind::AluFunction, " ALU functione expected"},
      {TokenKind::Mnemonic, " operation or directive expected"},
      {TokenKind::Breakpoint, "general syntax error"},
      {TokenKind::Unknown, "general syntax error"}};
  for (const auto& [kind, message] : cases) {
    TokenProbe probe;
    probe.expectKind = kind;
    EXPECT_FALSE(probe.ParseSource("  word\n", "e.asm"));
    ASSERT_EQ(probe.Errors().size(), 1u);
    EXPECT_EQ(probe.Errors()[0].message, message);
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

TEST(Scanner, SameWordAndHelpTopics) {
  constexpr bool kSame = true, kDifferent = false;
  const std::tuple<const char*, const char*, bool> same[] = {{"add", "ADD", kSame},
                                                             {"  add", "ADD", kSame},
                                                             {"ADD X", "add", kSame},
                                                             {"add", "ADD\tY", kSame},
                                                             {"ADDX", "ADD", kDifferent},
                                                             {"ADD", "ADDX", kDifferent},
                                                             {"", "", kSame},
                                                             {"a\x80", "A", kSame},
                                                             {"Branch", "Branch instructions", kSame},
                                                             {"Branches", "Branch instructions", kDifferent}};
  for (const auto& [a, b, expected] : same) EXPECT_EQ(Words::Same(a, b), expected) << a << "|" << b;

  const std::pair<const char*, const char*> topics[] = {// nullptr: none
                                                        {"  flags ", "Flags"},
                                                        {"dat", "DAT"},
                                                        {"Branch", "Branch instructions"},
                                                        {"SP", "Registers"},
                                                        {"sys", "Terminal services"},
                                                        {"Memory", "Memory view"},
                                                        {"include", "Include files"},
                                                        {"no", nullptr},
                                                        {"frobnicate", nullptr},
                                                        {"no topic at all", nullptr}};
  for (const auto& [word, topic] : topics) {
    EXPECT_EQ(HelpTopics::For(word), topic ? std::optional<std::string>(topic) : std::nullopt) << word;
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
      if (t.kind != TokenKind::EndOfLine) texts.push_back(t.text);
    }
    return texts;
  }
};

TEST_F(IncludeTest, SplicesEachFileInOncePerPass) {
  Write("a.inc", "alpha");
  Write("inc/b.inc", "beta");
  EXPECT_TRUE(
      probe.ParseSource("x\n#INCLUDE \"a.inc\"\n#include <b.inc>\n#include \"A.INC\"\ny", "main.asm"));
  EXPECT_EQ(Texts(), (std::vector<std::string>{"x", "alpha", "beta", "y"}));

  probe.tokens.clear();
  probe.ParseSource("#include\"a.inc\"\nz", "main.asm");
  ASSERT_FALSE(probe.Errors().empty());
  EXPECT_EQ(probe.Errors()[0].message, "Include: syntax error");

  probe.tokens.clear();
  probe.ParseSource("#include \"gone.inc\"\nz", "main.asm");
  ASSERT_EQ(probe.Errors().size(), 1u);
  EXPECT_EQ(probe.Errors()[0].message, "File " + (dir.Path() / "gone.inc").string() + " not found");
  EXPECT_EQ(Texts(), (std::vector<std::string>{"z"})) << "reading goes on";
}

TEST_F(IncludeTest, ErrorInsideAnIncludeNamesItAndPointsAtTheDirective) {
  Write("outer.inc", "ok\n#include \"inner.inc\"\n");
  Write("inner.inc", "fine\n" + std::string(40, 'e'));
  const std::string main = "first\n#include \"outer.inc\"\nlast";
  probe.ParseSource(main, "main.asm");
  ASSERT_EQ(probe.Errors().size(), 1u);
  const BuildError& error = probe.Errors()[0];
  EXPECT_EQ(error.fileName, "inner.inc");
  EXPECT_EQ(error.line, 2);
  EXPECT_GE(error.position, static_cast<int>(main.find('#')));
  EXPECT_LE(error.position, static_cast<int>(main.find('\n', main.find('#'))));
  EXPECT_EQ(Texts().back(), "last") << "reading goes on after the include";
}

TEST_F(IncludeTest, NestingAndFileCountLimits) {
  const auto name = [](const char* prefix, int n) { return prefix + std::to_string(n) + ".inc"; };
  for (int i = 1; i <= 17; ++i)
    Write(name("n", i), "v" + std::to_string(i) + "\n#include \"" + name("n", i + 1) + "\"\n");
  Write("n18.inc", "deepest");
  probe.ParseSource("#include \"n1.inc\"\n", "main.asm");
  ASSERT_EQ(probe.Errors().size(), 1u);
  EXPECT_EQ(probe.Errors()[0].message, "Internal parser filestack error: overflow");
  EXPECT_EQ(probe.Errors()[0].fileName, "n16.inc");
  EXPECT_EQ(probe.Errors()[0].line, 2) << "the line of the #include that goes too deep";
  EXPECT_EQ(Texts().back(), "v16") << "sixteen levels are read";

  std::string main;
  for (int i = 1; i <= 101; ++i) {
    Write(name("f", i), "w" + std::to_string(i));
    main += "#include \"" + name("f", i) + "\"\n";
  }
  probe.tokens.clear();
  probe.ParseSource(main, "main.asm");
  ASSERT_EQ(probe.Errors().size(), 1u);
  EXPECT_EQ(probe.Errors()[0].message, "Too much includefiles");
  EXPECT_EQ(probe.Errors()[0].line, 101);
  EXPECT_EQ(Texts().size(), 100u);
}

// An include that fails is reported at the line and column of its '#',
// with the caret placed there; also on the last line of a text without a
// line end, where nothing else is reported.
TEST_F(IncludeTest, ErrorsStandAtTheDirective) {
  const std::string gone = "File " + (dir.Path() / "gone.inc").string() + " not found";
  const struct {
    std::string main;
    std::string message;
    int column;
  } cases[] = {
      {"x\n#include \"gone.inc\"\ny", gone, 1},
      {"x\n#include \"gone.inc\"", gone, 1},
      {"x\n  #include <gone.inc>\ny", "File " + (dir.Path() / "inc" / "gone.inc").string() + " not found", 3},
      {"x\n#include gone.inc\ny", "Include: syntax error", 1},
      {"x\n#include \"gone.inc\ny", "Include: syntax error", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.main);
    probe.tokens.clear();
    probe.ParseSource(c.main, "main.asm");
    ASSERT_EQ(probe.Errors().size(), 1u);
    const BuildError& error = probe.Errors()[0];
    EXPECT_EQ(error.message, c.message);
    EXPECT_EQ(error.fileName, "main.asm");
    EXPECT_EQ(error.line, 2);
    EXPECT_EQ(error.column, c.column);
    EXPECT_EQ(error.position, static_cast<int>(c.main.find('#')));
    const std::vector<std::string> rest =
        c.main.back() == 'y' ? std::vector<std::string>{"x", "y"} : std::vector<std::string>{"x"};
    EXPECT_EQ(Texts(), rest);
  }
}

// A directory, a FIFO or a device counts as a file not found and is never
// opened (a FIFO nobody writes to would make the build wait for ever); a
// file above 16 MB is refused with its size.
TEST_F(IncludeTest, OnlyRegularFilesOfAtMostSixteenMegabytes) {
  const std::filesystem::path folder = dir.Path() / "folder.inc";
  std::filesystem::create_directory(folder);
  const std::filesystem::path fifo = dir.Path() / "pipe.inc";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  Write("big.inc", "");
  const std::filesystem::path big = dir.Path() / "big.inc";
  std::filesystem::resize_file(big, 17 * 1024 * 1024);
  const std::pair<std::string, std::string> cases[] = {
      {"folder.inc", "File " + folder.string() + " not found"},
      {"pipe.inc", "File " + fifo.string() + " not found"},
      {"/dev/zero", "File /dev/zero not found"},
      {"big.inc", "File " + big.string() + " too large (17825792 bytes, more than 16 MB)"},
  };
  for (const auto& [name, message] : cases) {
    probe.tokens.clear();
    probe.ParseSource("first\n#include \"" + name + "\"\nlast", "main.asm");
    ASSERT_EQ(probe.Errors().size(), 1u) << name;
    EXPECT_EQ(probe.Errors()[0].message, message);
    EXPECT_EQ(probe.Errors()[0].line, 2) << name;
    EXPECT_EQ(Texts(), (std::vector<std::string>{"first", "last"})) << name;
  }
  for (const std::filesystem::path& file : {folder, fifo}) {
    EXPECT_FALSE(probe.ParseSourceFile(file.string()));
    ASSERT_EQ(probe.Errors().size(), 1u);
    EXPECT_EQ(probe.Errors()[0].message, "File " + file.string() + " not found");
  }
}

TEST_F(IncludeTest, StartUpFileThatIsMissing) {
  EXPECT_FALSE(probe.ParseSourceFile((dir.Path() / "microdefs.~mc").string()));
  ASSERT_EQ(probe.Errors().size(), 1u);
  EXPECT_EQ(probe.Errors()[0].fileName, "microdefs.~mc");
  EXPECT_TRUE(probe.tokens.empty());
}

}  // namespace
}  // namespace tav2
