#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "core/editor/selection.h"
#include "core/editor/textchange.h"

namespace tav2 {

// What an editing command does: the stretch of text it replaces (none when
// the text stays as it is) and the selection afterwards.
struct EditResult {
  std::optional<TextChange> change;
  Selection selection;

  std::string AppliedTo(std::string_view text) const {
    return change ? change->AppliedTo(text) : std::string(text);
  }
  bool operator==(const EditResult&) const = default;
};

}  // namespace tav2
