#include <gtest/gtest.h>

#include "text/ConfigWriter.h"
#include "text/TextLines.h"

using namespace travo;

namespace {

// The default configuration text, built from its published listing.
std::vector<std::string> PublishedDefaultLines() {
    std::vector<std::string> lines = {"Varnoth-Config GSM4 soft v.3.0",
                                      "fe",
                                      "ks2-",
                                      "ks1-",
                                      "!!-",
                                      "oa-",
                                      "sk-0",
                                      "ci-1",
                                      "lf-1",
                                      "bv-1",
                                      "st-90",
                                      "sz-",
                                      "al-3",
                                      "el-90",
                                      "la1-",
                                      "la2-",
                                      "la3-",
                                      "la4-",
                                      "lm1-7.90",
                                      "lm2-7.90",
                                      "lm3-7.90",
                                      "lm4-7.90",
                                      "xo1-90",
                                      "xo2-90",
                                      "xo3-90",
                                      "xo4-90",
                                      "rm1-4.90",
                                      "rm2-2.90",
                                      "rm3-0.90",
                                      "rm4-0.90",
                                      "rz1-1",
                                      "rz2-1",
                                      "rz3-",
                                      "rz4-",
                                      "br-0"};
    for (int u = 1; u <= 250; ++u) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "ua%02d-", u);
        std::string line = buf;
        line.resize(15, ' ');
        lines.push_back(line + ".");
    }
    for (const char* l : {"lc-0", "es-1", "em-0", "zn1-1,2,3,4", "zn2-", "zn3-", "zn4-", "ez-1"})
        lines.emplace_back(l);
    for (int u = 1; u <= 250; ++u) lines.push_back("uz" + std::to_string(u) + "-1");
    lines.emplace_back("tb-1");
    lines.emplace_back("pr-0");
    for (auto& l : lines) l.resize(45, ' ');
    return lines;
}

std::string Text(const T_Command_DEVICE& d) {
    TextLines lines;
    WriteConfig(d, lines);
    return JoinLines(lines);
}

T_Command_DEVICE Defaults() {
    T_Command_DEVICE d;
    d.Reset();
    return d;
}

} // namespace

TEST(Writer, DefaultConfigurationByteForByte) {
    const std::string text = Text(Defaults());
    EXPECT_EQ(text, JoinLines(PublishedDefaultLines()));
    EXPECT_EQ(text.size(), 545u * 47u);
    for (size_t i = 0; i < 545; ++i) {
        ASSERT_EQ(text.substr(i * 47 + 45, 2), "\r\n") << "line " << i + 1;
    }
}

TEST(Writer, AppendsWithoutClearingAndWritesTheSameTwice) {
    TextLines lines = {"keep"};
    const T_Command_DEVICE d = Defaults();
    WriteConfig(d, lines);
    WriteConfig(d, lines);
    ASSERT_EQ(lines.size(), 1 + 2 * kConfigLines);
    EXPECT_EQ(lines[0], "keep");
    EXPECT_TRUE(std::equal(lines.begin() + 1, lines.begin() + 546, lines.begin() + 546));
}

TEST(Writer, LinesOfFilledValues) {
    T_Command_DEVICE d = Defaults();
    d.SetShleifName(2, "a.b;c");
    d.SetShleifType(2, 1);
    d.SetShleifDelay(2, 30);
    auto& rz1 = d.Commands(kind::ReleParts)[0];
    const int holes[] = {0, 3, 0, 4, 0};
    for (int i = 0; i < 5; ++i) rz1.SetItem(i + 1, holes[i]);
    d.SetReleDelay(2, 0); // below its minimum: no "." at all
    d.SetReleDelay(3, 1000);
    d.SetSirena(-5); // value 1 is written without any range check
    d.SetKeyName(7, "Ivanov");
    d.SetKeyType(7, 1);
    d.SetKeyCode(7, "12AB");
    d.SetKeyName(100, "ABCDEFGHIJ");
    d.SetVersion(std::string(60, 'v'));

    EXPECT_EQ(CommandLine(d, kind::ZoneName, 1), "la2-a.b;c");
    EXPECT_EQ(CommandLine(d, kind::ZoneMode, 1), "lm2-1.30");
    EXPECT_EQ(CommandLine(d, kind::ReleParts, 0), "rz1-3,4");
    EXPECT_EQ(CommandLine(d, kind::ReleMode, 1), "rm2-2");
    EXPECT_EQ(CommandLine(d, kind::ReleMode, 2), "rm3-0");
    EXPECT_EQ(CommandLine(d, kind::SirenTime, 0), "st--5");
    EXPECT_EQ(UserLine(d, 7), "ua07-!Ivanov   .00000000BA21");
    EXPECT_EQ(UserLine(d, 100), "ua100-ABCDEFGHIJ.");
    EXPECT_EQ(CommandLine(d, kind::Header, 0), "");
    EXPECT_EQ(CommandLine(d, kind::Trailer, 0), "");
    EXPECT_EQ(CommandLine(d, kind::FileEnable, 0), "fe");

    TextLines lines;
    WriteConfig(d, lines);
    ASSERT_EQ(lines.size(), kConfigLines);
    EXPECT_EQ(lines[0], "Varnoth-" + std::string(60, 'v')); // never cut
}
