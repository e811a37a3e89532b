#pragma once
// travo4gsm-cli: the configuration tools for scripts and integrators.
#include <ostream>
#include <string>
#include <vector>

namespace travo::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 64;
inline constexpr int kExitNoInput = 66;

// Runs one command. File contents go to out as exact Windows-1251 bytes;
// messages go to err in UTF-8.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace travo::cli
