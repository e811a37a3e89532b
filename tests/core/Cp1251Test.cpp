#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "text/Cp1251.h"

using namespace travo;

namespace {

// What glibc's iconv makes of one Windows-1251 byte, as UTF-8; nothing when it refuses.
std::optional<std::string> IconvDecode(unsigned char byte) {
    char command[128];
    std::snprintf(command, sizeof command, "printf '\\%03o' | iconv -f CP1251 -t UTF-8 2>/dev/null",
                  byte);
    FILE* pipe = popen(command, "r");
    if (!pipe) return std::nullopt;
    std::string out;
    char buf[16];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
    const int status = pclose(pipe);
    if (status != 0) return std::nullopt;
    return out;
}

} // namespace

TEST(Cp1251, EveryByteDecodesAsIconvDoes) {
    for (int b = 1; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        const std::string ours = Cp1251ToUtf8(std::string(1, static_cast<char>(byte)));
        const auto theirs = IconvDecode(byte);
        if (b == 0x98) {
            // The one code the page leaves undefined: iconv refuses it, we keep it as U+0098.
            EXPECT_FALSE(theirs.has_value());
            EXPECT_EQ(ours, "\xC2\x98");
        } else {
            ASSERT_TRUE(theirs.has_value()) << "byte " << b;
            EXPECT_EQ(ours, *theirs) << "byte " << b;
        }
    }
}

TEST(Cp1251, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const auto back = Utf8ToCp1251(Cp1251ToUtf8(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(Cp1251, RefusesWhatItCannotHold) {
    EXPECT_FALSE(Utf8ToCp1251("\xE4\xB8\xAD").has_value()); // a CJK character
    EXPECT_FALSE(Utf8ToCp1251("\xC4\x85").has_value());     // Latin a with ogonek
    EXPECT_FALSE(Utf8ToCp1251("\xFF").has_value());         // not UTF-8 at all
    EXPECT_FALSE(Utf8ToCp1251("\xD0").has_value());         // cut sequence
    EXPECT_FALSE(Utf8ToCp1251("\xC0\x80").has_value());     // overlong NUL
    EXPECT_EQ(Utf8ToCp1251("Ёё №"), std::optional<std::string>("\xA8\xB8 \xB9"));
}

TEST(Cp1251, UpperCaseCoversCyrillic) {
    EXPECT_EQ(UpperCp1251(W("траво варнот 18кгц 4 ёжик")), W("ТРАВО ВАРНОТ 18КГЦ 4 ЁЖИК"));
    EXPECT_EQ(UpperCp1251(W("ўєіїґђѓљњќћџјѕ")), W("ЎЄІЇҐЂЃЉЊЌЋЏЈЅ"));
    EXPECT_EQ(UpperCp1251(W("ABC №«»")), W("ABC №«»"));
    EXPECT_EQ(TrimBlanks(" \t\r\nab c\x01 "), "ab c");
}
