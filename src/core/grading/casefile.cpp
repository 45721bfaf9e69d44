#include "core/grading/casefile.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <span>

#include <toml++/toml.h>

#include "core/grading/registerorder.h"
#include "core/lang/sourcefile.h"
#include "core/util/formatted.h"

namespace tav2 {

namespace {

// Above this a wall-clock limit would be no limit at all.
constexpr double kMaxSecondsLimit = 1'000'000;
constexpr int64_t kLowestWord = -0x8000;
constexpr int64_t kHighestWord = 0xFFFF;

std::string KeyList(std::span<const std::string_view> keys) {
  std::string text;
  for (std::string_view key : keys) {
    if (!text.empty()) text += ", ";
    text += key;
  }
  return text;
}

std::optional<uint16_t> HexWord(std::string_view text) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.remove_prefix(2);
  unsigned value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value > 0xFFFF) {
    return std::nullopt;
  }
  return static_cast<uint16_t>(value);
}

std::optional<Reg> RegisterNamed(std::string_view name) {
  for (const NamedRegister& named : kRegisterOrder) {
    if (name.size() == named.name.size() &&
        std::equal(name.begin(), name.end(), named.name.begin(),
                   [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) == b; })) {
      return named.reg;
    }
  }
  return std::nullopt;
}

struct Entry {
  const toml::key* key;
  const toml::node* node;
};

// The entries of a table in the order the file has them (the table keeps
// them sorted by key).
std::vector<Entry> InFileOrder(const toml::table& table) {
  std::vector<Entry> entries;
  for (const auto& [key, node] : table) entries.push_back({&key, &node});
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    const toml::source_position& x = a.key->source().begin;
    const toml::source_position& y = b.key->source().begin;
    return x.line != y.line ? x.line < y.line : x.column < y.column;
  });
  return entries;
}

// The limits a case takes from the top of the file unless it sets its own.
struct FileLimits {
  uint64_t maxSteps = TestCase::kDefaultMaxSteps;
  std::size_t maxOutput = TestCase::kDefaultMaxOutput;
  double maxSeconds = TestCase::kDefaultMaxSeconds;
};

// The checks of one case file; each failure names the file, line and
// column of the key or value at fault.
class CaseFileReader {
 public:
  explicit CaseFileReader(const std::string& fileName) : fileName_(fileName) {}

  CaseFile Read(const toml::table& root) const;

 private:
  [[noreturn]] void Fail(const toml::source_region& where, const std::string& text) const {
    throw CaseFileError(
        CaseFileError::Kind::Invalid,
        Formatted("%s:%u:%u: %s", fileName_.c_str(), where.begin.line, where.begin.column, text.c_str()));
  }
  void CheckKeys(const toml::table& table, std::span<const std::string_view> allowed,
                 std::string_view owner) const;
  void ReadLimits(const toml::table& table, FileLimits& limits) const;
  TestCase ReadCase(const toml::table& table, const FileLimits& limits, std::size_t number) const;
  void ReadRegisters(const toml::node& node, TestCase& testCase) const;
  void ReadMemory(const toml::node& node, TestCase& testCase) const;

  std::string Text(const toml::node& node, std::string_view key) const;
  std::vector<std::string> Texts(const toml::node& node, std::string_view key) const;
  int64_t Whole(const toml::node& node, std::string_view key, int64_t lowest) const;
  double Number(const toml::node& node, std::string_view key, double lowest, double highest) const;
  uint16_t Word(const toml::node& node, const std::string& what) const;

  std::string fileName_;
};

CaseFile CaseFileReader::Read(const toml::table& root) const {
  CheckKeys(root, CaseFile::kFileKeys, "a case file");
  CaseFile file;
  file.fileName = fileName_;
  if (const toml::node* microcode = root.get("microcode")) {
    const std::filesystem::path named = Text(*microcode, "microcode");
    file.microcode = std::filesystem::path(fileName_).parent_path() / named;
  }
  FileLimits limits;
  ReadLimits(root, limits);
  const toml::node* cases = root.get("case");
  const toml::array* list = cases != nullptr ? cases->as_array() : nullptr;
  if (cases != nullptr && (list == nullptr || !list->is_array_of_tables())) {
    Fail(cases->source(), "case must be a list of tables, each starting with [[case]]");
  }
  if (list == nullptr || list->empty()) {
    throw CaseFileError(CaseFileError::Kind::Invalid,
                        fileName_ + ": no cases (each case starts with [[case]])");
  }
  for (std::size_t i = 0; i < list->size(); ++i) {
    file.cases.push_back(ReadCase(*list->get(i)->as_table(), limits, i + 1));
  }
  return file;
}

void CaseFileReader::CheckKeys(const toml::table& table, std::span<const std::string_view> allowed,
                               std::string_view owner) const {
  for (const auto& [key, node] : InFileOrder(table)) {
    if (std::find(allowed.begin(), allowed.end(), key->str()) == allowed.end()) {
      Fail(key->source(), Formatted("unknown key %s (%.*s takes %s)", std::string(key->str()).c_str(),
                                    static_cast<int>(owner.size()), owner.data(), KeyList(allowed).c_str()));
    }
  }
}

void CaseFileReader::ReadLimits(const toml::table& table, FileLimits& limits) const {
  if (const toml::node* node = table.get("max_steps")) {
    limits.maxSteps = static_cast<uint64_t>(Whole(*node, "max_steps", 1));
  }
  if (const toml::node* node = table.get("max_output")) {
    limits.maxOutput = static_cast<std::size_t>(Whole(*node, "max_output", 1));
  }
  if (const toml::node* node = table.get("max_seconds")) {
    limits.maxSeconds = Number(*node, "max_seconds", 0, kMaxSecondsLimit);
    if (limits.maxSeconds <= 0) Fail(node->source(), "max_seconds must be more than 0");
  }
}

TestCase CaseFileReader::ReadCase(const toml::table& table, const FileLimits& fileLimits,
                                  std::size_t number) const {
  CheckKeys(table, CaseFile::kCaseKeys, "a case");
  TestCase testCase;
  testCase.name = Formatted("case %zu", number);
  if (const toml::node* node = table.get("name")) testCase.name = Text(*node, "name");
  if (const toml::node* node = table.get("input")) testCase.input = Text(*node, "input");
  if (const toml::node* node = table.get("points")) {
    testCase.points = Number(*node, "points", 0, std::numeric_limits<double>::max());
  }
  if (const toml::node* node = table.get("output")) testCase.output = Text(*node, "output");
  if (const toml::node* node = table.get("output_contains")) {
    testCase.outputContains = Texts(*node, "output_contains");
  }
  if (const toml::node* node = table.get("exit")) {
    const std::string name = Text(*node, "exit");
    const std::optional<RunExit> exit = ExpectableRunExit(name);
    if (!exit) {
      Fail(node->source(), Formatted("exit must be one of %s, not \"%s\"",
                                     std::string(ExpectableRunExitNames()).c_str(), name.c_str()));
    }
    testCase.exit = *exit;
  }
  if (const toml::node* node = table.get("registers")) ReadRegisters(*node, testCase);
  if (const toml::node* node = table.get("memory")) ReadMemory(*node, testCase);
  if (const toml::node* node = table.get("max_instructions")) {
    testCase.maxInstructions = static_cast<uint64_t>(Whole(*node, "max_instructions", 0));
  }
  if (const toml::node* node = table.get("start")) testCase.start = Word(*node, "start");
  if (const toml::node* node = table.get("sp")) testCase.stackPointer = Word(*node, "sp");
  FileLimits limits = fileLimits;
  ReadLimits(table, limits);
  testCase.maxSteps = limits.maxSteps;
  testCase.maxOutput = limits.maxOutput;
  testCase.maxSeconds = limits.maxSeconds;
  return testCase;
}

void CaseFileReader::ReadRegisters(const toml::node& node, TestCase& testCase) const {
  const toml::table* table = node.as_table();
  if (table == nullptr) Fail(node.source(), "registers must be a table such as { R1 = 0x000B, SR = 0x0004 }");
  for (const auto& [key, value] : InFileOrder(*table)) {
    const std::string name(key->str());
    const std::optional<Reg> reg = RegisterNamed(name);
    if (!reg) {
      Fail(key->source(), Formatted("unknown register %s (registers are PC, SP, R1, R2, T1, A, B, C, IR, "
                                    "MDR, MAR, SR)",
                                    name.c_str()));
    }
    testCase.registers.push_back({*reg, Word(*value, "register " + name)});
  }
}

void CaseFileReader::ReadMemory(const toml::node& node, TestCase& testCase) const {
  const toml::table* table = node.as_table();
  if (table == nullptr) Fail(node.source(), "memory must be a table such as { \"0x0200\" = [1, 2, 3] }");
  for (const auto& [key, value] : InFileOrder(*table)) {
    const std::string name(key->str());
    const std::optional<uint16_t> address = HexWord(name);
    if (!address) {
      Fail(key->source(), Formatted("memory address %s must be a hex word such as \"0x0200\"", name.c_str()));
    }
    const toml::array* words = value->as_array();
    if (words == nullptr) Fail(value->source(), "memory at " + name + " must be a list of words");
    TestCase::MemoryWords expected{*address, {}};
    for (const toml::node& word : *words) expected.words.push_back(Word(word, "a word of memory at " + name));
    testCase.memory.push_back(std::move(expected));
  }
}

std::string CaseFileReader::Text(const toml::node& node, std::string_view key) const {
  const toml::value<std::string>* text = node.as_string();
  if (text == nullptr) Fail(node.source(), std::string(key) + " must be a text in quotes");
  return text->get();
}

std::vector<std::string> CaseFileReader::Texts(const toml::node& node, std::string_view key) const {
  const toml::array* list = node.as_array();
  if (list == nullptr)
    Fail(node.source(), std::string(key) + " must be a list of texts, such as [\"one\", \"two\"]");
  std::vector<std::string> texts;
  for (const toml::node& item : *list) texts.push_back(Text(item, std::string(key) + "'s items"));
  return texts;
}

int64_t CaseFileReader::Whole(const toml::node& node, std::string_view key, int64_t lowest) const {
  const toml::value<int64_t>* value = node.as_integer();
  if (value == nullptr || value->get() < lowest) {
    Fail(node.source(), Formatted("%s must be a whole number of %lld or more", std::string(key).c_str(),
                                  static_cast<long long>(lowest)));
  }
  return value->get();
}

double CaseFileReader::Number(const toml::node& node, std::string_view key, double lowest,
                              double highest) const {
  std::optional<double> number;
  if (const toml::value<int64_t>* whole = node.as_integer()) number = static_cast<double>(whole->get());
  if (const toml::value<double>* real = node.as_floating_point()) number = real->get();
  if (!number || !std::isfinite(*number) || *number < lowest || *number > highest) {
    Fail(node.source(),
         Formatted("%s must be a number from %g to %g", std::string(key).c_str(), lowest, highest));
  }
  return *number;
}

uint16_t CaseFileReader::Word(const toml::node& node, const std::string& what) const {
  const toml::value<int64_t>* value = node.as_integer();
  if (value == nullptr || value->get() < kLowestWord || value->get() > kHighestWord) {
    Fail(node.source(), what + " must be a word: 0 to 0xFFFF, or -32768 to -1");
  }
  return static_cast<uint16_t>(value->get() & 0xFFFF);
}

}  // namespace

CaseFile CaseFile::Read(const std::string& fileName) {
  const SourceFile file = SourceFile::Read(fileName);
  switch (file.status) {
    case SourceFile::Status::kRead: return Parse(file.text, fileName);
    case SourceFile::Status::kTooLarge:
      throw CaseFileError(CaseFileError::Kind::Unreadable,
                          "can't open file: " + fileName + " (" + file.TooLargeReason() + ")");
    case SourceFile::Status::kCannotOpen: break;
  }
  throw CaseFileError(CaseFileError::Kind::Unreadable, "can't open file: " + fileName);
}

CaseFile CaseFile::Parse(std::string_view text, const std::string& fileName) {
  toml::table root;
  try {
    root = toml::parse(text, fileName);
  } catch (const toml::parse_error& error) {
    throw CaseFileError(CaseFileError::Kind::Invalid,
                        Formatted("%s:%u:%u: %s", fileName.c_str(), error.source().begin.line,
                                  error.source().begin.column, std::string(error.description()).c_str()));
  }
  return CaseFileReader(fileName).Read(root);
}

}  // namespace tav2
