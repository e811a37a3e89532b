#include <gtest/gtest.h>

#include "CryptoWriter.h"
#include "Process.h"
#include "TempDir.h"
#include "model/Device.h"
#include "text/ConfigWriter.h"
#include "text/Cp1251.h"
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

namespace {

// A folder with protected files written by the tests' encryptor.
class CliCrypto : public testing::Test {
protected:
    void SetUp() override {
        test::CryptoFileSpec spec;
        spec.payload = "Varnoth-Site\r\nst-30\r\nks1-\r\n";
        spec.keyText = W("Ключ 7");
        spec.alias = W("Склад 3   ");
        spec.ident = "0123456789AB";
        good = dir.Write("site.CRY", test::MakeCryptoFile(spec));
        plainPayload = spec.payload;
        foreign = dir.Write("foreign.cry", "Varnoth-X\r\n");
        badSize =
            dir.Write("size.cry", W("ТРАВО Варнот 18кГц 4") + "\r\n" + std::string(22 + 17, 'x'));
    }
    test::TempDir dir;
    std::string good, foreign, badSize, plainPayload;
    const std::string keyUtf8 = "Ключ 7";
};

} // namespace

TEST_F(CliCrypto, DecryptResultCodes) {
    struct Case {
        std::string file;
        std::string key;
        int code;
        const char* errHas;
    };
    const Case cases[] = {
        {good, keyUtf8, 0, ""},
        {good, "  " + keyUtf8 + " ", 0, ""},
        {foreign, keyUtf8, 1, "Ошибка контрольной сигнатуры"},
        {badSize, keyUtf8, 2, "Ошибка размера файла"},
        {good, "   ", 3, "empty"},
        {good, "", 3, "empty"},
        {good, "Ключ 8", 4, "(текущий ключ не верный)"},
    };
    for (const auto& c : cases) {
        const auto r = RunProcess(TRAVO_CLI, {"decrypt", c.file, "--key", c.key});
        EXPECT_EQ(r.exitCode, c.code) << c.key;
        EXPECT_NE(r.err.find(c.errHas), std::string::npos) << r.err;
        EXPECT_EQ(r.out, c.code == 0 ? plainPayload : "");
    }
}

TEST_F(CliCrypto, KeysFromTheCommandLineAndFromAFile) {
    EXPECT_EQ(RunProcess(TRAVO_CLI, {"decrypt", good, "--key", std::string(33, 'k')}).exitCode, 64);
    EXPECT_EQ(RunProcess(TRAVO_CLI, {"decrypt", good, "--key", std::string(32, 'k')}).exitCode, 4);
    EXPECT_EQ(RunProcess(TRAVO_CLI, {"decrypt", good, "--key", "ключ\xE4\xB8\xAD"}).exitCode, 64);
    EXPECT_EQ(RunProcess(TRAVO_CLI, {"decrypt", good}).exitCode, 64);
    EXPECT_EQ(RunProcess(TRAVO_CLI, {"decrypt", good, "--key", "a", "--key", "b"}).exitCode, 64);
    const auto fromFile = RunProcess(
        TRAVO_CLI, {"decrypt", good, "--key-file", dir.Write("key.txt", keyUtf8 + "\n")});
    EXPECT_EQ(fromFile.exitCode, 0);
    EXPECT_EQ(fromFile.out, plainPayload);
    EXPECT_EQ(
        RunProcess(TRAVO_CLI, {"decrypt", good, "--key-file", dir.Write("k2", keyUtf8 + "\r\n")})
            .exitCode,
        0);
    EXPECT_EQ(RunProcess(TRAVO_CLI, {"decrypt", good, "--key-file", "/no/such/key"}).exitCode, 66);
    EXPECT_EQ(RunProcess(TRAVO_CLI, {"decrypt", "/no/such.cry", "--key", "k"}).exitCode, 66);
}

TEST_F(CliCrypto, NormalizeDeciphersAndCarriesTheKeyOver) {
    const auto r = RunProcess(TRAVO_CLI, {"normalize", good, "--key", " " + keyUtf8});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), kConfigLines);
    EXPECT_EQ(lines[0].substr(0, 13), "Varnoth-Site ");
    // The key exactly as given, blank included, becomes key and old key.
    EXPECT_EQ(lines[2].substr(0, 12), "ks2- " + W("Ключ 7") + " ");
    EXPECT_EQ(lines[3].substr(0, 12), "ks1- " + W("Ключ 7") + " ");
    EXPECT_EQ(lines[10].substr(0, 6), "st-30 ");

    EXPECT_EQ(RunProcess(TRAVO_CLI, {"normalize", good}).exitCode, 3);
    EXPECT_EQ(RunProcess(TRAVO_CLI, {"normalize", good, "--key", "other"}).exitCode, 4);
    EXPECT_EQ(RunProcess(TRAVO_CLI, {"normalize", foreign, "--key", "k"}).exitCode, 1);
    // A plain file is read without a key, whatever is given.
    const std::string plain = dir.Write("p.ini", "ks2-old\r\n");
    const auto p = RunProcess(TRAVO_CLI, {"normalize", plain, "--key", "ignored"});
    EXPECT_EQ(Lines(p.out)[3].substr(0, 8), "ks1-old ");
}

TEST_F(CliCrypto, InfoShowsAliasAndIdentifier) {
    const auto r = RunProcess(TRAVO_CLI, {"info", good});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, W("Склад 3   ") + "\t0123-4567-89AB\n");
    EXPECT_EQ(RunProcess(TRAVO_CLI, {"info", foreign}).out, "\t0000-0000-0000\n");
    EXPECT_EQ(RunProcess(TRAVO_CLI, {"info", "/no/such.cry"}).exitCode, 66);
    EXPECT_EQ(RunProcess(TRAVO_CLI, {"info", good, "--key", "k"}).exitCode, 64);
}

TEST_F(CliCrypto, CheckReportsFaultsInValidationOrder) {
    const std::string faulty = dir.Write("f.ini", "el-0\r\nks1-k\r\n!!-12\r\nlm2-1.0\r\n"
                                                  "ua3-.1\r\nua9-.1\r\nrm2-3.999\r\n");
    const auto r = RunProcess(TRAVO_CLI, {"check", faulty});
    EXPECT_EQ(r.exitCode, 1);
    // el-0 reads as 90 (its minimum is 1), and lm2's zero delay is filled by the unload.
    EXPECT_EQ(r.out, "Ключи\tДля двух или более пользователей заданы одинаковые коды управления\t"
                     "Следует удалить дублирующиеся коды управления\n"
                     "Общие\tПароль администратора должен иметь длину 5 символов\t"
                     "Введите 5 символов пароля администратора\n");

    const std::string clean = dir.Write("c.ini", "ks1-k\r\n");
    const auto ok = RunProcess(TRAVO_CLI, {"check", clean});
    EXPECT_EQ(ok.exitCode, 0);
    EXPECT_EQ(ok.out, "");

    // The protected file names no key: the key that opened it passes the key rule.
    EXPECT_EQ(RunProcess(TRAVO_CLI, {"check", good, "--key", keyUtf8}).exitCode, 0);
    EXPECT_EQ(RunProcess(TRAVO_CLI, {"check", foreign, "--key", "k"}).exitCode, 65);
    EXPECT_EQ(RunProcess(TRAVO_CLI, {"check", "/no/such.ini"}).exitCode, 66);
}
