#pragma once

namespace tav2 {

// Which columns a memory view shows, and whether it marks the PC's word.
struct MemoryViewColumns {
  bool hex = true;
  bool decimal = true;
  bool ascii = true;
  bool binary = true;
  bool disassembly = true;
  bool pcMark = true;

  bool operator==(const MemoryViewColumns&) const = default;
};

}  // namespace tav2
