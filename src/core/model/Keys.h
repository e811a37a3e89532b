#pragma once
// User modes: 3 codes, position p holds code p - 1; stored as a mark before the name.
#include "model/CodeTable.h"

namespace travo {

const CodeTable& KeyModes();
const std::string& KeyModeName(std::int32_t code);
// The short label of a mode ("Управление", ...); empty for an unknown code.
const std::string& KeyModeLabel(std::int32_t code);
// The code at position 1..3; 255 for any other position.
std::int32_t KeyModeCode(int position);

} // namespace travo
