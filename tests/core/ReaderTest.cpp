#include <gtest/gtest.h>

#include "files/ConfigLoad.h"
#include "text/ConfigReader.h"
#include "text/ConfigWriter.h"
#include "text/Cp1251.h"

using namespace travo;

namespace {

T_Command_DEVICE Read(const std::string& text) {
    T_Command_DEVICE d;
    LoadConfigText(d, text);
    return d;
}

// Each row reads one text into a reset configuration and looks at one command
// through the line the writer makes of it.
struct ReadCase {
    const char* name;
    std::string text;
    int kind;
    int position;
    std::string expected;
};

class Reader : public testing::TestWithParam<ReadCase> {};

TEST_P(Reader, Reads) {
    const auto& c = GetParam();
    const T_Command_DEVICE d = Read(c.text);
    const std::string line =
        c.kind == kind::User ? UserLine(d, c.position + 1) : CommandLine(d, c.kind, c.position);
    EXPECT_EQ(line, c.expected);
}

const std::string CRLF = "\r\n";

INSTANTIATE_TEST_SUITE_P(
    Table, Reader,
    testing::Values(
        ReadCase{"OutOfRangeBecomesDefault", "st-1000" + CRLF, kind::SirenTime, 0, "st-90"},
        ReadCase{"InRange", "st-0" + CRLF, kind::SirenTime, 0, "st-0"},
        ReadCase{"DigitsAfterASingleMnemonicAreIgnored", "st7-30" + CRLF, kind::SirenTime, 0,
                 "st-30"},
        ReadCase{"MissingValueIsZero", "st-" + CRLF, kind::SirenTime, 0, "st-0"},
        ReadCase{"WordInsteadOfNumberSkipsTheLine", "st-abc" + CRLF, kind::SirenTime, 0, "st-90"},
        ReadCase{"MissingDashSkipsTheLine", "st 30" + CRLF, kind::SirenTime, 0, "st-90"},
        ReadCase{"SixDigitsAreAWord", "st-000030" + CRLF, kind::SirenTime, 0, "st-90"},
        ReadCase{"IndicatorPartitionZeroIsBelowItsMinimum", "ez-0" + CRLF, kind::IndicPart, 0,
                 "ez-1"},
        ReadCase{"RelayTypeZeroSurvives", "rm1-0.90" + CRLF, kind::ReleMode, 0, "rm1-0.90"},
        ReadCase{"ZoneTypeOutOfRange", "lm2-17.30" + CRLF, kind::ZoneMode, 1, "lm2-7.30"},
        ReadCase{"ZoneDelayOutOfRange", "lm2-5.200" + CRLF, kind::ZoneMode, 1, "lm2-5.90"},
        ReadCase{"MissingRelayTimeIsZeroThenDefault", "rm1-4" + CRLF, kind::ReleMode, 0,
                 "rm1-4.90"},
        ReadCase{"MissingZoneDelayIsZero", "lm1-3" + CRLF, kind::ZoneMode, 0, "lm1-3.0"},
        ReadCase{"DotWithoutValue2", "lm1-3." + CRLF, kind::ZoneMode, 0, "lm1-3.0"},
        ReadCase{"WordAsValue2SkipsTheLine", "lm1-3.x" + CRLF, kind::ZoneMode, 0, "lm1-7.90"},
        ReadCase{"InstanceOutOfRange", "xo5-30" + CRLF, kind::PartDelay, 3, "xo4-90"},
        ReadCase{"InstanceZero", "la0-x" + CRLF + "la1-y" + CRLF, kind::ZoneName, 0, "la1-y"},
        ReadCase{"LeadingZerosInInstance", "la01-x" + CRLF, kind::ZoneName, 0, "la1-x"},
        ReadCase{"InstanceTooLargeForAnInteger", "la99999999999999999999-x" + CRLF, kind::ZoneName,
                 0, "la1-"},
        ReadCase{"InstanceWithLetters", "la1x-x" + CRLF, kind::ZoneName, 0, "la1-"},
        ReadCase{"ListWithHoles", "zn2-3,,4" + CRLF, kind::PartZones, 1, "zn2-3,4"},
        ReadCase{"ListStopsAtFive", "sz-1,2,3,4,5,6" + CRLF, kind::SirenParts, 0, "sz-1,2,3,4,5"},
        ReadCase{"EmptyList", "rz1-" + CRLF, kind::ReleParts, 0, "rz1-"},
        ReadCase{"ListWithAWordSkipsTheLine", "rz1-2,x" + CRLF, kind::ReleParts, 0, "rz1-1"},
        ReadCase{"ListEndsAtADot", "rz1-2,3.4" + CRLF, kind::ReleParts, 0, "rz1-2,3"},
        ReadCase{"CapitalMnemonics", "LM1-5.5" + CRLF, kind::ZoneMode, 0, "lm1-5.5"},
        ReadCase{"CommentedOutLine", ";lm1-5.5" + CRLF, kind::ZoneMode, 0, "lm1-7.90"},
        ReadCase{"CommentAfterAValue", "st-30 ; half a minute" + CRLF, kind::SirenTime, 0, "st-30"},
        ReadCase{"LastValidLineWins", "st-30" + CRLF + "st-40" + CRLF + "st-x" + CRLF,
                 kind::SirenTime, 0, "st-40"},
        ReadCase{"AnyOrder", "xo2-10" + CRLF + "st-20" + CRLF, kind::PartDelay, 1, "xo2-10"},
        ReadCase{"WordKeepsSpacesAndDashes", "la3-a b-c" + CRLF, kind::ZoneName, 2, "la3-a b-c"},
        ReadCase{"WordStopsAtADot", "la3-a.b" + CRLF, kind::ZoneName, 2, "la3-a"},
        ReadCase{"PasswordDigits", "!!-12345" + CRLF, kind::Password, 0, "!!-12345"},
        ReadCase{"KeyKeepsDotsAndInnerSpaces", "ks1-my key.v2  " + CRLF, kind::CryptoKey, 0,
                 "ks1-my key.v2"},
        ReadCase{"KeyWithoutDashStartsWithTheWord", "ks1 abc" + CRLF, kind::CryptoKey, 0,
                 "ks1-abc"},
        ReadCase{"KeyWithoutAnyValueDoesNotSwallowTheNextLine", "ks2" + CRLF + "ks1-abc" + CRLF,
                 kind::CryptoKey, 0, "ks1-abc"},
        ReadCase{"KeyWithoutAnyValueIsEmpty", "ks2-x" + CRLF + "ks2" + CRLF, kind::CryptoKey, 1,
                 "ks2-"},
        ReadCase{"UserNameAndReversedCode", "ua3-*" + W("Петров") + ".fedcba" + CRLF, kind::User, 2,
                 "ua03-*" + W("Петров") + "   .FEDCBA000000"},
        ReadCase{"UserCodeWithAStarIsMasked", "ua3-x.12*4" + CRLF, kind::User, 2,
                 "ua03-x         .************"},
        ReadCase{"UserWithoutCode", "ua250-Ivanov" + CRLF, kind::User, 249, "ua250-Ivanov   ."},
        ReadCase{"UserNumberOutOfRange", "ua251-x.1" + CRLF, kind::User, 249, "ua250-         ."}),
    [](const auto& info) { return info.param.name; });

TEST(ReaderWhole, EmptyTextLeavesTheDefaultsAndMarksTheVersion) {
    T_Command_DEVICE expected;
    expected.Reset();
    expected.SetVersion("??????");
    EXPECT_EQ(Read(""), expected);
}

TEST(ReaderWhole, VersionComesFromTheLineOrTheHeaderWords) {
    EXPECT_EQ(Read("Varnoth-Device 2.1" + CRLF).GetVersion(), "Device 2.1");
    EXPECT_EQ(Read("VARNOTH-X" + CRLF).GetVersion(), "X");
    EXPECT_EQ(Read("Config GSM4 soft v.3.0" + CRLF + "st-5" + CRLF).GetVersion(),
              "config gsm4 soft v.3.0");
    EXPECT_EQ(Read(CRLF + CRLF + "Old 12-3,x" + CRLF).GetVersion(), "old 12-3,x");
    EXPECT_EQ(Read("Varnoth-" + CRLF + "st-5" + CRLF).GetVersion(), "??????");
    EXPECT_EQ(Read("st-5" + CRLF).GetVersion(), "??????");
}

TEST(ReaderWhole, FeNeverChangesAnything) {
    T_Command_DEVICE expected;
    expected.Reset();
    expected.SetVersion("??????");
    EXPECT_EQ(Read("fe" + CRLF + "fe5" + CRLF), expected);
}

TEST(ReaderWhole, KeepsInvariantsOnGarbage) {
    // Bytes of every kind, lines broken anywhere: nothing may crash or loop, and
    // every command keeps its kind and number.
    std::string noise;
    unsigned state = 12345;
    for (int i = 0; i < 20000; ++i) {
        state = state * 1103515245u + 12345u;
        static const char alphabet[] = "stlmuazn0123456789-.,;$ \r\n!*xX\x80\xFF";
        noise += alphabet[(state >> 16) % (sizeof alphabet - 1)];
    }
    const T_Command_DEVICE d = Read(noise);
    for (int k = 0; k < kCommandKinds; ++k) {
        for (size_t j = 0; j < d.Commands(k).size(); ++j) {
            ASSERT_EQ(d.Commands(k)[j].GetKind(), k);
            ASSERT_EQ(d.Commands(k)[j].GetNumber(), ParamImage(k).first + static_cast<int>(j));
        }
    }
    EXPECT_GE(d.GetSirena(), 0);
    EXPECT_LE(d.GetSirena(), 999);
}

TEST(KeyCarryOver, FillsEmptyKeysFromTheFileKey) {
    struct Case {
        std::string key1, key2, fileKey, expected1, expected2;
    };
    const Case cases[] = {
        {"", "", "K", "K", "K"},   {"A", "", "K", "A", "K"}, {"", "B", "K", "B", "B"},
        {"A", "B", "K", "A", "B"}, {"", "", "", "", ""},     {"", "B", "", "B", "B"},
    };
    for (const auto& c : cases) {
        T_Command_DEVICE d;
        d.Reset();
        d.SetCryptoKey(c.key1);
        d.SetCryptoKeyOld(c.key2);
        ApplyKeyCarryOver(d, c.fileKey);
        EXPECT_EQ(d.GetCryptoKey(), c.expected1) << c.key1 << "/" << c.key2 << "/" << c.fileKey;
        EXPECT_EQ(d.GetCryptoKeyOld(), c.expected2) << c.key1 << "/" << c.key2;
    }
}

TEST(FindCommand, MatchesMnemonicsFollowedByNothingOrDigits) {
    struct Case {
        const char* word;
        int kind;
    };
    const Case cases[] = {{"st", kind::SirenTime},
                          {"ST", kind::SirenTime},
                          {"St5", kind::SirenTime},
                          {"la12", kind::ZoneName},
                          {"stx", 0},
                          {"lab", 0},
                          {"varnoth", kind::Version},
                          {"!!", kind::Password},
                          {"ua007", kind::User},
                          {"", 0}};
    for (const auto& c : cases) {
        TLexema lex;
        lex.SetKind(LexWord);
        lex.SetText(c.word);
        EXPECT_EQ(FindCommand(lex), c.kind) << c.word;
    }
    TLexema number;
    number.SetKind(LexNumber);
    number.SetText("12");
    EXPECT_EQ(FindCommand(number), 0);
}

} // namespace
