#pragma once
// Formatting of a protected file's identifier for the file list.
#include <string>
#include <string_view>

namespace travo {

// Runs of allowed characters, each padded with fill to at least group characters
// (at its end for width > 0, at its front for width < 0); only allowed characters
// kept; padded to |width|; with insert, cut to |width| and the delimiter placed after
// every group-th character but the last.
std::string FormatGroups(std::string_view text, std::string_view allowed,
                         std::string_view delimiter, bool insert, int width, int group, char fill);

// 12 hexadecimal digits in three groups of four: "0123-4567-89AB".
std::string FormatIdentifier(std::string_view ident);

} // namespace travo
