#include "crypto/CryptoFile.h"

#include <bit>
#include <cstring>

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

namespace {

// Un-chains the deciphered body in place, from its last byte down: byte i becomes
// byte i rotated right by one bit, XOR byte i - 1 as still deciphered. Eight bytes a
// step, for the body is up to 64 KB.
void Unchain(std::uint8_t* b, std::size_t L) {
    static_assert(std::endian::native == std::endian::little);
    std::size_t i = L;
    for (; i >= 9; i -= 8) {
        std::uint64_t w;
        std::memcpy(&w, b + i - 8, 8);
        const std::uint64_t rotated =
            ((w >> 1) & 0x7F7F7F7F7F7F7F7FULL) | ((w << 7) & 0x8080808080808080ULL);
        const std::uint64_t predecessors = (w << 8) | b[i - 9];
        w = rotated ^ predecessors;
        std::memcpy(b + i - 8, &w, 8);
    }
    for (; i > 1; --i) b[i - 1] = RotateRight1(b[i - 1]) ^ b[i - 2];
    b[0] = RotateRight1(b[0]); // its predecessor counts as 0
}

} // namespace

CryptoResult DecodeCryptoBytes(std::string bytes, std::string_view key) {
    if (key.size() < 32) return {CryptoShortKey, {}};
    if (bytes.size() > kCryptoReadLimit) bytes.resize(kCryptoReadLimit);
    const auto start = AfterSignature(bytes);
    if (!start) return {CryptoNotProtected, {}};
    const std::size_t p = *start + kAliasLength + kIdentLength;
    // An empty body, or one cut inside alias and identifier, has no trailer to check.
    if (p >= bytes.size() || (bytes.size() - p) % 8 != 0) return {CryptoBadSize, {}};

    FileCipher cipher;
    cipher.SetCipherKey(key);
    auto* body = reinterpret_cast<std::uint8_t*>(bytes.data()) + p;
    const std::size_t L = bytes.size() - p;
    cipher.DecipherBlocks(body, L / 8);
    Unchain(body, L);

    const std::size_t s = body[L - 1];
    const std::uint16_t stored = static_cast<std::uint16_t>(body[L - 3] << 8 | body[L - 2]);
    const std::ptrdiff_t last = static_cast<std::ptrdiff_t>(L) - 4;
    const std::uint16_t swapped = Crc16Swapped(body, static_cast<std::ptrdiff_t>(s), last);
    const std::uint16_t crc = static_cast<std::uint16_t>((swapped << 8) | (swapped >> 8));
    if (crc != stored) return {CryptoBadChecksum, {}};
    CryptoResult result{CryptoRead, {}};
    if (static_cast<std::ptrdiff_t>(s) <= last) {
        bytes.resize(p + static_cast<std::size_t>(last) + 1);
        bytes.erase(0, p + s);
        result.payload = std::move(bytes);
    }
    return result;
}

CryptoResult LoadCryptoFile(const std::string& path, std::string_view key) {
    if (key.size() < 32) return {CryptoShortKey, {}};
    auto bytes = ReadFileBytes(path, kCryptoReadLimit);
    return DecodeCryptoBytes(bytes ? std::move(*bytes) : std::string(), key);
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
