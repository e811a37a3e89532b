#include "files/FileBytes.h"

#include <fstream>

namespace travo {

std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t limit) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes;
    char chunk[1 << 16];
    while (bytes.size() < limit && in) {
        const std::size_t want = std::min(sizeof chunk, limit - bytes.size());
        in.read(chunk, static_cast<std::streamsize>(want));
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) return std::nullopt;
    return bytes;
}

} // namespace travo
