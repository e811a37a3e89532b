#include <gtest/gtest.h>

#include "text/TextLines.h"

using namespace travo;

TEST(TextLines, SplitsAtEveryKindOfBreak) {
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitLines(""), V{});
    EXPECT_EQ(SplitLines("a"), V{"a"});
    EXPECT_EQ(SplitLines("a\r\n"), V{"a"});
    EXPECT_EQ(SplitLines("a\r\nb"), (V{"a", "b"}));
    EXPECT_EQ(SplitLines("a\nb\rc\r\n"), (V{"a", "b", "c"}));
    EXPECT_EQ(SplitLines("\n\r\n\r"), (V{"", "", ""}));
    EXPECT_EQ(SplitLines("a\n\rb"), (V{"a", "", "b"})); // LF CR is two breaks
    EXPECT_EQ(SplitLines(std::string("a\0b\n", 4)), V{std::string("a\0b", 3)});
}

TEST(TextLines, JoinEndsEveryLine) {
    EXPECT_EQ(JoinLines({}), "");
    EXPECT_EQ(JoinLines({"", "a"}), "\r\na\r\n");
}
