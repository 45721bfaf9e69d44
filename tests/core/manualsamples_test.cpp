// The listings, sample outputs and file excerpts the manual shows are what
// the tools write. A <pre> block of the manual says what it is with data-*
// attributes:
//   data-file="NAME"          a source: written as NAME into the folder the
//                             commands run in (with data-add-to="F": the
//                             block inserted before the last "##" of data/F)
//   data-command="ARGS"       what `tav2-cli ARGS` writes, run in that folder
//                             (which also holds data/sources as sources/ and
//                             the files of tests/core/manual); data-input
//                             is its standard input, data-status its exit
//                             status (0), data-stream="stderr" compares
//                             standard error, data-match="part" accepts the
//                             block as a run of whole lines of the output
//   data-excerpt-of="F"       a run of whole lines of data/F
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/tempdir.h"

namespace tav2 {
namespace {

namespace fs = std::filesystem;

const fs::path kData = fs::path(TAV2_SOURCE_DIR) / "data";
const fs::path kManual = kData / "help" / "TAV2.html";
const fs::path kSnippets = fs::path(TAV2_SOURCE_DIR) / "tests" / "core" / "manual";
const fs::path kCli = fs::path(TAV2_HOME) / "tav2-cli";

struct ManualBlock {
  std::map<std::string, std::string> attributes;
  std::string text;
  int line = 0;  // of the <pre> tag in the manual

  bool Has(const std::string& name) const { return attributes.count(name) > 0; }
  std::string Get(const std::string& name, const std::string& otherwise = "") const {
    const auto found = attributes.find(name);
    return found == attributes.end() ? otherwise : found->second;
  }
};

std::string DecodeEntities(const std::string& html) {
  static const std::map<std::string, std::string> kNamed = {
      {"lt", "<"}, {"gt", ">"}, {"amp", "&"}, {"quot", "\""}, {"nbsp", " "}};
  std::string text;
  for (std::size_t at = 0; at < html.size(); ++at) {
    const std::size_t end = html[at] == '&' ? html.find(';', at) : std::string::npos;
    if (end == std::string::npos) {
      text += html[at];
      continue;
    }
    const std::string name = html.substr(at + 1, end - at - 1);
    if (!name.empty() && name[0] == '#') {
      text += static_cast<char>(std::stoi(name.substr(1)));
    } else {
      text += kNamed.at(name);
    }
    at = end;
  }
  return text;
}

// The attributes name="value" of a tag.
std::map<std::string, std::string> Attributes(const std::string& tag) {
  std::map<std::string, std::string> attributes;
  for (std::size_t equals = tag.find("=\""); equals != std::string::npos;
       equals = tag.find("=\"", equals + 1)) {
    const std::size_t name = tag.rfind(' ', equals) + 1;
    const std::size_t end = tag.find('"', equals + 2);
    attributes[tag.substr(name, equals - name)] = DecodeEntities(tag.substr(equals + 2, end - equals - 2));
    equals = end;
  }
  return attributes;
}

// Every <pre> block: its attributes and its text (entities decoded, without
// the line break that follows the tag).
std::vector<ManualBlock> PreBlocks(const std::string& html) {
  std::vector<ManualBlock> blocks;
  for (std::size_t at = html.find("<pre"); at != std::string::npos; at = html.find("<pre", at + 1)) {
    const std::size_t tagEnd = html.find('>', at);
    const std::size_t close = html.find("</pre>", tagEnd);
    ManualBlock block;
    block.line = 1 + static_cast<int>(std::count(html.begin(), html.begin() + static_cast<long>(at), '\n'));
    block.attributes = Attributes(html.substr(at, tagEnd - at));
    std::string body = html.substr(tagEnd + 1, close - tagEnd - 1);
    if (!body.empty() && body[0] == '\n') body.erase(0, 1);
    block.text = DecodeEntities(body);
    blocks.push_back(std::move(block));
  }
  return blocks;
}

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

std::string Quoted(const std::string& word) {
  std::string quoted = "'";
  for (char ch : word) quoted += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
  return quoted + "'";
}

struct CliRun {
  std::string out;
  std::string err;
  int status = -1;
};

CliRun RunCli(const fs::path& dir, const std::string& arguments, const std::string& input) {
  test::TempDir streams;
  const fs::path in = streams.Write("in", input);
  std::string command = "cd " + Quoted(dir.string()) + " && " + Quoted(kCli.string());
  for (const std::string& word : Words(arguments)) command += " " + Quoted(word);
  command += " < " + Quoted(in.string()) + " > " + Quoted((streams.Path() / "out").string()) + " 2> " +
             Quoted((streams.Path() / "err").string());
  CliRun run;
  const int result = std::system(command.c_str());
  if (result != -1 && WIFEXITED(result)) run.status = WEXITSTATUS(result);
  run.out = test::ReadWhole(streams.Path() / "out");
  run.err = test::ReadWhole(streams.Path() / "err");
  return run;
}

// Whether `part` (whole lines) stands in `text` as a run of whole lines.
bool HoldsLines(const std::string& text, const std::string& part) {
  return ("\n" + text).find("\n" + part) != std::string::npos;
}

std::string WithBlockBeforeLastMarker(const std::string& file, const std::string& block) {
  std::string text = test::ReadWhole(kData / file);
  const std::size_t marker = text.rfind("##");
  return marker == std::string::npos ? text + block : text.insert(marker, block + "\n");
}

// The folder the manual's commands run in: its sources, the examples as
// sources/ and the snippets kept for the manual in tests/core/manual.
void LayOut(const test::TempDir& dir, const std::vector<ManualBlock>& blocks) {
  fs::copy(kData / "sources", dir.Dir("sources"), fs::copy_options::recursive);
  fs::copy(kSnippets, dir.Path(), fs::copy_options::recursive);
  for (const ManualBlock& block : blocks) {
    if (!block.Has("data-file")) continue;
    const std::string base = block.Get("data-add-to");
    dir.Write(block.Get("data-file"),
              base.empty() ? block.text : WithBlockBeforeLastMarker(base, block.text));
  }
}

const std::vector<ManualBlock>& Blocks() {
  static const std::vector<ManualBlock> blocks = PreBlocks(test::ReadWhole(kManual));
  return blocks;
}

TEST(ManualSamples, EveryCommandWritesWhatTheManualShows) {
  test::TempDir dir;
  LayOut(dir, Blocks());
  int commands = 0;
  for (const ManualBlock& block : Blocks()) {
    if (!block.Has("data-command")) continue;
    ++commands;
    const std::string where =
        "TAV2.html line " + std::to_string(block.line) + ": tav2-cli " + block.Get("data-command");
    const CliRun run = RunCli(dir.Path(), block.Get("data-command"), block.Get("data-input"));
    EXPECT_EQ(std::to_string(run.status), block.Get("data-status", "0")) << where << "\n" << run.err;
    const std::string& written = block.Get("data-stream") == "stderr" ? run.err : run.out;
    if (block.Get("data-match") == "part") {
      EXPECT_TRUE(HoldsLines(written, block.text)) << where << "\nmanual:\n"
                                                   << block.text << "\ntool:\n"
                                                   << written;
    } else {
      EXPECT_EQ(block.text, written) << where;
    }
  }
  EXPECT_GE(commands, 19) << "the manual's samples have lost their marks";
}

TEST(ManualSamples, ExcerptsStandInTheirFiles) {
  int excerpts = 0;
  for (const ManualBlock& block : Blocks()) {
    if (!block.Has("data-excerpt-of")) continue;
    ++excerpts;
    EXPECT_TRUE(HoldsLines(test::ReadWhole(kData / block.Get("data-excerpt-of")), block.text))
        << "TAV2.html line " << block.line << " is not a part of " << block.Get("data-excerpt-of") << ":\n"
        << block.text;
  }
  EXPECT_GE(excerpts, 5) << "the manual's excerpts have lost their marks";
}

// Whether `text` has `count` characters of `digits` from `at` on.
bool DigitsAt(const std::string& text, std::size_t at, std::size_t count, const char* digits) {
  return text.size() >= at + count && text.find_first_not_of(digits, at) >= at + count;
}

// A line of a listing, a memory or register dump, or the ROM view.
bool LooksLikeToolOutput(const std::string& line) {
  const char* hex = "0123456789ABCDEF";
  if (DigitsAt(line, 0, 4, hex)) {
    const std::string after = line.substr(4);
    if (after.rfind("\t", 0) == 0 || after.rfind("    ", 0) == 0) return true;
    if (after.rfind(": ", 0) == 0 && DigitsAt(line, 6, 4, hex)) return true;
  }
  return (line.rfind("PC=", 0) == 0 && DigitsAt(line, 3, 4, hex)) || line.rfind("naam: ", 0) == 0 ||
         line.rfind("RWRWRW", 0) == 0 || (DigitsAt(line, 0, 38, "01") && line.size() > 38 && line[38] == ' ');
}

// A block that looks like a listing, a register dump or the ROM view is
// checked against the tools.
TEST(ManualSamples, EveryToolOutputIsChecked) {
  EXPECT_TRUE(LooksLikeToolOutput("0000\t1001\t\tbegin"));
  EXPECT_TRUE(LooksLikeToolOutput("0000    1001            begin"));
  EXPECT_TRUE(LooksLikeToolOutput("0100: 0005 000A"));
  EXPECT_TRUE(LooksLikeToolOutput("PC=0009 SP=7FFF"));
  EXPECT_TRUE(LooksLikeToolOutput("00000100001000000000000100001011000000 => A:=MAR:=PC;"));
  EXPECT_FALSE(LooksLikeToolOutput("begin   MOVE R1, 5"));
  for (const ManualBlock& block : Blocks()) {
    if (block.Has("data-command") || block.Has("data-excerpt-of")) continue;
    std::istringstream lines(block.text);
    for (std::string line; std::getline(lines, line);) {
      EXPECT_FALSE(LooksLikeToolOutput(line))
          << "TAV2.html line " << block.line << " shows tool output without a data-command: " << line;
    }
  }
}

// Each source the manual shows for a command is used by one.
TEST(ManualSamples, EverySourceIsUsed) {
  std::string commands;
  for (const ManualBlock& block : Blocks()) commands += " " + block.Get("data-command") + " ";
  for (const ManualBlock& block : Blocks()) {
    if (!block.Has("data-file")) continue;
    EXPECT_NE(commands.find(" " + block.Get("data-file") + " "), std::string::npos)
        << "TAV2.html line " << block.line << ": " << block.Get("data-file") << " is never run";
  }
}

}  // namespace
}  // namespace tav2
