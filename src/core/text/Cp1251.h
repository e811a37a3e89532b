#pragma once
// Windows-1251 <-> UTF-8. Every file of the system is Windows-1251; the core keeps
// its text as those bytes and converts only where text meets the user.
#include <optional>
#include <string>
#include <string_view>

namespace travo {

// The Unicode code point of one Windows-1251 byte. 0x98, which the code page
// leaves undefined, maps to U+0098 so that every byte survives a round trip.
char32_t Cp1251ToUnicode(unsigned char byte);

// The Windows-1251 byte of a code point, or nothing when the code page lacks it.
std::optional<unsigned char> UnicodeToCp1251(char32_t codePoint);

std::string Cp1251ToUtf8(std::string_view cp1251);

// Nothing when the text is not valid UTF-8 or holds a character the code page lacks.
std::optional<std::string> Utf8ToCp1251(std::string_view utf8);

// Upper case in Windows-1251: ASCII and Cyrillic letters (Ё, Ў, Є, ... included).
std::string UpperCp1251(std::string_view cp1251);

// Removes leading and trailing characters with codes 32 and below.
std::string_view TrimBlanks(std::string_view text);

// For texts this program itself defines: converts and never fails on them.
std::string W(std::string_view utf8);

} // namespace travo
