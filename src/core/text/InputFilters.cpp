#include "text/InputFilters.h"

#include <array>

namespace travo {
namespace {

CharSet Make(std::initializer_list<std::pair<int, int>> ranges) {
    CharSet set;
    set.codes.set(8); // Backspace, in every set
    for (auto [from, to] : ranges) {
        for (int c = from; c <= to; ++c) set.codes.set(static_cast<size_t>(c));
    }
    return set;
}

} // namespace

const CharSet& FilterSet(FilterKind kind) {
    static const std::array<CharSet, 6> sets = {
        Make({{'0', '9'}}),
        Make({{'0', '9'}, {65, 255}}),
        Make({{' ', ' '}, {'0', '9'}, {65, 122}, {192, 255}}),
        Make({{'#', '#'}, {'*', '*'}, {'+', '+'}, {'0', '9'}}),
        Make({{'0', '9'}, {'A', 'F'}, {'a', 'f'}}),
        Make({{'*', '*'}, {'0', '9'}, {'A', 'F'}, {'a', 'f'}}),
    };
    return sets[static_cast<size_t>(kind)];
}

std::string FilterText(std::string_view text, const CharSet& set) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (set.Accepts(static_cast<unsigned char>(c))) out += c;
    }
    return out;
}

} // namespace travo
