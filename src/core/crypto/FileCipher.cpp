#include "crypto/FileCipher.h"

#include "text/Cp1251.h"

namespace travo {
namespace {

constexpr std::uint32_t Rotl(std::uint32_t x, int n) {
    return (x << n) | (x >> (32 - n));
}

std::uint32_t LoadLE(const std::uint8_t* p) {
    return p[0] | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
           (std::uint32_t{p[3]} << 24);
}

void StoreLE(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
    p[2] = static_cast<std::uint8_t>(v >> 16);
    p[3] = static_cast<std::uint8_t>(v >> 24);
}

} // namespace

const SubstitutionTable& DeviceSubstitutionTable() {
    static constexpr SubstitutionTable table = {{
        {6, 3, 14, 0, 11, 15, 5, 1, 12, 9, 2, 13, 8, 10, 7, 4},
        {1, 5, 8, 4, 14, 10, 2, 0, 7, 6, 13, 9, 11, 12, 15, 3},
        {11, 12, 6, 7, 8, 3, 10, 2, 1, 0, 13, 15, 4, 14, 5, 9},
        {7, 5, 11, 6, 10, 1, 8, 4, 2, 3, 13, 14, 15, 12, 9, 0},
        {8, 13, 10, 11, 14, 3, 4, 12, 2, 5, 7, 6, 9, 0, 15, 1},
        {7, 0, 12, 5, 10, 3, 2, 4, 9, 14, 6, 15, 8, 1, 13, 11},
        {13, 10, 14, 8, 0, 2, 9, 12, 15, 7, 11, 1, 4, 3, 5, 6},
        {11, 6, 1, 3, 12, 13, 2, 8, 0, 14, 9, 7, 5, 10, 4, 15},
    }};
    return table;
}

std::string ExpandKeyText(std::string_view text) {
    std::string key(TrimBlanks(text));
    while (!key.empty() && key.size() < 32) key += key;
    return key;
}

const FileCipher::RoundTable& FileCipher::BuildRoundTable() {
    static const RoundTable table = [] {
        const SubstitutionTable& s = DeviceSubstitutionTable();
        RoundTable t{};
        for (size_t i = 0; i < 4; ++i) {
            for (std::uint32_t b = 0; b < 256; ++b) {
                const std::uint32_t sub =
                    s[2 * i][b & 15] | (std::uint32_t{s[2 * i + 1][b >> 4]} << 4);
                t[i][b] = Rotl(sub << (8 * i), 11);
            }
        }
        return t;
    }();
    return table;
}

void FileCipher::SetCipherKey(std::string_view text) {
    for (size_t i = 0; i < 8; ++i) {
        key_[i] = LoadLE(reinterpret_cast<const std::uint8_t*>(text.data()) + 4 * i);
    }
}

namespace {

// N blocks through the decryption cycle together. Steps go in pairs without the
// exchange: b takes the first step's result, a the second's, so after each pair a and
// b are N1 and N2 again.
template <int N, typename Round>
void DecipherGroup(std::uint8_t* data, const std::uint32_t* k, const Round& f) {
    std::uint32_t a[N], b[N];
    for (int j = 0; j < N; ++j) {
        a[j] = LoadLE(data + 8 * j);
        b[j] = LoadLE(data + 8 * j + 4);
    }
    auto pair = [&](std::uint32_t k1, std::uint32_t k2) {
        for (int j = 0; j < N; ++j) b[j] ^= f(a[j] + k1);
        for (int j = 0; j < N; ++j) a[j] ^= f(b[j] + k2);
    };
    for (int i = 0; i < 8; i += 2) pair(k[i], k[i + 1]);
    for (int round = 0; round < 3; ++round) {
        for (int i = 7; i > 0; i -= 2) pair(k[i], k[i - 1]);
    }
    for (int j = 0; j < N; ++j) {
        StoreLE(data + 8 * j, b[j]); // the last step's exchange is undone
        StoreLE(data + 8 * j + 4, a[j]);
    }
}

} // namespace

void FileCipher::DecipherBlocks(std::uint8_t* data, std::size_t count) const {
    auto f = [this](std::uint32_t x) { return Round(x); };
    std::size_t i = 0;
    for (; i + 4 <= count; i += 4) DecipherGroup<4>(data + 8 * i, key_.data(), f);
    for (; i < count; ++i) DecipherGroup<1>(data + 8 * i, key_.data(), f);
}

namespace {

// Slicing by eight: row k advances the register over a byte followed by k zero bytes,
// so eight bytes take one step of independent lookups.
using CrcTables = std::array<std::array<std::uint16_t, 256>, 8>;

const CrcTables& Crc16Tables() {
    static const CrcTables tables = [] {
        CrcTables t{};
        for (std::uint32_t b = 0; b < 256; ++b) {
            std::uint32_t c = b;
            for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? (c >> 1) ^ 0xA001 : c >> 1;
            t[0][b] = static_cast<std::uint16_t>(c);
        }
        for (size_t k = 1; k < 8; ++k) {
            for (size_t b = 0; b < 256; ++b) {
                const std::uint16_t prev = t[k - 1][b];
                t[k][b] = static_cast<std::uint16_t>((prev >> 8) ^ t[0][prev & 0xFF]);
            }
        }
        return t;
    }();
    return tables;
}

} // namespace

std::uint16_t Crc16Swapped(const std::uint8_t* bytes, std::ptrdiff_t from, std::ptrdiff_t to) {
    if (to < from) return 0xFFFF;
    const CrcTables& t = Crc16Tables();
    const std::uint8_t* p = bytes + from;
    std::size_t n = static_cast<std::size_t>(to - from) + 1;
    std::uint32_t c = 0xFFFF;
    for (; n >= 8; n -= 8, p += 8) {
        c = t[7][(c ^ p[0]) & 0xFF] ^ t[6][((c >> 8) ^ p[1]) & 0xFF] ^ t[5][p[2]] ^ t[4][p[3]] ^
            t[3][p[4]] ^ t[2][p[5]] ^ t[1][p[6]] ^ t[0][p[7]];
    }
    for (; n > 0; --n, ++p) c = (c >> 8) ^ t[0][(c ^ *p) & 0xFF];
    return static_cast<std::uint16_t>(((c & 0xFF) << 8) | (c >> 8));
}

} // namespace travo
