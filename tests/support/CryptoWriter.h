#pragma once
// Enciphering, for tests only: the product never writes protected files. Written
// from the published GOST 28147-89 cycle, independently of the product's cipher.
#include <array>
#include <cstdint>
#include <string>

namespace travo::test {

// K0..K7 from the first 32 bytes of an expanded key text.
std::array<std::uint32_t, 8> KeyWords(const std::string& expandedKey);

// The encryption cycle: K0..K7 three times, then K7..K0.
void EncipherBlock(std::uint8_t* block, const std::array<std::uint32_t, 8>& key);
// The decryption cycle, written the same plain way.
void PlainDecipherBlock(std::uint8_t* block, const std::array<std::uint32_t, 8>& key);

struct CryptoFileSpec {
    std::string payload;
    std::string keyText;            // expanded like the product does before use
    std::string signatureLine;      // defaults to the device's signature
    std::string lineBreak = "\r\n"; // any run of CR and LF
    std::string alias = "ALIAS-0001";
    std::string ident = "0123456789AB";
    int filler = -1;        // payload start offset; -1: the smallest that fills the blocks
    int crcFix = -1;        // when >= 0, the stored checksum bytes instead of the real one
    int startOverride = -1; // when >= 0, the stored payload start instead of the real one
};

// A whole protected file.
std::string MakeCryptoFile(const CryptoFileSpec& spec);

} // namespace travo::test
