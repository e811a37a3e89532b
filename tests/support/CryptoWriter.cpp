#include "CryptoWriter.h"

#include <vector>

#include "crypto/FileCipher.h"
#include "text/Cp1251.h"

namespace travo::test {
namespace {

std::uint32_t Load(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t{p[3]} << 24);
}

void Store(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// One basic step, nibble by nibble as the standard states it.
void Step(std::uint32_t& n1, std::uint32_t& n2, std::uint32_t k) {
    const auto& table = DeviceSubstitutionTable();
    std::uint32_t s = n1 + k, sub = 0;
    for (int r = 0; r < 8; ++r) sub |= std::uint32_t{table[r][(s >> (4 * r)) & 15]} << (4 * r);
    sub = (sub << 11) | (sub >> 21);
    const std::uint32_t x = sub ^ n2;
    n2 = n1;
    n1 = x;
}

void Cycle(std::uint8_t* block, const std::array<std::uint32_t, 8>& key, const int order[32]) {
    std::uint32_t n1 = Load(block), n2 = Load(block + 4);
    for (int i = 0; i < 32; ++i) Step(n1, n2, key[static_cast<size_t>(order[i])]);
    Store(block, n2);
    Store(block + 4, n1);
}

std::uint16_t ModbusCrc(const std::vector<std::uint8_t>& bytes, size_t from, size_t to) {
    std::uint16_t c = 0xFFFF;
    for (size_t i = from; i < to; ++i) {
        c ^= bytes[i];
        for (int b = 0; b < 8; ++b) c = (c & 1) ? (c >> 1) ^ 0xA001 : c >> 1;
    }
    return c;
}

} // namespace

std::array<std::uint32_t, 8> KeyWords(const std::string& key) {
    std::array<std::uint32_t, 8> k{};
    for (size_t i = 0; i < 8; ++i)
        k[i] = Load(reinterpret_cast<const std::uint8_t*>(key.data()) + 4 * i);
    return k;
}

void EncipherBlock(std::uint8_t* block, const std::array<std::uint32_t, 8>& key) {
    int order[32];
    for (int i = 0; i < 24; ++i) order[i] = i % 8;
    for (int i = 0; i < 8; ++i) order[24 + i] = 7 - i;
    Cycle(block, key, order);
}

void PlainDecipherBlock(std::uint8_t* block, const std::array<std::uint32_t, 8>& key) {
    int order[32];
    for (int i = 0; i < 8; ++i) order[i] = i;
    for (int i = 8; i < 32; ++i) order[i] = 7 - (i % 8);
    Cycle(block, key, order);
}

std::string MakeCryptoFile(const CryptoFileSpec& spec) {
    const size_t core = spec.payload.size() + 3;
    size_t s = spec.filler >= 0 ? static_cast<size_t>(spec.filler) : 0;
    s += (8 - (s + core) % 8) % 8; // whole blocks
    std::vector<std::uint8_t> plain(s, 0x5A);
    plain.insert(plain.end(), spec.payload.begin(), spec.payload.end());
    const std::uint16_t crc = spec.crcFix >= 0 ? static_cast<std::uint16_t>(spec.crcFix)
                                               : ModbusCrc(plain, s, plain.size());
    plain.push_back(static_cast<std::uint8_t>(crc >> 8));
    plain.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    plain.push_back(static_cast<std::uint8_t>(spec.startOverride >= 0 ? spec.startOverride : s));

    // Chain upwards: the reader un-chains each byte with its predecessor (0 before the first).
    std::uint8_t previous = 0;
    for (auto& b : plain) {
        const std::uint8_t x = b ^ previous;
        b = static_cast<std::uint8_t>((x << 1) | (x >> 7));
        previous = b;
    }
    const auto key = KeyWords(ExpandKeyText(spec.keyText));
    for (size_t i = 0; i < plain.size(); i += 8) EncipherBlock(&plain[i], key);

    std::string file = spec.signatureLine.empty() ? W("ТРАВО Варнот 18кГц 4") : spec.signatureLine;
    file += spec.lineBreak + spec.alias + spec.ident;
    file.append(plain.begin(), plain.end());
    return file;
}

} // namespace travo::test
