#include "model/Keys.h"

#include "text/Cp1251.h"

namespace travo {

const CodeTable& KeyModes() {
    static const CodeTable table = {
        {0, W("Постановка/Снятие|Пользователь имеет права на постановку и снятие с охраны"),
         W("Управление")},
        {1,
         W("Принуждение|При наборе кода/поднесении ключа формируется сообщение о "
           "взятии/снятии под принуждением"),
         W("Принуждение")},
        {2, W("Патруль|При наборе кода/поднесении ключа формируется сообщение \"ПАТРУЛЬ\""),
         W("Патруль")},
    };
    return table;
}

const std::string& KeyModeName(std::int32_t code) {
    return TableNameOf(KeyModes(), code);
}

const std::string& KeyModeLabel(std::int32_t code) {
    static const std::string empty;
    for (const auto& entry : KeyModes()) {
        if (entry.code == code) return entry.third;
    }
    return empty;
}

std::int32_t KeyModeCode(int position) {
    return TableCodeAt(KeyModes(), position, 255);
}

} // namespace travo
