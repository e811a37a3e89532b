#include <gtest/gtest.h>

#include "Process.h"
#include "TempDir.h"
#include "model/Device.h"
#include "text/ConfigWriter.h"
#include "text/TextLines.h"

using namespace travo;
using test::RunProcess;

namespace {

std::string DefaultText() {
    T_Command_DEVICE d;
    d.Reset();
    TextLines lines;
    WriteConfig(d, lines);
    return JoinLines(lines);
}

std::vector<std::string> Lines(const std::string& text) {
    return SplitLines(text);
}

} // namespace

TEST(Cli, DefaultsPrintsTheDefaultTextExactly) {
    const auto r = RunProcess(TRAVO_CLI, {"defaults"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, DefaultText());
    EXPECT_EQ(r.err, "");
}

TEST(Cli, NormalizeIsAReadThenWriteRoundTrip) {
    test::TempDir dir;
    const std::string defaults = DefaultText();
    const auto same = RunProcess(TRAVO_CLI, {"normalize", dir.Write("d.ini", defaults)});
    EXPECT_EQ(same.exitCode, 0);
    EXPECT_EQ(same.out, defaults);

    // Loose input: LF and lone CR breaks, capitals, a comment, a last line without a break,
    // Cyrillic bytes, and a byte the code page leaves undefined.
    const std::string loose =
        "Site 12 ; from the desk\nST-30\rla2-\xC2\xF5\xEE\xE4\x98\r\nua3-*X.abc\nxo1-7";
    const auto r = RunProcess(TRAVO_CLI, {"normalize", dir.Write("loose.gsm", loose)});
    ASSERT_EQ(r.exitCode, 0);
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), kConfigLines);
    EXPECT_EQ(lines[0].substr(0, 17), "Varnoth-site 12  ");
    EXPECT_EQ(lines[10], "st-30" + std::string(40, ' '));
    EXPECT_EQ(lines[15].substr(0, 9), "la2-\xC2\xF5\xEE\xE4\x98");
    EXPECT_EQ(lines[35 + 2].substr(0, 28), "ua03-*X        .ABC000000000");
    EXPECT_EQ(lines[22].substr(0, 6), "xo1-7 ");
}

TEST(Cli, ExitCodes) {
    struct Case {
        std::vector<std::string> args;
        int code;
        const char* errHas;
    };
    test::TempDir dir;
    const std::string missing = (dir.Path() / "none.ini").string();
    const Case cases[] = {
        {{}, 64, "usage"},
        {{"frobnicate"}, 64, "usage"},
        {{"defaults", "x"}, 64, "usage"},
        {{"normalize"}, 64, "usage"},
        {{"normalize", "a", "b"}, 64, "usage"},
        {{"normalize", missing}, 66, "none.ini"},
        {{"normalize", dir.Path().string()}, 66, "cannot read"},
    };
    for (const auto& c : cases) {
        const auto r = RunProcess(TRAVO_CLI, c.args);
        EXPECT_EQ(r.exitCode, c.code) << testing::PrintToString(c.args);
        EXPECT_NE(r.err.find(c.errHas), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
}
