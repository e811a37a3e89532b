#include <gtest/gtest.h>

#include "CryptoWriter.h"
#include "crypto/FileCipher.h"
#include "text/Cp1251.h"

using namespace travo;

namespace {

std::string Hex(const std::uint8_t* b, size_t n) {
    static const char* digits = "0123456789ABCDEF";
    std::string s;
    for (size_t i = 0; i < n; ++i) {
        s += digits[b[i] >> 4];
        s += digits[b[i] & 15];
    }
    return s;
}

std::string Repeat(const std::string& s, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += s;
    return out;
}

} // namespace

TEST(ExpandKeyText, RepeatsTheTrimmedTextToAtLeast32) {
    EXPECT_EQ(ExpandKeyText("x"), std::string(32, 'x'));
    EXPECT_EQ(ExpandKeyText("abc"), Repeat("abc", 16)); // 3, 6, 12, 24, 48
    const std::string k32 = "0123456789abcdefghijklmnopqrstuv";
    EXPECT_EQ(ExpandKeyText(k32), k32);
    EXPECT_EQ(ExpandKeyText(k32 + "w"), k32 + "w");
    EXPECT_EQ(ExpandKeyText(" \t abc\r\n"), ExpandKeyText("abc"));
    EXPECT_EQ(ExpandKeyText("a b"), Repeat("a b", 16)); // inner blanks stay
    EXPECT_EQ(ExpandKeyText(W("Ключ")), Repeat(W("Ключ"), 8));
    EXPECT_EQ(ExpandKeyText(""), "");
    EXPECT_EQ(ExpandKeyText("  \t "), "");
}

TEST(FileCipher, KeyWordsAreLittleEndianBytes) {
    // A key of distinct bytes must decipher like the plain cycle keyed by those words.
    std::string key;
    for (int i = 0; i < 32; ++i) key += static_cast<char>(0xA0 + i);
    FileCipher cipher;
    cipher.SetCipherKey(key);
    const auto words = test::KeyWords(key);
    EXPECT_EQ(words[0], 0xA3A2A1A0u);
    std::uint8_t a[8] = {1, 2, 3, 4, 5, 6, 7, 8}, b[8];
    std::copy(a, a + 8, b);
    cipher.DecipherBlock(a);
    test::PlainDecipherBlock(b, words);
    EXPECT_EQ(Hex(a, 8), Hex(b, 8));
}

TEST(FileCipher, UndoesTheEncryptionCycle) {
    for (const std::string& keyText : {std::string("k"), std::string("abc"), W("Ключ шифрования"),
                                       std::string("0123456789abcdefghijklmnopqrstuv")}) {
        const std::string key = ExpandKeyText(keyText);
        FileCipher cipher;
        cipher.SetCipherKey(key);
        unsigned state = 7;
        for (int n = 0; n < 64; ++n) {
            std::uint8_t block[8], original[8];
            for (auto& b : block)
                b = static_cast<std::uint8_t>((state = state * 1664525u + 1013904223u) >> 24);
            std::copy(block, block + 8, original);
            test::EncipherBlock(block, test::KeyWords(key));
            EXPECT_NE(Hex(block, 8), Hex(original, 8));
            cipher.DecipherBlock(block);
            ASSERT_EQ(Hex(block, 8), Hex(original, 8)) << keyText;
        }
    }
}

TEST(FileCipher, FrozenVector) {
    // Computed once with this table and frozen: a change of table, key order or
    // byte order shows here.
    FileCipher cipher;
    cipher.SetCipherKey("0123456789abcdefghijklmnopqrstuv");
    std::uint8_t block[8] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77};
    cipher.DecipherBlock(block);
    EXPECT_EQ(Hex(block, 8), "4EB06780BB6906FD");
}

TEST(FileCipher, AWrongKeyGivesOtherBytes) {
    FileCipher right, wrong;
    right.SetCipherKey(ExpandKeyText("right"));
    wrong.SetCipherKey(ExpandKeyText("wrong"));
    std::uint8_t a[8] = {9, 8, 7, 6, 5, 4, 3, 2}, b[8] = {9, 8, 7, 6, 5, 4, 3, 2};
    right.DecipherBlock(a);
    wrong.DecipherBlock(b);
    EXPECT_NE(Hex(a, 8), Hex(b, 8));
}

TEST(Crc16Swapped, PublishedCheckValueAndEmptyRange) {
    const std::uint8_t digits[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(Crc16Swapped(digits, 0, 8), 0x374B); // CRC-16/MODBUS check 0x4B37, swapped
    EXPECT_EQ(Crc16Swapped(digits, 5, 4), 0xFFFF);
    EXPECT_EQ(Crc16Swapped(digits, 1, 1), Crc16Swapped(digits + 1, 0, 0));
}

TEST(Crc16Swapped, AgreesWithTheBitwiseDefinitionAtEveryLengthAndOffset) {
    // The register shifted bit by bit, as CRC-16/MODBUS is defined.
    auto bitwise = [](const std::uint8_t* p, std::size_t n) {
        std::uint16_t c = 0xFFFF;
        for (std::size_t i = 0; i < n; ++i) {
            c ^= p[i];
            for (int bit = 0; bit < 8; ++bit)
                c = static_cast<std::uint16_t>((c & 1) ? (c >> 1) ^ 0xA001 : c >> 1);
        }
        return static_cast<std::uint16_t>((c << 8) | (c >> 8));
    };
    std::vector<std::uint8_t> data(300);
    std::uint32_t x = 12345;
    for (auto& b : data) b = static_cast<std::uint8_t>((x = x * 1103515245 + 12345) >> 16);
    for (std::ptrdiff_t from : {0, 1, 3, 7}) {
        for (std::ptrdiff_t n = 1; n <= 200; ++n) {
            ASSERT_EQ(Crc16Swapped(data.data(), from, from + n - 1),
                      bitwise(data.data() + from, static_cast<std::size_t>(n)))
                << "from " << from << " length " << n;
        }
    }
}
