#pragma once

namespace tav2 {

// A window's place in the main window's client area, in pixels.
struct WindowBounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool operator==(const WindowBounds&) const = default;
};

}  // namespace tav2
