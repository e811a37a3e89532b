#include <gtest/gtest.h>

#include "model/Device.h"
#include "text/Cp1251.h"

using namespace travo;

TEST(Command, IndicesOutsideTheirRangeReadEmptyAndWriteNothing) {
    T_Command c(kind::ZoneMode, 2);
    const T_Command before = c;
    c.SetText(0, "x");
    c.SetText(3, "x");
    c.SetItem(0, 9);
    c.SetItem(6, 9);
    c.SetValue(3, 9);
    c.SetValue(-1, 9);
    EXPECT_EQ(c, before);
    EXPECT_EQ(c.GetText(0), "");
    EXPECT_EQ(c.GetItem(6), 0);
    EXPECT_EQ(c.GetValue(3), 0);
    EXPECT_EQ(c.GetValue(1), 7);
    EXPECT_EQ(c.GetValue(2), 90);
    EXPECT_EQ(c.GetNumber(), 2);
}

TEST(Command, ResetValuesKeepsKindNumberAndItemCount) {
    T_Command c(kind::SirenParts, 0);
    c.SetItem(1, 3);
    c.SetItemCount(4);
    c.SetText(1, "a");
    c.SetValue(1, 5);
    c.ResetValues();
    EXPECT_EQ(c.GetKind(), kind::SirenParts);
    EXPECT_EQ(c.GetItemCount(), 4);
    EXPECT_EQ(c.GetItem(1), 0);
    EXPECT_EQ(c.GetText(1), "");
    EXPECT_EQ(c.GetValue(1), 1);
}

TEST(Command, AssignCopiesTheKindToo) {
    T_Command a(kind::SirenTime, 0), b(kind::User, 7);
    b.SetText(2, "code");
    b.SetItemCount(2);
    a.Assign(b);
    EXPECT_EQ(a, b);
    EXPECT_EQ(a.GetKind(), kind::User);
}

TEST(Device, CreateHoldsCatalogueDefaultsOnly) {
    T_Command_DEVICE created;
    for (int k = 0; k < kCommandKinds; ++k) {
        const auto& list = created.Commands(k);
        ASSERT_EQ(static_cast<int>(list.size()), ParamImage(k).InstanceCount());
        for (size_t j = 0; j < list.size(); ++j) {
            EXPECT_EQ(list[j].GetKind(), k);
            EXPECT_EQ(list[j].GetNumber(), ParamImage(k).first + static_cast<int>(j));
        }
    }
    EXPECT_EQ(created.GetReleType(1), 0);
    EXPECT_EQ(created.GetShleifPart(1), 0);
    EXPECT_EQ(created.GetVersion(), "");

    T_Command_DEVICE reset;
    reset.Reset();
    EXPECT_NE(created, reset);
    EXPECT_EQ(reset.GetVersion(), W("Config GSM4 soft v.3.0"));
    EXPECT_EQ(reset.GetReleType(1), 4);
    EXPECT_EQ(reset.GetReleType(2), 2);
    EXPECT_EQ(reset.GetReleParts(2), PartSet{1});
    EXPECT_TRUE(reset.GetReleParts(3).Empty());
    for (int z = 1; z <= 4; ++z) EXPECT_EQ(reset.GetShleifPart(z), 1);
    EXPECT_EQ(reset.GetIndicZone(), 1);
    EXPECT_EQ(reset.GetKeyParts(250), PartSet{1});
}

TEST(Device, ResetTwiceEqualsResetOnceAndUndoesEdits) {
    T_Command_DEVICE once, twice;
    once.Reset();
    twice.Reset();
    twice.SetSirena(5);
    twice.SetKeyName(3, "x");
    twice.SetShleifPart(2, 3);
    twice.Reset();
    EXPECT_EQ(once, twice);
}
