#include <gtest/gtest.h>

#include <map>

#include "files/FormatGroups.h"
#include "files/MaskFileName.h"
#include "files/Settings.h"
#include "text/Cp1251.h"

using namespace travo;

namespace {

// A store in memory; numbers and texts live apart, as registry types do.
class MemoryStore : public SettingsStore {
public:
    std::optional<std::int32_t> ReadNumber(const std::string& n) override {
        auto it = numbers.find(n);
        return it == numbers.end() ? std::nullopt : std::optional(it->second);
    }
    std::optional<std::string> ReadText(const std::string& n) override {
        auto it = texts.find(n);
        return it == texts.end() ? std::nullopt : std::optional(it->second);
    }
    void WriteNumber(const std::string& n, std::int32_t v) override {
        numbers[n] = v;
        order.push_back(n);
    }
    void WriteText(const std::string& n, const std::string& v) override {
        texts[n] = v;
        order.push_back(n);
    }
    bool Commit() override { return writable; }

    std::map<std::string, std::int32_t> numbers;
    std::map<std::string, std::string> texts;
    std::vector<std::string> order;
    bool writable = true;
};

} // namespace

TEST(Settings, AFreshStoreGivesTheDefaults) {
    MemoryStore store;
    TParamWork s;
    s.ProgramPath = "/opt/travo/";
    LoadSettings(store, s);
    EXPECT_FALSE(s.HideHint);
    EXPECT_FALSE(s.ListModeOpenSave);
    EXPECT_EQ(s.ListPathSave, "/opt/travo/");
    EXPECT_TRUE(s.MaskMode);
    EXPECT_EQ(s.MaskPref, "GSM4");
    EXPECT_EQ(s.MaskDelim1 + s.MaskDelim2 + s.MaskDelim3, "___");
    EXPECT_EQ(s.MaskSuff, "");
    EXPECT_EQ(s.MaskIdent, (std::array<std::uint8_t, 4>{1, 2, 3, 4}));
    EXPECT_EQ(s.PortTM, 0);
}

TEST(Settings, MaskKindsOutsideTheirRangeTakeTheElementDefault) {
    // Element j keeps 0..4 (its own default included) and turns anything else into j.
    for (int j = 0; j < 4; ++j) {
        for (int stored : {-1, 0, 1, 2, 3, 4, 5, 7, 255}) {
            MemoryStore store;
            store.numbers["MaskIdent" + std::to_string(j + 1)] = stored;
            TParamWork s;
            LoadSettings(store, s);
            const int expected = (stored >= 0 && stored <= 4) ? stored : j + 1;
            EXPECT_EQ(s.MaskIdent[static_cast<size_t>(j)], expected) << j << " " << stored;
        }
    }
}

TEST(Settings, BooleansAreNonZeroAndSaveWritesEveryValueInOrder) {
    MemoryStore store;
    store.numbers["HideHint"] = 5;
    TParamWork s;
    LoadSettings(store, s);
    EXPECT_TRUE(s.HideHint);
    s.MaskPref = W("Склад");
    EXPECT_TRUE(SaveSettings(store, s));
    EXPECT_EQ(store.numbers["HideHint"], 1);
    EXPECT_EQ(store.order, (std::vector<std::string>{
                               "HideHint", "PortTM", "ListPathSave", "ListModeOpenSave", "MaskMode",
                               "MaskPref", "MaskDelim1", "MaskDelim2", "MaskDelim3", "MaskSuff",
                               "MaskIdent1", "MaskIdent2", "MaskIdent3", "MaskIdent4"}));
    TParamWork back;
    LoadSettings(store, back);
    EXPECT_EQ(back.MaskPref, W("Склад"));
    store.writable = false;
    EXPECT_FALSE(SaveSettings(store, s));
}

TEST(MaskFileName, Examples) {
    const std::string alias = W("ПСЕВДОНИМN"), ident = "AAAABBBBCCCC";
    struct Case {
        std::array<int, 4> kinds;
        std::string suffix;
        std::string expected;
    };
    const Case cases[] = {
        {{1, 2, 3, 4}, "", "GSM4-" + alias + "+AAAABBBBCCCC.ini"},
        {{1, 0, 3, 4}, "", "GSM4-AAAABBBBCCCC.ini"},     // delimiter no. 1
        {{0, 2, 3, 4}, "", alias + "+AAAABBBBCCCC.ini"}, // delimiter no. 2
        {{0, 2, 0, 4}, "end", alias + "+end.ini"},       // no. 3 unused: element 3 empty
        {{0, 0, 0, 0}, "end", ".ini"},
        {{4, 3, 2, 1}, "S", "S-AAAABBBBCCCC+" + alias + "=GSM4.ini"},
        {{9, -1, 3, 77}, "X", "GSM4-" + alias + "+AAAABBBBCCCC=X.ini"}, // out of range: defaults
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MakeMaskFileName(c.kinds[0], "GSM4", "-", c.kinds[1], alias, "+", c.kinds[2],
                                   ident, "=", c.kinds[3], c.suffix),
                  c.expected);
    }
    TParamWork defaults;
    EXPECT_EQ(MakeMaskFileName(defaults, alias, ident), "GSM4_" + alias + "_AAAABBBBCCCC.ini");
    EXPECT_EQ(MakeMaskFileName(defaults, "", ""), "GSM4.ini");
}

TEST(FormatGroups, IdentifiersAsTheListShowsThem) {
    const std::pair<std::string, std::string> cases[] = {
        {"0123456789AB", "0123-4567-89AB"},
        {"0123456789ab", "0123-4567-89ab"},
        {"", "0000-0000-0000"},
        {"1234-5678-90", "1234-5678-9000"},
        {"12 34", "1200-3400-0000"},
        {"G123", "0000-1230-0000"},
        {"0123456789ABCDEF", "0123-4567-89AB"},
        {"\xC0\xC1", "0000-0000-0000"},
    };
    for (const auto& [raw, shown] : cases) EXPECT_EQ(FormatIdentifier(raw), shown) << raw;
}

TEST(FormatGroups, OtherArguments) {
    EXPECT_EQ(FormatGroups("1-22", "0123456789", ":", false, -6, 3, '0'), "001022");
    EXPECT_EQ(FormatGroups("12", "0123456789", ":", true, -6, 2, '0'), "00:00:12");
    EXPECT_EQ(FormatGroups("1234567", "0123456789", ":", false, 4, 2, '#'), "1234567");
}
