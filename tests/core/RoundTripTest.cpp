#include <gtest/gtest.h>

#include "RichConfig.h"
#include "files/ConfigLoad.h"
#include "text/ConfigWriter.h"
#include "text/TextLines.h"

using namespace travo;

namespace {

std::string Text(const T_Command_DEVICE& d) {
    TextLines lines;
    WriteConfig(d, lines);
    return JoinLines(lines);
}

T_Command_DEVICE ReadBack(const std::string& text) {
    T_Command_DEVICE d;
    LoadConfigText(d, text);
    return d;
}

} // namespace

TEST(RoundTrip, DefaultConfigurationReadsBackToItself) {
    T_Command_DEVICE d;
    d.Reset();
    const std::string text = Text(d);
    const T_Command_DEVICE back = ReadBack(text);
    EXPECT_EQ(Text(back), text);
    // Values, texts and lists too; only the reader's item counts differ.
    for (int k = 0; k < kCommandKinds; ++k) {
        for (size_t j = 0; j < d.Commands(k).size(); ++j) {
            T_Command a = d.Commands(k)[j], b = back.Commands(k)[j];
            b.SetItemCount(a.GetItemCount());
            EXPECT_EQ(a, b) << "kind " << k << " position " << j;
        }
    }
}

TEST(RoundTrip, RichConfigurationWritesTheSameTextAfterReading) {
    const T_Command_DEVICE rich = test::RichConfig();
    const std::string text = Text(rich);
    const T_Command_DEVICE back = ReadBack(text);
    EXPECT_EQ(Text(back), text);
    EXPECT_EQ(back.GetVersion(), rich.GetVersion());
    EXPECT_EQ(back.GetCryptoKey(), rich.GetCryptoKey());
    EXPECT_EQ(back.GetKeyName(100), rich.GetKeyName(100));
    EXPECT_EQ(back.GetKeyType(101), 2);
    EXPECT_EQ(back.GetKeyCode(250), rich.GetKeyCode(250));
    EXPECT_EQ(back.GetKeyCode(7), std::string(12, '*'));
    EXPECT_EQ(back.GetKeyCode(8), "0000000000FF");
    EXPECT_EQ(back.GetKeyParts(10), PartSet{2});
    EXPECT_EQ(back.GetShleifPart(2), 4);
    EXPECT_EQ(back.GetShleifPart(3), 0);
    EXPECT_EQ(back.GetSirenaParts(), (PartSet{1, 3, 4}));
}

TEST(RoundTrip, LineBreaksOfAnyKindReadTheSame) {
    const std::string text = Text(test::RichConfig());
    std::string lf, cr;
    for (char c : text) {
        if (c == '\r') continue;
        lf += c;
    }
    for (char c : text) {
        if (c == '\n') continue;
        cr += c;
    }
    for (const std::string* variant : {&lf, &cr}) {
        EXPECT_EQ(Text(ReadBack(JoinLines(SplitLines(*variant)))), text);
    }
}
