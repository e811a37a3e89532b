#include <gtest/gtest.h>

#include "text/Lexems.h"

using namespace travo;

namespace {

// Every lexeme of a text in one mode, up to the first end of text, as a short
// transcript: "W:word", "N:value", "E" line end, "." "," "-", "$" end.
std::string Transcript(const std::string& text, std::uint8_t mode) {
    TLexPipe pipe;
    pipe.SetText(text);
    TLexema lex;
    std::string out;
    for (int guard = 0; guard < 1000; ++guard) {
        pipe.GetLexema(mode, lex);
        if (!out.empty()) out += ' ';
        switch (lex.GetKind()) {
        case LexLineEnd: out += "E"; break;
        case LexWord: out += "W:" + lex.GetText(); break;
        case LexNumber: out += "N:" + std::to_string(lex.GetValue()); break;
        case LexDot: out += "."; break;
        case LexComma: out += ","; break;
        case LexDash: out += "-"; break;
        case LexEnd: out += "$"; return out;
        }
    }
    return out + " (no end)";
}

struct LexCase {
    const char* name;
    std::string text;
    std::uint8_t mode;
    std::string expected;
};

class Lexer : public testing::TestWithParam<LexCase> {};

TEST_P(Lexer, Cuts) {
    const auto& c = GetParam();
    EXPECT_EQ(Transcript(c.text, c.mode), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Lexer,
    testing::Values(
        LexCase{"Empty", "", kNormalMode, "$"},
        LexCase{"CommentEndsAtCrLfGivesOneLineEnd", "; comment\r\nst-90", kNormalMode,
                "E W:st - N:90 $"},
        LexCase{"LoneLfIsConsumedByTheNumber", "st-90\nxo1-5", kNormalMode,
                "W:st - N:90 W:xo1 - N:5 $"},
        LexCase{"CrOfCrLfIsConsumedByTheNumber", "st-90\r\n", kNormalMode, "W:st - N:90 E $"},
        LexCase{"BareLineBreaks", "\r\n\n", kNormalMode, "E E E $"},
        LexCase{"DotsAreNeverPartOfAWord", "Ivanov I.I.", kTextMode, "W:Ivanov I . W:I . $"},
        LexCase{"SixDigitsAreAWordFiveANumber", "123456 99999", kNormalMode, "W:123456 N:99999 $"},
        LexCase{"LettersEndANumber", "12ab", kNormalMode, "N:12 W:ab $"},
        LexCase{"LeadingZeros", "007", kNormalMode, "N:7 $"},
        LexCase{"DashEndsAWordInNormalMode", "ua12-", kNormalMode, "W:ua12 - $"},
        LexCase{"DollarSeparatesInNormalMode", "a$b", kNormalMode, "W:a W:b $"},
        LexCase{"DollarEndsAWordInTextMode", "a b$c", kTextMode, "W:a b W:c $"},
        LexCase{"CommaIsPunctuationInNormalMode", "1,,b", kNormalMode, "N:1 , , W:b $"},
        LexCase{"CommaAndDashAreLettersInTextMode", " x-1,2", kTextMode, "W: x-1,2 $"},
        LexCase{"DigitsAreLettersInTextMode", "90 s", kTextMode, "W:90 s $"},
        LexCase{"CommentInsideALine", "x;y\nz", kNormalMode, "W:x W:z $"},
        LexCase{"CommentEndsAtDollar", ";a$b", kNormalMode, "W:b $"},
        LexCase{"CommentRunsToTheEnd", ";abc", kNormalMode, "$"},
        LexCase{"NumberDotNumber", "1.5", kNormalMode, "N:1 . N:5 $"},
        LexCase{"NulEndsTheText", std::string("\0b", 2), kNormalMode, "$"},
        LexCase{"SpacesSkippedInNormalMode", "  -  4 ", kNormalMode, "- N:4 $"},
        LexCase{"CyrillicIsLetters", "\xC8\xE2\xE0\xED", kNormalMode, "W:\xC8\xE2\xE0\xED $"},
        LexCase{"OtherNormalModeCodes", "a b", 5, "W:a W:b $"}),
    [](const auto& info) { return info.param.name; });

TEST(LexerPushBack, ReturnsTheSameLexemeWhateverTheMode) {
    TLexPipe pipe;
    pipe.SetText("st-90 x");
    TLexema lex;
    pipe.GetLexema(kNormalMode, lex);
    pipe.GetLexema(kNormalMode, lex);
    ASSERT_EQ(lex.GetKind(), LexDash);
    pipe.UngetLexema();
    pipe.GetLexema(kTextMode, lex);
    EXPECT_EQ(lex.GetKind(), LexDash);
    pipe.GetLexema(kTextMode, lex); // the push-back is spent: text mode cuts afresh
    EXPECT_EQ(lex.GetKind(), LexWord);
    EXPECT_EQ(lex.GetText(), "90 x");
}

TEST(LexerPushBack, EndOfTextRepeats) {
    TLexPipe pipe;
    TLexema lex;
    for (int i = 0; i < 3; ++i) {
        pipe.GetLexema(kNormalMode, lex);
        EXPECT_EQ(lex.GetKind(), LexEnd);
        EXPECT_EQ(lex.GetText(), "");
    }
    pipe.SetText("\n");
    pipe.GetLexema(kNormalMode, lex);
    EXPECT_EQ(lex.GetKind(), LexLineEnd);
    EXPECT_EQ(lex.GetText(), "#10");
}

} // namespace
