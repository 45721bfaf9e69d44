// Whatever the command line takes is described: every command and option
// the parser accepts appears in the command's --help text and in its part
// of the manual page, and so do the exit statuses and the case-file keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/clioptions.h"
#include "app/cliusage.h"
#include "app/tav2cli.h"
#include "core/grading/casefile.h"
#include "core/grading/runexit.h"

namespace tav2 {
namespace {

bool PartOfName(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '_'; }

// Whether `name` stands in `text` as a whole word: "--trace" is not found in
// "--trace-clocks", nor "-j" in "--json".
bool Mentions(const std::string& text, const std::string& name) {
  for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + 1)) {
    const std::size_t end = at + name.size();
    if ((at == 0 || !PartOfName(text[at - 1])) && (end == text.size() || !PartOfName(text[end]))) return true;
  }
  return false;
}

// The manual page as its reader sees the words: escapes of hyphens, quotes
// and fonts undone.
std::string PlainRoff(std::string roff) {
  std::string plain;
  for (std::size_t i = 0; i < roff.size(); ++i) {
    if (roff[i] != '\\' || i + 1 == roff.size()) {
      plain += roff[i];
    } else if (roff[i + 1] == 'f' && i + 2 < roff.size()) {
      i += 2;  // \fB, \fI, \fR, \fP
    } else if (roff[i + 1] == '-' || roff[i + 1] == '&') {
      if (roff[i + 1] == '-') plain += '-';
      ++i;
    } else if (roff[i + 1] == 'e') {
      plain += '\\';
      ++i;
    } else {
      plain += roff[i];
    }
  }
  return plain;
}

// The manual page's sections (".SH NAME") and subsections (".SS name"),
// each with its text up to the next heading.
std::map<std::string, std::string> ManualParts() {
  std::ifstream in(TAV2_MAN_PAGE);
  EXPECT_TRUE(in.is_open()) << TAV2_MAN_PAGE;
  std::map<std::string, std::string> parts;
  std::string line;
  std::string part;
  while (std::getline(in, line)) {
    line = PlainRoff(line);
    if (line.rfind(".SH ", 0) == 0 || line.rfind(".SS ", 0) == 0) {
      part = line.substr(4);
      if (part.size() > 1 && part.front() == '"') part = part.substr(1, part.size() - 2);
      continue;
    }
    parts[part] += line + "\n";
  }
  return parts;
}

// The names of a --help text's section "title:", such as its options.
std::vector<std::string> SectionNames(const std::string& help, const std::string& title) {
  std::vector<std::string> names;
  std::istringstream lines(help);
  std::string line;
  bool inSection = false;
  while (std::getline(lines, line)) {
    if (line == title + ":") {
      inSection = true;
    } else if (inSection && line.rfind("  ", 0) == 0 && line[2] != ' ') {
      names.push_back(line.substr(2, line.find("  ", 2) - 2));
    } else if (inSection && line.empty()) {
      inSection = false;
    }
  }
  return names;
}

const CliUsage::Command& UsageOf(const std::string& command) {
  const CliUsage::Command* usage = CliUsage::Find(command);
  if (usage == nullptr) throw std::runtime_error("no usage for " + command);
  return *usage;
}

TEST(CliHelp, EveryCommandAndOptionOfTheParserIsInTheHelpAndTheManualPage) {
  const std::map<std::string, std::string> manual = ManualParts();
  const std::string synopsis = manual.at("SYNOPSIS");
  for (const std::string& command : CliOptions::Commands()) {
    SCOPED_TRACE(command);
    ASSERT_NE(CliUsage::Find(command), nullptr) << "the usage table has no entry for the command";
    const std::string help = CliUsage::Help(UsageOf(command));
    ASSERT_EQ(manual.count(command), 1u) << "the manual page has no subsection for the command";
    const std::string& part = manual.at(command);
    EXPECT_TRUE(Mentions(CliUsage::Help(), command));
    EXPECT_TRUE(Mentions(synopsis, "tav2-cli " + command));
    std::set<std::string> options = CliOptions::OptionsOf(command);
    options.insert(std::string(CliUsage::kHelpOption));
    for (const std::string& option : options) {
      EXPECT_TRUE(Mentions(help, option)) << option << " is not in the help:\n" << help;
      EXPECT_TRUE(Mentions(part, option)) << option << " is not in the manual page's part:\n" << part;
      if (option != CliUsage::kHelpOption) {
        EXPECT_TRUE(Mentions(synopsis, option)) << option << " is not in the manual page's synopsis";
      }
    }
  }
}

TEST(CliHelp, TheProgramsOwnOptionsAreInTheHelpAndTheManualPage) {
  const std::map<std::string, std::string> manual = ManualParts();
  for (const std::string_view option : {CliUsage::kHelpOption, CliUsage::kVersionOption}) {
    std::string error;
    const std::optional<CliOptions> parsed = CliOptions::Parse({std::string(option)}, error);
    ASSERT_TRUE(parsed.has_value()) << error;
    EXPECT_TRUE(parsed->help || parsed->version);
    EXPECT_TRUE(Mentions(CliUsage::Usage(), std::string(option)));
    EXPECT_TRUE(Mentions(manual.at("OPTIONS"), std::string(option)));
    EXPECT_TRUE(Mentions(manual.at("SYNOPSIS"), std::string(option)));
  }
}

// Every exit status of the runner is explained in the help and the manual
// page, and the help explains no other.
TEST(CliHelp, EveryExitStatusIsExplained) {
  const std::vector<std::string> statuses = {"0", "1", "2", "3", "4", "64", "66", "73", "74"};
  const std::vector<int> codes = {Tav2Cli::kSuccess,    Tav2Cli::kBuildErrors, Tav2Cli::kHaltedByZero,
                                  Tav2Cli::kStepLimit,  Tav2Cli::kInputEnded,  Tav2Cli::kUsage,
                                  Tav2Cli::kCannotRead, Tav2Cli::kCannotWrite, Tav2Cli::kCannotWriteOutput};
  ASSERT_EQ(codes.size(), statuses.size());
  for (std::size_t i = 0; i < codes.size(); ++i) EXPECT_EQ(std::to_string(codes[i]), statuses[i]);
  EXPECT_EQ(SectionNames(CliUsage::Help(), "exit status"), statuses);
  const std::string manual = ManualParts().at("EXIT STATUS");
  for (const std::string& status : statuses)
    EXPECT_NE(manual.find(".B " + status + "\n"), std::string::npos) << status;
  for (const CliUsage::Command& command : CliUsage::Commands()) {
    for (const std::string& status : SectionNames(CliUsage::Help(command), "exit status")) {
      EXPECT_NE(std::find(statuses.begin(), statuses.end(), status), statuses.end())
          << command.name << " gives the unknown status " << status;
    }
  }
}

TEST(CliHelp, EveryCaseFileKeyAndExitIsDescribed) {
  const std::string manual = ManualParts().at("CASE FILES");
  const std::string help = CliUsage::Help(UsageOf("test"));
  std::vector<std::string> words;
  for (std::string_view key : CaseFile::kFileKeys) words.emplace_back(key);
  for (std::string_view key : CaseFile::kCaseKeys) words.emplace_back(key);
  std::istringstream exits{std::string(ExpectableRunExitNames())};
  for (std::string exit; std::getline(exits >> std::ws, exit, ',');) words.push_back(exit);
  ASSERT_GE(words.size(), 4u + 5u + 14u);
  for (const std::string& word : words) {
    EXPECT_TRUE(Mentions(manual, word)) << word;
    EXPECT_TRUE(Mentions(help, word)) << word;
  }
}

// The help is for a person at a terminal: no line wider than 80 columns
// but the usage lines the error message has always shown.
TEST(CliHelp, HelpLinesFitATerminal) {
  std::vector<std::string> texts = {CliUsage::Help()};
  for (const CliUsage::Command& command : CliUsage::Commands()) texts.push_back(CliUsage::Help(command));
  for (const std::string& text : texts) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
      if (line.rfind("usage: ", 0) == 0 || line.rfind("       tav2-cli ", 0) == 0) continue;
      EXPECT_LE(line.size(), 79u) << line;
    }
  }
}

TEST(CliHelp, HelpIsAskedForAfterAnyCommandWhateverElseIsGiven) {
  struct Case {
    std::vector<std::string> args;
    bool help;
    std::string command;
  };
  const std::vector<Case> cases = {
      {{"run", "--help"}, true, "run"},
      {{"run", "--bogus", "x.asm", "--help"}, true, "run"},
      {{"test", "-j", "0", "--help"}, true, "test"},
      {{"mc", "--help"}, true, "mc"},
      {{"--help"}, true, ""},
  };
  for (const Case& c : cases) {
    std::string error;
    const std::optional<CliOptions> parsed = CliOptions::Parse(c.args, error);
    ASSERT_TRUE(parsed.has_value()) << error;
    EXPECT_EQ(parsed->help, c.help);
    EXPECT_EQ(parsed->command, c.command);
  }
  std::string error;
  EXPECT_FALSE(CliOptions::Parse({"--help", "run"}, error).has_value());
  EXPECT_EQ(error, "--help takes no other argument");
  EXPECT_FALSE(CliOptions::Parse({"--version", "x"}, error).has_value());
  EXPECT_EQ(error, "--version takes no other argument");
  EXPECT_FALSE(CliOptions::Parse({"frob", "--help"}, error).has_value());
  EXPECT_EQ(error, "unknown command: frob");
}

}  // namespace
}  // namespace tav2
