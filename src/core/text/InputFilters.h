#pragma once
// The character sets that the editor's input boxes accept, as Windows-1251 codes.
#include <bitset>
#include <string>
#include <string_view>

namespace travo {

struct CharSet {
    std::bitset<256> codes;
    bool Accepts(unsigned char c) const { return codes.test(c); }
};

enum class FilterKind {
    Digits,    // Backspace, 0..9
    Text,      // Backspace, 0..9, every code from 65 ("A") to 255
    TextSpace, // Backspace, space, 0..9, 65..122, 192..255 (no Ё, no ё)
    Phone,     // Backspace, #, *, +, 0..9
    Hex,       // Backspace, 0..9, A..F, a..f
    HexStar,   // as Hex, and *
};

const CharSet& FilterSet(FilterKind kind);

// The text without the characters the set lacks, in their order.
std::string FilterText(std::string_view text, const CharSet& set);

} // namespace travo
