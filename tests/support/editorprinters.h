#pragma once
// Readable failures and case names for the editor's value types.
#include <ostream>

#include "core/editor/selection.h"
#include "core/editor/textsearch.h"

namespace tav2 {

inline void PrintTo(const Selection& selection, std::ostream* out) {
  *out << "{start " << selection.start << ", length " << selection.length << '}';
}

inline void PrintTo(const SearchOptions& options, std::ostream* out) {
  *out << std::boolalpha << "{matchCase " << options.matchCase << ", wholeWord " << options.wholeWord
       << ", down " << options.down << std::noboolalpha << '}';
}

}  // namespace tav2
