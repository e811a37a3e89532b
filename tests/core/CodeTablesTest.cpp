#include <gtest/gtest.h>

#include "model/Keys.h"
#include "model/Rele.h"
#include "model/Shleif.h"
#include "text/Cp1251.h"

using namespace travo;

TEST(CodeTables, SizesAndOrder) {
    ASSERT_EQ(ShleifTypes().size(), 15u);
    ASSERT_EQ(ReleTypes().size(), 11u);
    ASSERT_EQ(KeyModes().size(), 3u);
    const int zoneCodes[] = {7, 1, 16, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 14, 15};
    for (int pos = 1; pos <= 15; ++pos) EXPECT_EQ(ShleifTypeCode(pos), zoneCodes[pos - 1]);
    for (int pos = 1; pos <= 11; ++pos) EXPECT_EQ(ReleTypeCode(pos), pos - 1);
    for (int pos = 1; pos <= 3; ++pos) EXPECT_EQ(KeyModeCode(pos), pos - 1);
}

TEST(CodeTables, LookupsOutsideTheTables) {
    EXPECT_EQ(ShleifTypeName(13), "");
    EXPECT_EQ(ShleifTypeName(0), "");
    EXPECT_EQ(ShleifTypeCode(16), 0);
    EXPECT_EQ(ShleifTypeCode(0), 0);
    EXPECT_EQ(ReleTypeCode(12), 255);
    EXPECT_EQ(ReleTypeCode(0), 255);
    EXPECT_EQ(KeyModeCode(0), 255);
    EXPECT_EQ(KeyModeCode(4), 255);
    EXPECT_EQ(ReleTypeName(11), "");
    EXPECT_EQ(KeyModeName(3), "");
    EXPECT_EQ(KeyModeLabel(-1), "");
}

TEST(CodeTables, NamesDescriptionsAndLabels) {
    EXPECT_EQ(ShortName(ShleifTypeName(14)), W("ПАТРУЛЬ"));
    EXPECT_EQ(Description(ShleifTypeName(14)),
              W("- при нарушении шлейфа формируется сообщение \"ПАТРУЛЬ\""));
    EXPECT_EQ(ShortName(ShleifTypeName(3)), W("охранный без задержки, с контролем взлома"));
    // Descriptions break their lines with CR only.
    const std::string d = std::string(Description(ShleifTypeName(1)));
    EXPECT_EQ(std::count(d.begin(), d.end(), '\r'), 5);
    EXPECT_EQ(d.find('\n'), std::string::npos);
    EXPECT_EQ(ShortName(ReleTypeName(10)), W("ЗАМОК"));
    EXPECT_EQ(ReleTypes()[0].third, "SMS.jpg");
    EXPECT_EQ(ReleTypes()[4].third, ReleTypes()[4].text);
    EXPECT_EQ(ShleifTypes()[1].third, "GuardDelay.jpg");
    EXPECT_EQ(KeyModeLabel(0), W("Управление"));
    EXPECT_EQ(KeyModeLabel(2), W("Патруль"));
    EXPECT_EQ(ShortName(KeyModeName(1)), W("Принуждение"));
    EXPECT_EQ(ShortName("abc"), "abc");
    EXPECT_EQ(Description("abc"), "abc");
    EXPECT_EQ(Description("a|b|c"), "b|c");
}
