#pragma once
// The cipher of protected configuration files: GOST 28147-89 in simple replacement
// mode with the device's own substitution table, deciphering only.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace travo {

// Trims characters with codes 32 and below, then repeats the text onto itself
// until it has at least 32 characters. Blank text gives an empty text.
std::string ExpandKeyText(std::string_view text);

// Row r replaces nibble r (bits 4r..4r+3); rows are substitution nodes 1..8.
using SubstitutionTable = std::array<std::array<std::uint8_t, 16>, 8>;
const SubstitutionTable& DeviceSubstitutionTable();

class FileCipher {
public:
    // Takes the first 32 bytes of text (the caller gives at least 32) as K0..K7.
    void SetCipherKey(std::string_view text);
    // Deciphers one 8-byte block in place with the key set last.
    void DecipherBlock(std::uint8_t* block) const { DecipherBlocks(block, 1); }
    // Deciphers count blocks one after the other in place. Blocks are independent, so
    // several go through the rounds side by side, which hides the table lookups' latency.
    void DecipherBlocks(std::uint8_t* data, std::size_t count) const;

private:
    // Substitution and rotation of one basic step.
    std::uint32_t Round(std::uint32_t s) const {
        const auto& t = *table_;
        return t[0][s & 0xFF] ^ t[1][(s >> 8) & 0xFF] ^ t[2][(s >> 16) & 0xFF] ^ t[3][s >> 24];
    }
    using RoundTable = std::array<std::array<std::uint32_t, 256>, 4>;
    static const RoundTable& BuildRoundTable();

    std::array<std::uint32_t, 8> key_{};
    // Substitution of a whole byte followed by the rotation, per byte position.
    const RoundTable* table_ = &BuildRoundTable();
};

// CRC-16/MODBUS of bytes from..to (inclusive) with its two bytes exchanged;
// 0xFFFF when to < from.
std::uint16_t Crc16Swapped(const std::uint8_t* bytes, std::ptrdiff_t from, std::ptrdiff_t to);

} // namespace travo
