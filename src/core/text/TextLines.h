#pragma once
// Text as lines, the way a text loader and a text saver treat a file.
#include <string>
#include <string_view>
#include <vector>

namespace travo {

// Splits at CR LF, at a lone LF and at a lone CR; a last line without a break
// still counts, nothing after the last break does.
std::vector<std::string> SplitLines(std::string_view bytes);

// Every line followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

} // namespace travo
