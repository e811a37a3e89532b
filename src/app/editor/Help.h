#pragma once
// The hint table: one help text per help context, searched in table order.
#include <cstdint>
#include <span>
#include <string_view>

namespace travo {

struct R_HELP_Type {
    std::int32_t context;
    std::string_view text; // UTF-8; lines break with CR
};

std::span<const R_HELP_Type> HelpTable();

// The text of the first record with this context, or nothing.
const R_HELP_Type* FindHelp(std::int32_t context);

} // namespace travo
