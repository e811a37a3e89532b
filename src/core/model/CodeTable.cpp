#include "model/CodeTable.h"

namespace travo {

std::string_view ShortName(std::string_view text) {
    const auto bar = text.find('|');
    return bar == std::string_view::npos ? text : text.substr(0, bar);
}

std::string_view Description(std::string_view text) {
    const auto bar = text.find('|');
    return bar == std::string_view::npos ? text : text.substr(bar + 1);
}

const std::string& TableNameOf(const CodeTable& table, std::int32_t code) {
    static const std::string empty;
    for (const auto& entry : table) {
        if (entry.code == code) return entry.text;
    }
    return empty;
}

std::int32_t TableCodeAt(const CodeTable& table, int position, std::int32_t notFound) {
    if (position < 1 || position > static_cast<int>(table.size())) return notFound;
    return table[static_cast<size_t>(position - 1)].code;
}

} // namespace travo
