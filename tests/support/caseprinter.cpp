#include "support/caseprinter.h"

#include "core/util/formatted.h"

namespace tav2::test {

CasePrinter& CasePrinter::Hex(std::string_view name, uint32_t value) {
  StartField(name);
  out_ << Formatted("0x%04X", value);
  return *this;
}

CasePrinter& CasePrinter::Hex(std::string_view name, const std::vector<uint16_t>& words) {
  StartField(name);
  out_ << '{';
  for (std::size_t i = 0; i < words.size(); ++i)
    out_ << (i == 0 ? "" : ", ") << Formatted("0x%04X", words[i]);
  out_ << '}';
  return *this;
}

CasePrinter& CasePrinter::Hex(std::string_view name, const std::optional<uint16_t>& word) {
  if (word) return Hex(name, *word);
  StartField(name);
  out_ << "nullopt";
  return *this;
}

void CasePrinter::StartField(std::string_view name) {
  if (!first_) out_ << ", ";
  first_ = false;
  out_ << name << ": ";
}

}  // namespace tav2::test
