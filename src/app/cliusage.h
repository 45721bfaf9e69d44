#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tav2 {

// The usage texts of tav2-cli: the short usage of a wrong command line,
// `tav2-cli --help`, `tav2-cli COMMAND --help` and `--version`, all drawn
// from one table with an entry per command.
class CliUsage {
 public:
  // A name and what it means: an option, a key, a debugger command, an
  // exit status.
  struct Item {
    std::string_view name;
    std::string_view meaning;
  };
  struct Section {
    std::string_view title;
    std::vector<Item> items;
  };
  struct Command {
    std::string_view name;
    // The arguments after "tav2-cli NAME", one usage line each.
    std::vector<std::string_view> synopsis;
    std::string_view summary;  // one line for the list of commands
    std::string_view description;
    std::vector<Section> sections;  // options first
  };

  static constexpr std::string_view kHelpOption = "--help";
  static constexpr std::string_view kVersionOption = "--version";

  static const std::vector<Command>& Commands();
  // The command of that name; nullptr when there is none.
  static const Command* Find(std::string_view name);

  // The usage of every command, written with a wrong command line.
  static std::string Usage();
  // What `tav2-cli --help` prints: the usage, the commands, the program's
  // options and the exit statuses.
  static std::string Help();
  // What `tav2-cli COMMAND --help` prints.
  static std::string Help(const Command& command);
  static std::string Version();
};

}  // namespace tav2
