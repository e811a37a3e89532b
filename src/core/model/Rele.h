#pragma once
// Relay types: 11 codes, position p holds code p - 1.
#include "model/CodeTable.h"

namespace travo {

const CodeTable& ReleTypes();
const std::string& ReleTypeName(std::int32_t code);
// The code at position 1..11; 255 for any other position.
std::int32_t ReleTypeCode(int position);

} // namespace travo
