#pragma once
// Prints a case of a table-driven test as `{field: value, ...}`, so that the
// test list, CTest and every failure message show which case it was instead
// of the bytes of the struct.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace tav2::test {

class CasePrinter {
 public:
  explicit CasePrinter(std::ostream* out) : out_(*out) { out_ << '{'; }
  ~CasePrinter() { out_ << '}'; }
  CasePrinter(const CasePrinter&) = delete;
  CasePrinter& operator=(const CasePrinter&) = delete;

  // Texts come quoted with their control characters escaped (a null
  // pointer as nullptr), enumerations as their number, everything else as
  // GoogleTest prints it.
  template <typename T>
  CasePrinter& Field(std::string_view name, const T& value) {
    StartField(name);
    if constexpr (std::is_pointer_v<T> && std::is_convertible_v<T, std::string_view>) {
      out_ << (value ? testing::PrintToString(std::string(value)) : "nullptr");
    } else if constexpr (std::is_convertible_v<const T&, std::string_view>) {
      out_ << testing::PrintToString(std::string(std::string_view(value)));
    } else if constexpr (std::is_enum_v<T>) {
      out_ << static_cast<long long>(static_cast<std::underlying_type_t<T>>(value));
    } else {
      out_ << testing::PrintToString(value);
    }
    return *this;
  }

  // A machine word or an opcode, as 0x12AB.
  CasePrinter& Hex(std::string_view name, uint32_t value);
  CasePrinter& Hex(std::string_view name, const std::vector<uint16_t>& words);
  CasePrinter& Hex(std::string_view name, const std::optional<uint16_t>& word);

 private:
  void StartField(std::string_view name);

  std::ostream& out_;
  bool first_ = true;
};

}  // namespace tav2::test
