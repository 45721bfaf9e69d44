#include "core/util/homedirectory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/tempdir.h"

namespace tav2 {
namespace {

namespace fs = std::filesystem;

// A program in prefix/bin finds its home next to itself in a build tree or
// a copied folder (the start-up micro-code or help/ there), else in the
// installed prefix/share/tav2, else keeps its own directory.
TEST(HomeDirectory, NextToTheProgramElseInstalledElseTheProgramsDirectory) {
  struct Case {
    const char* name;
    std::vector<std::string> made;  // below the prefix; a trailing "/" makes a directory
    const char* home;               // below the prefix
    bool installed;
  };
  const std::vector<Case> cases = {
      {"build tree", {"bin/microdefs.~mc", "share/tav2/microdefs.~mc"}, "bin", false},
      {"help only", {"bin/help/", "share/tav2/"}, "bin", false},
      {"installed", {"bin/", "share/tav2/microdefs.~mc"}, "share/tav2", true},
      {"installed without files", {"bin/", "share/tav2/"}, "share/tav2", true},
      {"a file named help is no home", {"bin/help", "share/tav2/"}, "share/tav2", true},
      {"nothing anywhere", {"bin/", "share/"}, "bin", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempDir prefix;
    for (const std::string& made : c.made) {
      fs::create_directories((prefix.Path() / made).parent_path());
      if (made.back() != '/') prefix.Write(made, "x");
    }
    const HomeDirectory home = HomeDirectory::Of(prefix.Path() / "bin");
    EXPECT_EQ(home.path, prefix.Path() / c.home);
    EXPECT_EQ(home.installed, c.installed);
  }
}

}  // namespace
}  // namespace tav2
