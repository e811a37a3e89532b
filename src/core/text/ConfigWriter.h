#pragma once
// The writer of the device's configuration text: 545 lines of 45 characters.
#include <string>
#include <vector>

#include "model/Device.h"

namespace travo {

using TextLines = std::vector<std::string>;

inline constexpr size_t kLineWidth = 45;
inline constexpr size_t kConfigLines = 545;

// Appends the configuration's lines, padded to 45 characters, to lines.
void WriteConfig(const T_Command_DEVICE& device, TextLines& lines);

// The unpadded line of one command; empty for the header and trailer kinds.
std::string CommandLine(const T_Command_DEVICE& device, int kind, int position);

// The unpadded line of one user (1..250).
std::string UserLine(const T_Command_DEVICE& device, int user);

} // namespace travo
