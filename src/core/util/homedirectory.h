#pragma once
#include <filesystem>

namespace tav2 {

// The programs' home directory: the start-up micro-code, include/, sources/
// and help/. In a build tree or a copied folder it is the directory of the
// program itself; once installed, the program lives in bin/ and its home in
// share/tav2/ beside it.
struct HomeDirectory {
  static constexpr const char* kStartUpMicrocode = "microdefs.~mc";
  static constexpr const char* kHelpDirectory = "help";
  // From the program's directory to the installed home.
  static constexpr const char* kInstalledPlace = "../share/tav2";

  std::filesystem::path path;
  // Found in the installed place: shared by every user, and not theirs to write.
  bool installed = false;

  // The home of a program in `programDir`: that directory when it holds the
  // start-up micro-code or help/, else the installed place when that exists,
  // else `programDir` all the same.
  static HomeDirectory Of(const std::filesystem::path& programDir);
};

}  // namespace tav2
