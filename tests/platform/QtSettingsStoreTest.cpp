#include <gtest/gtest.h>

#include <QFile>
#include <filesystem>

#include "QtSettingsStore.h"
#include "TempDir.h"
#include "text/Cp1251.h"

using namespace travo;

namespace {

std::unique_ptr<QtSettingsStore> StoreAt(const std::filesystem::path& file) {
    return std::make_unique<QtSettingsStore>(
        std::make_unique<QSettings>(QString::fromStdString(file.string()), QSettings::IniFormat));
}

} // namespace

TEST(QtSettingsStore, AMissingFileGivesTheDefaults) {
    test::TempDir dir;
    auto store = StoreAt(dir.Path() / "none.ini");
    TParamWork s;
    s.ProgramPath = "/opt/travo/";
    LoadSettings(*store, s);
    EXPECT_FALSE(s.HideHint);
    EXPECT_TRUE(s.MaskMode);
    EXPECT_EQ(s.ListPathSave, "/opt/travo/");
    EXPECT_EQ(s.MaskIdent, (std::array<std::uint8_t, 4>{1, 2, 3, 4}));
}

TEST(QtSettingsStore, SurvivesASaveAndALoad) {
    test::TempDir dir;
    TParamWork s;
    s.HideHint = true;
    s.PortTM = 123;
    s.ListModeOpenSave = true;
    s.ListPathSave = W("/home/монтажник/Объекты/");
    s.MaskMode = false;
    s.MaskPref = W("Склад");
    s.MaskDelim1 = "-";
    s.MaskDelim2 = "";
    s.MaskDelim3 = "+";
    s.MaskSuff = "v2";
    s.MaskIdent = {0, 3, 2, 4};
    ASSERT_TRUE(SaveSettings(*StoreAt(dir.Path() / "s.ini"), s));

    TParamWork back;
    back.ProgramPath = "/elsewhere/";
    LoadSettings(*StoreAt(dir.Path() / "s.ini"), back);
    EXPECT_TRUE(back.HideHint);
    EXPECT_EQ(back.PortTM, 123);
    EXPECT_TRUE(back.ListModeOpenSave);
    EXPECT_EQ(back.ListPathSave, s.ListPathSave);
    EXPECT_FALSE(back.MaskMode);
    EXPECT_EQ(back.MaskPref, s.MaskPref);
    EXPECT_EQ(back.MaskDelim1, "-");
    EXPECT_EQ(back.MaskDelim2, "");
    EXPECT_EQ(back.MaskDelim3, "+");
    EXPECT_EQ(back.MaskSuff, "v2");
    EXPECT_EQ(back.MaskIdent, s.MaskIdent);
}

TEST(QtSettingsStore, ReadRulesAndWrongTypedValues) {
    test::TempDir dir;
    const auto file = dir.Path() / "w.ini";
    dir.Write("w.ini",
              "[General]\n"
              "HideHint=1\n"
              "MaskIdent1=1\n"
              "MaskIdent2=7\n"
              "MaskIdent3=three\n"                              // not a number: absent
              "MaskMode=yes\n"                                  // not a number: absent, so on
              "ListPathSave=a, b\n"                             // a list, not a text: absent
              "MaskPref=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n" // a number, not a text
              "PortTM=-4\n");
    TParamWork s;
    s.ProgramPath = "/opt/travo/";
    LoadSettings(*StoreAt(file), s);
    EXPECT_TRUE(s.HideHint);
    EXPECT_EQ(s.MaskIdent[0], 1);
    EXPECT_EQ(s.MaskIdent[1], 2);
    EXPECT_EQ(s.MaskIdent[2], 3);
    EXPECT_TRUE(s.MaskMode);
    EXPECT_EQ(s.ListPathSave, "/opt/travo/");
    EXPECT_EQ(s.MaskPref, "GSM4");
    EXPECT_EQ(s.PortTM, -4);
}

TEST(QtSettingsStore, AStoreThatCannotBeWrittenSaysSo) {
    test::TempDir dir;
    dir.Write("blocker", "a file where a folder should be");
    auto store = StoreAt(dir.Path() / "blocker" / "s.ini");
    EXPECT_FALSE(SaveSettings(*store, TParamWork{}));
}
