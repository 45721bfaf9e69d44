#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "core/lang/assembler.h"
#include "core/lang/microcodeparser.h"
#include "core/sim/machine.h"
#include "support/tempdir.h"

namespace tav2 {
namespace {

std::string ReadSource(const std::string& relative) {
  std::ifstream in(std::string(TAV2_SOURCE_DIR) + "/" + relative, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Pieces that the scanner and both grammars treat specially.
const std::vector<std::string> kFragments = {"#",
                                             "##",
                                             "#include \"x.inc\"\n",
                                             "/*",
                                             "*/",
                                             "//",
                                             "\"",
                                             "'",
                                             ":=",
                                             ":",
                                             ";",
                                             ",",
                                             "(",
                                             ")",
                                             "[",
                                             "}",
                                             "=",
                                             "+",
                                             "-",
                                             "*",
                                             "/",
                                             "~",
                                             "0x",
                                             "0b",
                                             "0xFFFFFFFFFF",
                                             "1e9999",
                                             "OP1",
                                             "OP2",
                                             "ALU",
                                             "MEM",
                                             "MDR",
                                             "_ADD",
                                             "R1",
                                             "SP",
                                             "PC",
                                             "DAT",
                                             "STR",
                                             "ORG",
                                             "EQU",
                                             "RES",
                                             "END",
                                             "begin",
                                             "\n",
                                             "\t",
                                             std::string(40, 'w'),
                                             "12345678901234567890",
                                             "\x80\xff"};

// A text changed at a few random places: characters replaced, removed,
// doubled, or fragments inserted.
std::string Mutated(std::string text, std::mt19937& random) {
  std::uniform_int_distribution<int> edits(1, 8);
  for (int n = edits(random); n > 0 && !text.empty(); --n) {
    const std::size_t at = std::uniform_int_distribution<std::size_t>(0, text.size() - 1)(random);
    switch (std::uniform_int_distribution<int>(0, 3)(random)) {
      case 0: text[at] = static_cast<char>(std::uniform_int_distribution<int>(1, 255)(random)); break;
      case 1: text.erase(at, std::uniform_int_distribution<std::size_t>(1, 40)(random)); break;
      case 2:
        text.insert(at, text.substr(at, std::uniform_int_distribution<std::size_t>(1, 80)(random)));
        break;
      default:
        text.insert(at,
                    kFragments[std::uniform_int_distribution<std::size_t>(0, kFragments.size() - 1)(random)]);
    }
  }
  return text;
}

// A text of random fragments and characters, with a marker pair somewhere.
std::string Random(std::mt19937& random) {
  std::string text = "##\n";
  for (int n = std::uniform_int_distribution<int>(0, 120)(random); n > 0; --n) {
    if (random() % 3 == 0) {
      text += static_cast<char>(std::uniform_int_distribution<int>(1, 127)(random));
    } else {
      text += kFragments[std::uniform_int_distribution<std::size_t>(0, kFragments.size() - 1)(random)];
      text += ' ';
    }
  }
  return text;
}

class TranslatorRobustness : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::unique_ptr<Machine> machine = std::make_unique<Machine>();
  MicrocodeParser microcode{machine->mcrom};
  Assembler assembler{*machine};

  void SetUp() override {
    microcode.SetIncludeDirectories(dir.Path(), dir.Path());
    assembler.SetIncludeDirectories(dir.Path(), dir.Path());
    assembler.SetListingSink([](std::string_view, const std::vector<std::string>&) { return true; });
    dir.Write("x.inc", "#include \"x.inc\"\nDAT 1\n");
    microcode.loadAfterBuild = true;
    ASSERT_TRUE(microcode.ParseSource(ReadSource("data/microdefs.mca"), "microdefs.mca"));
  }

  // Builds a text with each translator; every outcome is fine as long as
  // the error list keeps its limit.
  void BuildBoth(const std::string& text, int seed) {
    assembler.loadAfterBuild = seed % 2 == 0;
    assembler.breakpointsOnly = seed % 5 == 0;
    assembler.ParseSource(text, "random.asm");
    EXPECT_LE(assembler.Errors().size(), Scanner::kMaxErrors) << "seed " << seed;
    microcode.loadAfterBuild = seed % 3 == 0;
    microcode.ParseSource(text, "random.mca");
    EXPECT_LE(microcode.Errors().size(), Scanner::kMaxErrors) << "seed " << seed;
  }
};

TEST_F(TranslatorRobustness, MutatedAndRandomSourcesNeverBreakATranslator) {
  const std::vector<std::string> bases = {
      ReadSource("data/microdefs.mca"), ReadSource("data/sources/primes.asm"),
      ReadSource("data/sources/factorial.asm"), ReadSource("data/sources/upper.asm"),
      ReadSource("data/sources/trap.asm")};
  for (int seed = 0; seed < 4000; ++seed) {
    std::mt19937 random(static_cast<unsigned>(seed));
    BuildBoth(Mutated(bases[static_cast<std::size_t>(seed) % bases.size()], random), seed);
    std::mt19937 other(static_cast<unsigned>(seed) + 100000);
    BuildBoth(Random(other), seed);
  }
}

}  // namespace
}  // namespace tav2
