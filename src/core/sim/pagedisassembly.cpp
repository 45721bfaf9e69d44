#include "core/sim/pagedisassembly.h"

#include "core/sim/disassemble.h"
#include "core/sim/machine.h"

namespace tav2 {

PageDisassembly PageDisassembly::Of(const Machine& machine, uint16_t pageBase) {
  PageDisassembly page;
  int skip = 0;
  for (std::size_t row = 0; row < page.rows.size(); ++row) {
    const auto address = static_cast<uint16_t>(pageBase + row);
    std::string& text = page.rows[row];
    if (skip > 0) {
      --skip;
    } else {
      skip = Disassemble(machine.memory, machine.mcrom, address, text, &machine.labels) - 1;
    }
    if (const std::string* label = machine.labels.FindAt(address))
      text = *label + (text.empty() ? ":" : ": " + text);
  }
  return page;
}

}  // namespace tav2
