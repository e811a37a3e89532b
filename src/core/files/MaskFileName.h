#pragma once
// The proposed name of a saved file, built from up to four mask elements.
#include <array>
#include <cstdint>
#include <string>

#include "files/Settings.h"

namespace travo {

// A delimiter stands only between two non-empty elements: the one numbered after the
// nearer non-empty element on its left. A kind outside 0..4 counts as the element's
// default kind. ".ini" is appended.
std::string MakeMaskFileName(int kind1, const std::string& prefix, const std::string& delim1,
                             int kind2, const std::string& alias, const std::string& delim2,
                             int kind3, const std::string& ident, const std::string& delim3,
                             int kind4, const std::string& suffix);

// The mask of the settings with a given alias and identifier.
std::string MakeMaskFileName(const TParamWork& settings, const std::string& alias,
                             const std::string& ident);

} // namespace travo
