#pragma once
// Zone types: 15 codes in the order the type list shows them; code 13 does not exist.
#include "model/CodeTable.h"

namespace travo {

const CodeTable& ShleifTypes();
// "name|description" of a zone type; empty for a code without entry.
const std::string& ShleifTypeName(std::int32_t code);
// The code at position 1..15; 0 for any other position.
std::int32_t ShleifTypeCode(int position);

} // namespace travo
