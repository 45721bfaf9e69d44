#pragma once
#include <string>
#include <vector>

namespace tav2 {

class Mcrom;

// The text of the micro-code ROM view: a header block over the binary
// columns, every named entry with its micro-instructions in binary and as
// text, and a header block under them.
struct McromListing {
  std::vector<std::string> above;
  std::vector<std::string> entries;
  std::vector<std::string> below;

  static McromListing Of(const Mcrom& mcrom);
};

}  // namespace tav2
