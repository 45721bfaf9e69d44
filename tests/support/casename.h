#pragma once
// Names the instances of a parameterised test after the `name` field of their
// cases ("inc wraps: carry" becomes inc_wraps__carry), so that CTest lists
// and filters them by what they check.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace tav2::test {

// The description with every character that may not stand in a test name
// turned into '_'.
std::string TestNameFrom(std::string_view description);

struct CaseNamed {
  template <typename Case>
  std::string operator()(const testing::TestParamInfo<Case>& info) const {
    return TestNameFrom(info.param.name);
  }
};

}  // namespace tav2::test
