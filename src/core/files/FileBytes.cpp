#include "files/FileBytes.h"

#include <cstdio>
#include <filesystem>
#include <memory>

namespace travo {

std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t limit) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    if (!file) return std::nullopt;
    std::string bytes;
    // Sized from the file's length where it has one, so that a file is read in one go;
    // a file still growing, or one without a length, is read on until its end.
    std::size_t want = 1 << 16;
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) {
        const auto size = std::filesystem::file_size(path, error);
        if (!error) want = static_cast<std::size_t>(size) + 1;
    }
    while (bytes.size() < limit) {
        const std::size_t have = bytes.size();
        const std::size_t chunk = std::min(want, limit - have);
        bytes.resize(have + chunk);
        const std::size_t got = std::fread(bytes.data() + have, 1, chunk, file.get());
        bytes.resize(have + got);
        if (got < chunk) break;
        want = 1 << 16;
    }
    if (std::ferror(file.get())) return std::nullopt;
    return bytes;
}

} // namespace travo
