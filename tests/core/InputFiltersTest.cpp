#include <gtest/gtest.h>

#include "text/InputFilters.h"

using namespace travo;

// Each set as the editor's boxes must take it, over every Windows-1251 code.
TEST(InputFilters, EveryCodeOfEverySet) {
    auto digit = [](int c) { return c >= '0' && c <= '9'; };
    auto hex = [&](int c) { return digit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); };
    struct Case {
        FilterKind kind;
        std::function<bool(int)> accepts;
    };
    const Case cases[] = {
        {FilterKind::Digits, [&](int c) { return c == 8 || digit(c); }},
        {FilterKind::Text, [&](int c) { return c == 8 || digit(c) || c >= 65; }},
        {FilterKind::TextSpace,
         [&](int c) {
             return c == 8 || c == ' ' || digit(c) || (c >= 65 && c <= 122) || c >= 192;
         }},
        {FilterKind::Phone,
         [&](int c) { return c == 8 || c == '#' || c == '*' || c == '+' || digit(c); }},
        {FilterKind::Hex, [&](int c) { return c == 8 || hex(c); }},
        {FilterKind::HexStar, [&](int c) { return c == 8 || c == '*' || hex(c); }},
    };
    for (const auto& c : cases) {
        for (int code = 0; code < 256; ++code) {
            EXPECT_EQ(FilterSet(c.kind).Accepts(static_cast<unsigned char>(code)), c.accepts(code))
                << "set " << static_cast<int>(c.kind) << " code " << code;
        }
    }
    // The letters Ё and ё are in no set but the plain text one.
    EXPECT_FALSE(FilterSet(FilterKind::TextSpace).Accepts(168));
    EXPECT_FALSE(FilterSet(FilterKind::TextSpace).Accepts(184));
}

TEST(InputFilters, FilterTextKeepsTheOrder) {
    EXPECT_EQ(FilterText("a1b2-3", FilterSet(FilterKind::Digits)), "123");
    EXPECT_EQ(FilterText("", FilterSet(FilterKind::Digits)), "");
    EXPECT_EQ(FilterText("+7 (912) 000-11-22#", FilterSet(FilterKind::Phone)), "+79120001122#");
}
