#pragma once
// What the three code tables (zone types, relay types, user modes) share.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace travo {

// One code with "short name|description"; the description breaks lines with CR.
struct R_NAME_Type {
    std::int32_t code;
    std::string text;  // Windows-1251
    std::string third; // picture name, copy of the text, or a short label
};

using CodeTable = std::vector<R_NAME_Type>;

// The text before the first "|", or the whole text when there is none.
std::string_view ShortName(std::string_view text);
// The text after the first "|", or the whole text when there is none.
std::string_view Description(std::string_view text);

// The text of the first entry with this code; empty when there is none.
const std::string& TableNameOf(const CodeTable& table, std::int32_t code);
// The code at a 1-based position, or the table's not-found code.
std::int32_t TableCodeAt(const CodeTable& table, int position, std::int32_t notFound);

} // namespace travo
