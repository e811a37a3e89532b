#include <gtest/gtest.h>

#include "rules/KeyCodes.h"
#include "rules/TypeRules.h"
#include "rules/Validation.h"
#include "text/Cp1251.h"

using namespace travo;

namespace {

T_Command_DEVICE Clean() {
    T_Command_DEVICE d;
    d.Reset();
    d.SetCryptoKey("key");
    return d;
}

} // namespace

TEST(ZoneTypeRules, DelayAndPartitionFollowTheType) {
    T_Command_DEVICE d = Clean();
    d.SetShleifDelay(1, 0);
    ApplyShleifType(d, 1, 1); // a delay type fills a zero delay
    EXPECT_EQ(d.GetShleifDelay(1), 90);
    d.SetShleifDelay(1, 30);
    ApplyShleifType(d, 1, 16); // and keeps a set one
    EXPECT_EQ(d.GetShleifDelay(1), 30);
    ApplyShleifType(d, 1, 2);
    EXPECT_EQ(d.GetShleifDelay(1), 0);
    EXPECT_EQ(d.GetShleifPart(1), 1);

    for (int noPart : {7, 14}) {
        d.SetShleifPart(2, 3);
        ApplyShleifType(d, 2, noPart);
        EXPECT_EQ(d.GetShleifPart(2), 0) << noPart;
        EXPECT_EQ(d.GetShleifType(2), noPart);
    }
    ApplyShleifType(d, 2, 15); // a zone without partition joins partition 1
    EXPECT_EQ(d.GetShleifPart(2), 1);
    d.SetShleifPart(2, 4);
    ApplyShleifType(d, 2, 8);
    EXPECT_EQ(d.GetShleifPart(2), 4);
}

TEST(RelayTypeRules, TimeAndPartitionsFollowTheType) {
    T_Command_DEVICE d = Clean();
    d.SetReleParts(1, PartSet{2, 4});
    ApplyReleType(d, 1, 10); // a lock follows its lowest partition, without time
    EXPECT_EQ(d.GetReleParts(1), PartSet{2});
    EXPECT_EQ(d.GetReleDelay(1), 0);
    ApplyReleType(d, 1, 5); // a timed type fills a zero time
    EXPECT_EQ(d.GetReleDelay(1), 90);
    EXPECT_EQ(d.GetReleParts(1), PartSet{2});
    ApplyReleType(d, 1, 0);
    EXPECT_TRUE(d.GetReleParts(1).Empty());
    EXPECT_EQ(d.GetReleDelay(1), 0);
    ApplyReleType(d, 1, 3); // a working type without partitions gets partition 1
    EXPECT_EQ(d.GetReleParts(1), PartSet{1});
    d.SetReleDelay(1, 500);
    ApplyReleType(d, 1, 7);
    EXPECT_EQ(d.GetReleDelay(1), 500);
}

TEST(UnloadRules, ReapplyEveryType) {
    T_Command_DEVICE d = Clean();
    d.SetShleifType(1, 7); // in partition 1 from the file
    d.SetShleifType(2, 2);
    d.SetShleifDelay(2, 40);
    d.SetShleifType(3, 4);
    d.SetShleifPart(3, 0);
    d.SetReleType(3, 10);
    d.SetReleParts(3, PartSet{3, 4});
    ApplyUnloadRules(d);
    EXPECT_EQ(d.GetShleifPart(1), 0);
    EXPECT_EQ(d.GetShleifDelay(2), 0);
    EXPECT_EQ(d.GetShleifPart(3), 1);
    EXPECT_EQ(d.GetReleParts(3), PartSet{3});
    EXPECT_EQ(d.GetReleParts(4), PartSet{}); // type 0
}

TEST(KeyCodes, TypedCodesAndDuplicates) {
    EXPECT_EQ(NormalizeTypedCode("12AB"), "12AB00000000");
    EXPECT_EQ(NormalizeTypedCode("1*"), "************");
    EXPECT_EQ(NormalizeTypedCode(""), "");
    EXPECT_EQ(NormalizeTypedCode("0123456789ABCD"), "0123456789ABCD");

    T_Command_DEVICE d = Clean();
    d.SetKeyCode(3, "ABC");
    d.SetKeyCode(7, "ABC");
    d.SetKeyCode(8, "000000000000");
    d.SetKeyCode(9, "000000000000");
    d.Commands(kind::User)[9].SetText(2, "************");
    d.Commands(kind::User)[10].SetText(2, "************");
    EXPECT_EQ(Check_Code_Double(d, 0, "ABC000000000"), 3);
    EXPECT_EQ(Check_Code_Double(d, 3, ""), 7);
    EXPECT_EQ(Check_Code_Double(d, 7, ""), 3);
    EXPECT_EQ(Check_Code_Double(d, 8, ""), 0);
    EXPECT_EQ(Check_Code_Double(d, 10, ""), 0);
    EXPECT_EQ(Check_Code_Double(d, 0, ""), 0);
    EXPECT_EQ(Check_Code_Double(d, 1, ""), 0);
}

TEST(Validation, ACleanConfigurationHasNoFault) {
    EXPECT_TRUE(AllFaults(Clean()).empty());
}

// One row per rule: what breaks it, and what its fault says.
struct RuleCase {
    const char* name;
    std::function<void(T_Command_DEVICE&)> breakIt;
    Page page;
    std::string message;
    std::string recommendation;
    bool defaultAllowed;
    FocusTarget focus;
    std::function<bool(const T_Command_DEVICE&)> defaultRepairs;
};

class Rule : public testing::TestWithParam<RuleCase> {};

TEST_P(Rule, FailsWithItsTexts) {
    const RuleCase& c = GetParam();
    T_Command_DEVICE d = Clean();
    c.breakIt(d);
    const auto faults = AllFaults(d);
    ASSERT_EQ(faults.size(), 1u);
    const Fault& f = faults[0];
    EXPECT_EQ(f.page, c.page);
    EXPECT_EQ(f.message, W(c.message));
    EXPECT_EQ(f.recommendation, W(c.recommendation));
    EXPECT_EQ(f.defaultAllowed, c.defaultAllowed);
    EXPECT_EQ(f.focus.control, c.focus.control);
    EXPECT_EQ(f.focus.row, c.focus.row);
    EXPECT_EQ(f.focus.column, c.focus.column);
    EXPECT_EQ(static_cast<bool>(f.setDefault), c.defaultAllowed);
    if (f.setDefault) {
        f.setDefault(d);
        EXPECT_TRUE(c.defaultRepairs(d));
        EXPECT_TRUE(AllFaults(d).empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Every, Rule,
    testing::Values(
        RuleCase{"IndicatorTime",
                 [](auto& d) { d.SetExtIndic(0); },
                 Page::Indic,
                 "Недопустимая величина времени работы выносного индикатора",
                 "Время работы выносного индикатора должно находится в диапазоне 1..999сек.",
                 true,
                 {"E_Indic_ExtIndic"},
                 [](auto& d) { return d.GetExtIndic() == 90; }},
        RuleCase{"SirenTime",
                 [](auto& d) { d.SetSirena(1000); },
                 Page::Indic,
                 "Недопустимая величина времени работы сирены",
                 "Время работы сирены должно находится в диапазоне 0..999сек.",
                 true,
                 {"E_Indic_Sirena"},
                 [](auto& d) { return d.GetSirena() == 90; }},
        RuleCase{"ExitDelay",
                 [](auto& d) { d.SetPartDelay(3, 181); },
                 Page::Parts,
                 "Недопустимая величина времени выхода для раздела.",
                 "Задержка времени выхода может быть задана в диапазоне 0..180 секунд",
                 true,
                 {"SG_Parts", 3, 1},
                 [](auto& d) { return d.GetPartDelay(3) == 90; }},
        RuleCase{"ZoneDelay",
                 [](auto& d) {
                     d.SetShleifType(2, 16);
                     d.SetShleifDelay(2, 0);
                 },
                 Page::Shleifs,
                 "Недопустимая величина времени задержки сработки по шлейфу.",
                 "Задержка сработки по шлейфу может быть задана в диапазоне 1..180 секунд",
                 true,
                 {"SG_Shleifs", 2, 2},
                 [](auto& d) { return d.GetShleifDelay(2) == 90; }},
        RuleCase{"TwoControlZones",
                 [](auto& d) {
                     for (int u = 1; u <= 250; ++u) d.SetKeyType(u, 2);
                     d.SetShleifType(1, 15);
                     d.SetShleifType(3, 15);
                 },
                 Page::Shleifs,
                 "Для раздела задано больше одного управляющего шлейфа.",
                 "Измените тип шлейфа или номер закрепленного раздела",
                 false,
                 {"SG_Shleifs", 1, 1},
                 nullptr},
        RuleCase{"ControlZoneAndKey",
                 [](auto& d) { d.SetShleifType(4, 15); },
                 Page::Shleifs,
                 "Для управления разделом задан ключ и управляющий шлейф.",
                 "Одновременное управление разделом при помощи шлейфа и ключа недопустимо",
                 false,
                 {"SG_Shleifs", 4, 1},
                 nullptr},
        RuleCase{"RelayTime",
                 [](auto& d) { d.SetReleDelay(2, 1000); },
                 Page::Rele,
                 "Недопустимая величина времени работы реле.",
                 "Время работы может быть задано в диапазоне 1..999 секунд",
                 true,
                 {"SG_Reles", 2, 2},
                 [](auto& d) { return d.GetReleDelay(2) == 90; }},
        RuleCase{"DuplicateCodes",
                 [](auto& d) {
                     d.SetKeyCode(200, "1234");
                     d.SetKeyCode(17, "1234");
                 },
                 Page::Keys,
                 "Для двух или более пользователей заданы одинаковые коды управления",
                 "Следует удалить дублирующиеся коды управления",
                 false,
                 {"SG_Keys", 17, 3},
                 nullptr},
        RuleCase{"ShortPassword",
                 [](auto& d) { d.SetPassword("1234"); },
                 Page::Common,
                 "Пароль администратора должен иметь длину 5 символов",
                 "Введите 5 символов пароля администратора",
                 false,
                 {"E_Common_Password"},
                 nullptr},
        RuleCase{"NoKey",
                 [](auto& d) { d.SetCryptoKey(""); },
                 Page::Common,
                 "Не задан ключ шифрования файла конфигурации",
                 "Для защиты информации в приборе следует задать ключ шифрования",
                 false,
                 {"E_Common_KEY"},
                 nullptr}),
    [](const auto& info) { return info.param.name; });

TEST(Validation, BoundariesThatPass) {
    const std::function<void(T_Command_DEVICE&)> passing[] = {
        [](auto& d) { d.SetExtIndic(1); },
        [](auto& d) { d.SetExtIndic(999); },
        [](auto& d) { d.SetSirena(0); },
        [](auto& d) { d.SetPartDelay(1, 180); },
        [](auto& d) { d.SetPartDelay(1, 0); },
        [](auto& d) { d.SetPassword(""); },
        [](auto& d) { d.SetPassword("12345"); },
        [](auto& d) {
            d.SetShleifType(1, 1);
            d.SetShleifDelay(1, 180);
        },
        [](auto& d) { d.SetShleifDelay(1, 0); }, // not a delay type: never tested
        [](auto& d) {
            d.SetReleType(1, 10);
            d.SetReleDelay(1, 0); // no time for a lock
        },
        [](auto& d) {
            d.SetShleifType(2, 15); // control zone with only patrol users on its partition
            for (int u = 1; u <= 250; ++u) d.SetKeyType(u, 2);
        },
        [](auto& d) {
            d.SetShleifType(2, 15);
            d.SetShleifPart(2, 3);
        },
        [](auto& d) {
            d.SetKeyCode(5, "************");
            d.SetKeyCode(6, "************");
            d.SetKeyCode(7, "000000000000");
            d.SetKeyCode(8, "0");
        },
    };
    for (size_t i = 0; i < std::size(passing); ++i) {
        T_Command_DEVICE d = Clean();
        passing[i](d);
        EXPECT_TRUE(AllFaults(d).empty()) << "case " << i;
    }
}

TEST(Validation, OrderAndTheFirstFailingRuleOfAZone) {
    T_Command_DEVICE d = Clean();
    d.SetCryptoKey("");
    d.SetKeyCode(1, "A");
    d.SetKeyCode(2, "A");
    d.SetKeyCode(3, "B");
    d.SetKeyCode(4, "B");
    d.SetReleDelay(1, 0);
    d.SetShleifType(1, 15); // breaks the control rule (zone 2 too) and the key rule
    d.SetShleifType(2, 15);
    d.SetPartDelay(4, -1);
    d.SetExtIndic(1000);
    const auto faults = AllFaults(d);
    std::vector<std::string> seen;
    for (const auto& f : faults)
        seen.push_back(Cp1251ToUtf8(PageCaption(f.page)) + ":" + std::to_string(f.focus.row));
    EXPECT_EQ(seen, (std::vector<std::string>{"Индикация:0", "Разделы:4", "Шлейфы:1", "Шлейфы:2",
                                              "Реле:1", "Ключи:1", "Общие:0"}));
    EXPECT_EQ(faults[2].message, W("Для раздела задано больше одного управляющего шлейфа."));
    EXPECT_EQ(faults[3].message, W("Для управления разделом задан ключ и управляющий шлейф."));
}

TEST(Validation, PageCaptions) {
    EXPECT_EQ(PageCaption(Page::Shleifs), W("Шлейфы"));
    EXPECT_EQ(PageCaption(Page::Mode), W("Режимы"));
    EXPECT_TRUE(PageChecks(Page::Mode).empty());
}
