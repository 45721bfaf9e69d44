#pragma once
#include <string>

namespace tav2 {

// printf-style formatting into a std::string (the system's messages are
// printf formats such as "%04X" and "%s: line %d: \t%s").
std::string Formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace tav2
