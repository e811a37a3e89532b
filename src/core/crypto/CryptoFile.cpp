#include "crypto/CryptoFile.h"

#include <vector>

#include "crypto/FileCipher.h"
#include "files/FileBytes.h"
#include "text/Cp1251.h"

namespace travo {
namespace {

constexpr std::uint8_t RotateRight1(std::uint8_t b) {
    return static_cast<std::uint8_t>((b >> 1) | (b << 7));
}

bool IsBreak(char c) {
    return c == '\r' || c == '\n';
}

} // namespace

const std::string& CryptoSignature() {
    static const std::string signature = W("ТРАВО Варнот 18кГц 4");
    return signature;
}

std::optional<std::size_t> AfterSignature(std::string_view bytes) {
    static const std::string expected = UpperCp1251(TrimBlanks(CryptoSignature()));
    std::size_t end = 0;
    while (end < bytes.size() && !IsBreak(bytes[end])) ++end;
    if (UpperCp1251(TrimBlanks(bytes.substr(0, end))) != expected) return std::nullopt;
    while (end < bytes.size() && IsBreak(bytes[end])) ++end;
    return end;
}

CryptoResult DecodeCryptoBytes(std::string_view bytes, std::string_view key) {
    if (key.size() < 32) return {CryptoShortKey, {}};
    if (bytes.size() > kCryptoReadLimit) bytes = bytes.substr(0, kCryptoReadLimit);
    const auto start = AfterSignature(bytes);
    if (!start) return {CryptoNotProtected, {}};
    const std::size_t p = *start + kAliasLength + kIdentLength;
    // An empty body, or one cut inside alias and identifier, has no trailer to check.
    if (p >= bytes.size() || (bytes.size() - p) % 8 != 0) return {CryptoBadSize, {}};

    FileCipher cipher;
    cipher.SetCipherKey(key);
    std::vector<std::uint8_t> plain(bytes.begin() + static_cast<std::ptrdiff_t>(p), bytes.end());
    const std::size_t L = plain.size();
    cipher.DecipherBlocks(plain.data(), L / 8);
    for (std::size_t i = L - 1; i > 0; --i) plain[i] = RotateRight1(plain[i]) ^ plain[i - 1];
    plain[0] = RotateRight1(plain[0]); // its predecessor counts as 0

    const std::size_t s = plain[L - 1];
    const std::uint16_t stored = static_cast<std::uint16_t>(plain[L - 3] << 8 | plain[L - 2]);
    const std::ptrdiff_t last = static_cast<std::ptrdiff_t>(L) - 4;
    const std::uint16_t swapped = Crc16Swapped(plain.data(), static_cast<std::ptrdiff_t>(s), last);
    const std::uint16_t crc = static_cast<std::uint16_t>((swapped << 8) | (swapped >> 8));
    if (crc != stored) return {CryptoBadChecksum, {}};
    CryptoResult result{CryptoRead, {}};
    if (static_cast<std::ptrdiff_t>(s) <= last) {
        result.payload.assign(plain.begin() + static_cast<std::ptrdiff_t>(s),
                              plain.begin() + last + 1);
    }
    return result;
}

CryptoResult LoadCryptoFile(const std::string& path, std::string_view key) {
    if (key.size() < 32) return {CryptoShortKey, {}};
    const auto bytes = ReadFileBytes(path, kCryptoReadLimit);
    return DecodeCryptoBytes(bytes ? *bytes : std::string(), key);
}

CryptoHeader ReadCryptoHeader(std::string_view bytes) {
    if (bytes.size() > 100) bytes = bytes.substr(0, 100);
    CryptoHeader header;
    const auto p = AfterSignature(bytes);
    if (p && *p + kAliasLength + kIdentLength < bytes.size()) {
        header.alias = std::string(bytes.substr(*p, kAliasLength));
        header.ident = std::string(bytes.substr(*p + kAliasLength, kIdentLength));
    }
    return header;
}

} // namespace travo
