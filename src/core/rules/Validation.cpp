#include "rules/Validation.h"

#include "rules/KeyCodes.h"
#include "rules/TypeRules.h"
#include "text/Cp1251.h"

namespace travo {
namespace {

using D = T_Command_DEVICE;

std::string Range(std::int32_t min, std::int32_t max) {
    return std::to_string(min) + ".." + std::to_string(max);
}

bool Outside(std::int32_t v, std::int32_t min, std::int32_t max) {
    return v < min || v > max;
}

std::vector<CheckStep> IndicChecks() {
    return {
        [](const D& d) -> std::optional<Fault> {
            const auto min = D::ExtIndicLimit(LimitMin), max = D::ExtIndicLimit(LimitMax);
            if (!Outside(d.GetExtIndic(), min, max)) return std::nullopt;
            return Fault{Page::Indic,
                         W("Недопустимая величина времени работы выносного индикатора"),
                         W("Время работы выносного индикатора должно находится в диапазоне ") +
                             Range(min, max) + W("сек."),
                         true,
                         {"E_Indic_ExtIndic"},
                         [](D& x) { x.SetExtIndic(D::ExtIndicLimit(LimitDefault)); }};
        },
        [](const D& d) -> std::optional<Fault> {
            const auto min = D::SirenaLimit(LimitMin), max = D::SirenaLimit(LimitMax);
            if (!Outside(d.GetSirena(), min, max)) return std::nullopt;
            return Fault{Page::Indic,
                         W("Недопустимая величина времени работы сирены"),
                         W("Время работы сирены должно находится в диапазоне ") + Range(min, max) +
                             W("сек."),
                         true,
                         {"E_Indic_Sirena"},
                         [](D& x) { x.SetSirena(D::SirenaLimit(LimitDefault)); }};
        },
    };
}

std::vector<CheckStep> PartsChecks() {
    std::vector<CheckStep> steps;
    for (int n = 1; n <= kParts; ++n) {
        steps.push_back([n](const D& d) -> std::optional<Fault> {
            const auto min = D::PartDelayLimit(LimitMin), max = D::PartDelayLimit(LimitMax);
            if (!Outside(d.GetPartDelay(n), min, max)) return std::nullopt;
            return Fault{Page::Parts,
                         W("Недопустимая величина времени выхода для раздела."),
                         W("Задержка времени выхода может быть задана в диапазоне ") +
                             Range(min, max) + W(" секунд"),
                         true,
                         {"SG_Parts", n, 1},
                         [n](D& x) { x.SetPartDelay(n, D::PartDelayLimit(LimitDefault)); }};
        });
    }
    return steps;
}

std::optional<Fault> ShleifDelayFault(const D& d, int z) {
    const auto min = D::ShleifDelayLimit(LimitMin) + 1, max = D::ShleifDelayLimit(LimitMax);
    if (!IsDelayZoneType(d.GetShleifType(z)) || !Outside(d.GetShleifDelay(z), min, max)) {
        return std::nullopt;
    }
    return Fault{Page::Shleifs,
                 W("Недопустимая величина времени задержки сработки по шлейфу."),
                 W("Задержка сработки по шлейфу может быть задана в диапазоне ") + Range(min, max) +
                     W(" секунд"),
                 true,
                 {"SG_Shleifs", z, 2},
                 [z](D& x) { x.SetShleifDelay(z, D::ShleifDelayLimit(LimitDefault)); }};
}

constexpr std::int32_t kControlZone = 15;
constexpr int kPatrolMode = 2;

std::optional<Fault> ShleifRuleFault(const D& d, int z) {
    if (d.GetShleifType(z) != kControlZone) return std::nullopt;
    for (int other = z + 1; other <= kZones; ++other) {
        if (d.GetShleifType(other) == kControlZone &&
            d.GetShleifPart(other) == d.GetShleifPart(z)) {
            return Fault{Page::Shleifs,
                         W("Для раздела задано больше одного управляющего шлейфа."),
                         W("Измените тип шлейфа или номер закрепленного раздела"),
                         false,
                         {"SG_Shleifs", z, 1},
                         {}};
        }
    }
    return std::nullopt;
}

std::optional<Fault> ShleifKeyFault(const D& d, int z) {
    if (d.GetShleifType(z) != kControlZone) return std::nullopt;
    const int part = d.GetShleifPart(z);
    for (int u = 1; u <= kUsers; ++u) {
        if (d.GetKeyParts(u).Contains(part) && d.GetKeyType(u) != kPatrolMode) {
            return Fault{Page::Shleifs,
                         W("Для управления разделом задан ключ и управляющий шлейф."),
                         W("Одновременное управление разделом при помощи шлейфа и ключа "
                           "недопустимо"),
                         false,
                         {"SG_Shleifs", z, 1},
                         {}};
        }
    }
    return std::nullopt;
}

std::vector<CheckStep> ShleifChecks() {
    std::vector<CheckStep> steps;
    for (int z = 1; z <= kZones; ++z) {
        steps.push_back([z](const D& d) -> std::optional<Fault> {
            if (auto f = ShleifDelayFault(d, z)) return f;
            if (auto f = ShleifRuleFault(d, z)) return f;
            return ShleifKeyFault(d, z);
        });
    }
    return steps;
}

std::vector<CheckStep> ReleChecks() {
    std::vector<CheckStep> steps;
    for (int r = 1; r <= kReles; ++r) {
        steps.push_back([r](const D& d) -> std::optional<Fault> {
            const auto min = D::ReleDelayLimit(LimitMin), max = D::ReleDelayLimit(LimitMax);
            if (!HasReleTime(d.GetReleType(r)) || !Outside(d.GetReleDelay(r), min, max)) {
                return std::nullopt;
            }
            return Fault{Page::Rele,
                         W("Недопустимая величина времени работы реле."),
                         W("Время работы может быть задано в диапазоне ") + Range(min, max) +
                             W(" секунд"),
                         true,
                         {"SG_Reles", r, 2},
                         [r](D& x) { x.SetReleDelay(r, D::ReleDelayLimit(LimitDefault)); }};
        });
    }
    return steps;
}

std::vector<CheckStep> KeysChecks() {
    return {[](const D& d) -> std::optional<Fault> {
        for (int u = 1; u <= kUsers; ++u) {
            if (Check_Code_Double(d, u, {}) == 0) continue;
            return Fault{Page::Keys,
                         W("Для двух или более пользователей заданы одинаковые коды управления"),
                         W("Следует удалить дублирующиеся коды управления"),
                         false,
                         {"SG_Keys", u, 3},
                         {}};
        }
        return std::nullopt;
    }};
}

std::vector<CheckStep> CommonChecks() {
    return {
        [](const D& d) -> std::optional<Fault> {
            const auto length = d.GetPassword().size();
            if (length == 0 || length >= 5) return std::nullopt;
            return Fault{Page::Common,
                         W("Пароль администратора должен иметь длину 5 символов"),
                         W("Введите 5 символов пароля администратора"),
                         false,
                         {"E_Common_Password"},
                         {}};
        },
        [](const D& d) -> std::optional<Fault> {
            if (!d.GetCryptoKey().empty()) return std::nullopt;
            return Fault{Page::Common,
                         W("Не задан ключ шифрования файла конфигурации"),
                         W("Для защиты информации в приборе следует задать ключ шифрования"),
                         false,
                         {"E_Common_KEY"},
                         {}};
        },
    };
}

} // namespace

const std::string& PageCaption(Page page) {
    static const std::array<std::string, 7> captions = {
        W("Общие"), W("Режимы"), W("Индикация"), W("Разделы"), W("Шлейфы"), W("Реле"), W("Ключи")};
    return captions[static_cast<size_t>(page)];
}

const std::array<Page, 7>& ValidationOrder() {
    static constexpr std::array<Page, 7> order = {
        Page::Mode, Page::Indic, Page::Parts, Page::Shleifs, Page::Rele, Page::Keys, Page::Common};
    return order;
}

std::vector<CheckStep> PageChecks(Page page) {
    switch (page) {
    case Page::Indic: return IndicChecks();
    case Page::Parts: return PartsChecks();
    case Page::Shleifs: return ShleifChecks();
    case Page::Rele: return ReleChecks();
    case Page::Keys: return KeysChecks();
    case Page::Common: return CommonChecks();
    case Page::Mode: return {};
    }
    return {};
}

std::vector<Fault> AllFaults(const T_Command_DEVICE& device) {
    std::vector<Fault> faults;
    for (Page page : ValidationOrder()) {
        for (const CheckStep& step : PageChecks(page)) {
            if (auto fault = step(device)) faults.push_back(std::move(*fault));
        }
    }
    return faults;
}

} // namespace travo
