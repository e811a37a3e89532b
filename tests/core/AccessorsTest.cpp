#include <gtest/gtest.h>

#include "model/Device.h"
#include "model/Rele.h"
#include "text/Cp1251.h"

using namespace travo;

class Accessors : public testing::Test {
protected:
    void SetUp() override { d.Reset(); }
    T_Command_DEVICE d;
};

TEST_F(Accessors, OutOfRangeIndicesReadZeroAndWriteNothing) {
    const T_Command_DEVICE before = d;
    for (int bad : {0, 5, -1}) {
        d.SetPartDelay(bad, 7);
        d.SetShleifType(bad, 7);
        d.SetShleifDelay(bad, 7);
        d.SetReleType(bad, 7);
        d.SetReleDelay(bad, 7);
        d.SetShleifName(bad, "x");
        d.SetReleParts(bad, PartSet{2});
        d.SetShleifPart(bad, 2);
        EXPECT_EQ(d.GetPartDelay(bad), 0);
        EXPECT_EQ(d.GetShleifDelay(bad), 0);
        EXPECT_EQ(d.GetShleifName(bad), "");
        EXPECT_TRUE(d.GetReleParts(bad).Empty());
        EXPECT_EQ(d.GetShleifPart(bad), 0);
    }
    for (int bad : {0, 251}) {
        d.SetKeyName(bad, "x");
        d.SetKeyType(bad, 1);
        d.SetKeyCode(bad, "1");
        d.SetKeyParts(bad, PartSet{2});
        EXPECT_EQ(d.GetKeyType(bad), 0);
        EXPECT_EQ(d.GetKeyName(bad), "");
        EXPECT_EQ(d.GetKeyCode(bad), "");
        EXPECT_TRUE(d.GetKeyParts(bad).Empty());
    }
    EXPECT_EQ(d, before);
    EXPECT_EQ(d.GetShleifTypeName(0), "");
    EXPECT_EQ(d.GetReleTypeName(9), ReleTypeName(0));
    EXPECT_EQ(d.GetReleTypeName(0), W("не используется|Реле не используется"));
}

TEST_F(Accessors, FlagsStoreOneOrZero) {
    d.SetLockNoIP(false);
    EXPECT_EQ(d.Commands(kind::LockNoIP)[0].GetValue(1), 0);
    d.Commands(kind::ActiveKTS)[0].SetValue(1, 7);
    EXPECT_TRUE(d.GetActiveKTS());
    d.SetActiveKTS(true);
    EXPECT_EQ(d.Commands(kind::ActiveKTS)[0].GetValue(1), 1);
}

TEST_F(Accessors, PowerOffModeTakesOnlyZeroOrOne) {
    d.SetPowerOffMode(1);
    d.SetPowerOffMode(2);
    d.SetPowerOffMode(-1);
    EXPECT_EQ(d.GetPowerOffMode(), 1);
    d.SetPowerOffMode(0);
    EXPECT_EQ(d.GetPowerOffMode(), 0);
}

TEST_F(Accessors, LimitsComeFromTheCatalogue) {
    EXPECT_EQ(T_Command_DEVICE::ExtIndicLimit(0), 1);
    EXPECT_EQ(T_Command_DEVICE::SirenaLimit(2), 999);
    EXPECT_EQ(T_Command_DEVICE::PartDelayLimit(1), 90);
    EXPECT_EQ(T_Command_DEVICE::ShleifDelayLimit(2), 180);
    EXPECT_EQ(T_Command_DEVICE::ReleDelayLimit(0), 1);
}

TEST_F(Accessors, UserModeLivesAsAMarkBeforeTheName) {
    const std::string ivanov = W("Иванов");
    d.SetKeyName(5, ivanov);
    EXPECT_EQ(d.GetKeyType(5), 0);
    d.SetKeyType(5, 1);
    EXPECT_EQ(d.Commands(kind::User)[4].GetText(1), "!" + ivanov);
    EXPECT_EQ(d.GetKeyName(5), ivanov);
    d.SetKeyType(5, 2);
    EXPECT_EQ(d.Commands(kind::User)[4].GetText(1), "*" + ivanov);
    d.SetKeyType(5, 0);
    EXPECT_EQ(d.Commands(kind::User)[4].GetText(1), ivanov);
    d.SetKeyType(5, 9); // no mark for an unknown mode
    EXPECT_EQ(d.Commands(kind::User)[4].GetText(1), ivanov);

    d.SetKeyName(6, "ABCDEFGHIJ");
    d.SetKeyType(6, 1);
    EXPECT_EQ(d.Commands(kind::User)[5].GetText(1), "!ABCDEFGHI");
    d.SetKeyName(6, "ABCDEFGHIJKL"); // the mark stays, the whole is cut to 10
    EXPECT_EQ(d.Commands(kind::User)[5].GetText(1), "!ABCDEFGHI");
    d.SetKeyName(7, "*Petrov"); // a name beginning with a mark changes the mode
    EXPECT_EQ(d.GetKeyType(7), 2);
    EXPECT_EQ(d.GetKeyName(7), "Petrov");
    d.Commands(kind::User)[7].SetText(1, "!ABCDEFGHIJKLM"); // longer than 10 from a file
    EXPECT_EQ(d.GetKeyName(8), "ABCDEFGHI");
}

TEST_F(Accessors, KeyCodesAreCompletedToTwelve) {
    d.SetKeyCode(5, "ABC");
    EXPECT_EQ(d.GetKeyCode(5), "ABC000000000");
    d.SetKeyCode(5, "");
    EXPECT_EQ(d.GetKeyCode(5), "");
    d.SetKeyCode(5, "0123456789ABCDEF");
    EXPECT_EQ(d.GetKeyCode(5), "0123456789ABCDEF");
}

TEST_F(Accessors, ZonesMoveBetweenPartitionLists) {
    d.SetShleifPart(3, 2);
    EXPECT_EQ(d.GetShleifPart(3), 2);
    const auto& zn1 = d.Commands(kind::PartZones)[0];
    EXPECT_EQ(zn1.GetItem(3), 0); // the hole stays where zone 3 was
    EXPECT_EQ(zn1.GetItem(4), 4);
    d.SetShleifPart(3, 0);
    EXPECT_EQ(d.GetShleifPart(3), 0);
    d.SetShleifPart(3, 1); // into the first free slot: the hole
    EXPECT_EQ(zn1.GetItem(3), 3);
    d.SetShleifPart(2, 5);
    EXPECT_EQ(d.GetShleifPart(2), 0);
}

TEST_F(Accessors, AFullPartitionListTakesNoMoreZones) {
    auto& zn2 = d.Commands(kind::PartZones)[1];
    for (int slot = 1; slot <= 5; ++slot) zn2.SetItem(slot, 9);
    d.SetShleifPart(1, 2);
    EXPECT_EQ(d.GetShleifPart(1), 0);
}

TEST_F(Accessors, PartitionSetsAndTheirLists) {
    auto& rz1 = d.Commands(kind::ReleParts)[0];
    const int list[] = {3, 0, 9, 1, 0};
    for (int i = 0; i < 5; ++i) rz1.SetItem(i + 1, list[i]);
    EXPECT_EQ(d.GetReleParts(1), (PartSet{1, 3}));
    d.SetReleParts(1, PartSet{1, 3, 6});
    EXPECT_EQ(rz1.GetItem(1), 1);
    EXPECT_EQ(rz1.GetItem(2), 3);
    EXPECT_EQ(rz1.GetItem(3), 0);
    rz1.SetItem(5, 7); // 5..7 count as partitions when read
    EXPECT_TRUE(d.GetReleParts(1).Contains(7));
    d.SetSirenaParts(PartSet{4, 2});
    EXPECT_EQ(d.Commands(kind::SirenParts)[0].GetItem(1), 2);
    EXPECT_EQ(d.Commands(kind::SirenParts)[0].GetItem(2), 4);
}

TEST(PartSetText, FormatsRunsAndNumbers) {
    EXPECT_EQ(FormatPartSet(PartSet{1, 2, 3, 4}), "1-4");
    EXPECT_EQ(FormatPartSet(PartSet{1, 3, 4}), "1,3-4");
    EXPECT_EQ(FormatPartSet(PartSet{2, 4}), "2,4");
    EXPECT_EQ(FormatPartSet(PartSet{1, 2}), "1-2");
    EXPECT_EQ(FormatPartSet(PartSet{3}), "3");
    EXPECT_EQ(FormatPartSet(PartSet{}), "");
    EXPECT_EQ(FormatPartSet(PartSet{1, 6}), "1"); // only 1..4 are shown
    EXPECT_EQ(FormatNumberSet(ToNumberSet(PartSet{1, 2})), "1,2");
    NumberSet big;
    big.set(250);
    big.set(3);
    EXPECT_EQ(FormatNumberSet(big), "3,250");
    EXPECT_EQ(FormatNumberSet(NumberSet{}), "");
}
