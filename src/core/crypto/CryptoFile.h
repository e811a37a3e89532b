#pragma once
// Reading protected configuration files: a plain header (signature, alias,
// identifier) and a body of enciphered 8-byte blocks.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace travo {

enum CryptoCode : int {
    CryptoRead = 0,
    CryptoNotProtected = 1, // first line is not the signature; also unreadable or empty
    CryptoBadSize = 2,      // body empty or not a multiple of 8, or header cut short
    CryptoShortKey = 3,     // the expanded key has fewer than 32 characters
    CryptoBadChecksum = 4,  // wrong key or damaged body
};

inline constexpr std::size_t kCryptoReadLimit = 64001;
inline constexpr std::size_t kAliasLength = 10;
inline constexpr std::size_t kIdentLength = 12;

// The signature line, Windows-1251, as the device writes it.
const std::string& CryptoSignature();

struct CryptoResult {
    int code = CryptoNotProtected;
    std::string payload; // the configuration text when code is CryptoRead
};

// Deciphers the bytes of a protected file with an expanded key; the payload is
// made in the bytes' own buffer.
CryptoResult DecodeCryptoBytes(std::string bytes, std::string_view expandedKey);

// Reads up to 64001 bytes of the file and deciphers them.
CryptoResult LoadCryptoFile(const std::string& path, std::string_view expandedKey);

// Where the first line of a protected file ends and its alias starts; nothing
// when the first line is not the signature.
std::optional<std::size_t> AfterSignature(std::string_view bytes);

// The plain header as the file list reads it from the first 100 bytes.
struct CryptoHeader {
    std::string alias;
    std::string ident;
};
CryptoHeader ReadCryptoHeader(std::string_view first100);

} // namespace travo
