#include "model/Catalogue.h"

#include "text/Cp1251.h"

namespace travo {
namespace {

constexpr auto N = ValueFormat::None;
constexpr auto I = ValueFormat::Integer;
constexpr auto Wd = ValueFormat::Word;
constexpr auto T = ValueFormat::FreeText;
constexpr auto L = ValueFormat::List;

// Descriptions are kept padded to 45 characters, as the device's own tables hold them.
std::string Describe(const char* utf8) {
    std::string s = W(utf8);
    if (s.size() < 45) s.append(45 - s.size(), ' ');
    return s;
}

std::array<TParamImage, kCommandKinds> Build() {
    return {{
        {"", 0, 0, N, 0, 0, 0, N, 0, 0, 0, W("Varnoth-GSM ver3.0 rev.3")},
        {"Varnoth", 0, 0, T, 0, 0, 2, N, 0, 0, 0, Describe("; Версия устройства")},
        {"fe", 0, 0, N, 0, 0, 0, N, 0, 0, 0, Describe("; Команда разрешения чтения файла")},
        {"ks", 1, 2, T, 0, 0, 2, N, 0, 0, 0, Describe("; ключ шифрования файла")},
        {"!!", 0, 0, Wd, 0, 0, 0, N, 0, 0, 0, Describe("; Команда смены пароля")},
        {"oa", 0, 0, Wd, 0, 0, 0, N, 0, 0, 0, Describe("; Наименование прибора")},
        {"sk", 0, 0, I, 0, 0, 1, N, 0, 0, 0, Describe("; Выбор кодировки SMS")},
        {"ci", 0, 0, I, 0, 1, 1, N, 0, 0, 0,
         Describe("; постановка на охрану если нет GPRS-связи")},
        {"lf", 0, 0, I, 0, 1, 1, N, 0, 0, 0, Describe("; разрешение создания LOG-файла")},
        {"bv", 0, 0, I, 0, 1, 4, N, 0, 0, 0, Describe("; Уровень громкости сигнала зуммера")},
        {"st", 0, 0, I, 0, 90, 999, N, 0, 0, 0, Describe("; Время работы сирены")},
        {"sz", 0, 0, L, 1, 1, 4, N, 0, 0, 0, Describe("; Список разделов привязки")},
        {"al", 0, 0, I, 0, 3, 5, N, 0, 0, 0, Describe("; Чувствительность акселерометра")},
        {"el", 0, 0, I, 1, 90, 999, N, 0, 0, 0, Describe("; Время работы внешнего  индикатора")},
        {"la", 1, 4, Wd, 0, 0, 0, N, 0, 0, 0, Describe("; Имя ШЛ")},
        {"lm", 1, 4, I, 1, 7, 16, I, 0, 90, 180, Describe("; Режим работы ШЛ")},
        {"xo", 1, 4, I, 0, 90, 180, N, 0, 0, 0, Describe("; Задержка на выход")},
        {"rm", 1, 4, I, 1, 0, 10, I, 1, 90, 999, Describe("; Режим работы реле")},
        {"rz", 1, 4, L, 1, 1, 4, N, 0, 0, 0, Describe("; Привязка реле к разделам")},
        {"br", 0, 0, I, 0, 0, 1, N, 0, 0, 0, Describe("; Срабатывания реле по шлейфам КТС")},
        {"ua", 1, 250, Wd, 0, 0, 0, Wd, 0, 0, 0, Describe("; Ключи и пользователи")},
        {"lc", 0, 0, I, 0, 0, 9, N, 0, 0, 0, Describe("; Число повторов тревог по шлейфу")},
        {"es", 0, 0, I, 0, 1, 1, N, 0, 0, 0, Describe("; Режим снятия поднесением ключа")},
        {"em", 0, 0, I, 0, 0, 1, N, 0, 0, 0,
         Describe("; Разрешение формирования сообщения \"Вход\"")},
        {"zn", 1, 4, L, 1, 1, 4, N, 0, 0, 0, Describe("; Распределение шлейфов по разделам")},
        {"ez", 0, 0, I, 1, 1, 4, N, 0, 0, 0, Describe("; Привязка внешнего индикатора к разделу")},
        {"uz", 1, 250, L, 1, 1, 4, N, 0, 0, 0, Describe("; Привязка ключей к разделам")},
        {"tb", 0, 0, I, 0, 1, 1, N, 0, 0, 0, Describe("; Разрешение сработки реле при взломе")},
        {"pr", 0, 0, I, 0, 0, 1, N, 0, 0, 0,
         Describe("; способ определения сигнала перехода на резерв")},
        {"", 0, 0, N, 0, 0, 0, N, 0, 0, 0, Describe(";")},
    }};
}

} // namespace

const std::array<TParamImage, kCommandKinds>& Catalogue() {
    static const std::array<TParamImage, kCommandKinds> catalogue = Build();
    return catalogue;
}

std::int32_t GetParamLimit(int kind, int valueNumber, int which) {
    if (kind < 0 || kind >= kCommandKinds) return 0;
    const TParamImage& p = ParamImage(kind);
    if (valueNumber == 1) {
        switch (which) {
        case LimitMin: return p.min1;
        case LimitDefault: return p.def1;
        case LimitMax: return p.max1;
        default: return 0;
        }
    }
    if (valueNumber == 2) {
        switch (which) {
        case LimitMin: return p.min2;
        case LimitDefault: return p.def2;
        case LimitMax: return p.max2;
        default: return 0;
        }
    }
    return 0;
}

} // namespace travo
