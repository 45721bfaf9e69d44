#pragma once

namespace tav2 {

// The options every editor holds; new editors copy the defaults.
struct EditorOptions {
  static constexpr int kMinTabNumber = 1;
  static constexpr int kMaxTabNumber = 48;
  static constexpr int kDefaultTabNumber = 8;

  bool autoIndent = false;
  bool wordWrap = false;
  bool syntaxColoring = true;
  bool tabsToSpaces = false;
  int tabNumber = kDefaultTabNumber;  // tab width in columns, 1 to 48
  bool lineNumbers = true;            // the gutter left of the text

  bool operator==(const EditorOptions&) const = default;
};

}  // namespace tav2
