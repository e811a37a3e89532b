#include <gtest/gtest.h>

#include "model/Catalogue.h"
#include "text/Cp1251.h"

using namespace travo;

TEST(Catalogue, KindsAndInstances) {
    const auto& c = Catalogue();
    EXPECT_TRUE(c[0].mnemonic.empty());
    EXPECT_TRUE(c[29].mnemonic.empty());
    EXPECT_EQ(c[1].mnemonic, "Varnoth");
    EXPECT_EQ(c[4].mnemonic, "!!");
    int total = 0;
    for (const auto& p : c) total += p.InstanceCount();
    EXPECT_EQ(total, 21 + 2 + 6 * 4 + 2 * 250); // single kinds, ks, the fours, ua and uz
    EXPECT_EQ(c[kind::User].InstanceCount(), 250);
    EXPECT_EQ(c[kind::UserParts].InstanceCount(), 250);
    EXPECT_EQ(c[kind::CryptoKey].first, 1);
    EXPECT_EQ(c[kind::CryptoKey].last, 2);
    for (int k : {kind::ZoneName, kind::ZoneMode, kind::PartDelay, kind::ReleMode, kind::ReleParts,
                  kind::PartZones}) {
        EXPECT_EQ(c[static_cast<size_t>(k)].first, 1) << k;
        EXPECT_EQ(c[static_cast<size_t>(k)].last, 4) << k;
    }
}

TEST(Catalogue, DescriptionsArePaddedTo45) {
    EXPECT_EQ(ParamImage(0).description, "Varnoth-GSM ver3.0 rev.3");
    const std::string em = ParamImage(kind::EnterEnable).description;
    EXPECT_EQ(em.substr(0, em.find_last_not_of(' ') + 1),
              W("; Разрешение формирования сообщения \"Вход\""));
    EXPECT_EQ(ParamImage(kind::SirenTime).description.size(), 45u);
    // One longer than 45 stays whole.
    EXPECT_EQ(ParamImage(kind::PowerOff).description,
              W("; способ определения сигнала перехода на резерв"));
}

struct LimitCase {
    int kind, value, which, expected;
};

class ParamLimit : public testing::TestWithParam<LimitCase> {};

TEST_P(ParamLimit, Answers) {
    const auto& c = GetParam();
    EXPECT_EQ(GetParamLimit(c.kind, c.value, c.which), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ParamLimit,
                         testing::Values(LimitCase{15, 2, 2, 180}, LimitCase{15, 2, 0, 0},
                                         LimitCase{15, 1, 2, 16}, LimitCase{10, 1, 1, 90},
                                         LimitCase{10, 1, 2, 999}, LimitCase{10, 3, 1, 0},
                                         LimitCase{10, 0, 1, 0}, LimitCase{10, 1, 3, 0},
                                         LimitCase{10, 1, -1, 0}, LimitCase{17, 1, 0, 1},
                                         LimitCase{17, 1, 1, 0}, LimitCase{17, 2, 0, 1},
                                         LimitCase{13, 1, 0, 1}, LimitCase{16, 1, 2, 180},
                                         LimitCase{30, 1, 1, 0}, LimitCase{-1, 1, 1, 0}));
