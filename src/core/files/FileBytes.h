#pragma once
// Whole-file reads as bytes.
#include <cstddef>
#include <optional>
#include <string>

namespace travo {

// Up to limit bytes of the file, or nothing when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::string& path,
                                         std::size_t limit = static_cast<std::size_t>(-1));

} // namespace travo
