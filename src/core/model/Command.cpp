#include "model/Command.h"

#include "model/Catalogue.h"

namespace travo {

T_Command::T_Command(std::uint8_t kind, std::int32_t number) : kind_(kind) {
    values_[0] = number;
    ResetValues();
}

void T_Command::ResetValues() {
    const TParamImage& p = ParamImage(kind_);
    values_[1] = p.def1;
    values_[2] = p.def2;
    texts_[0].clear();
    texts_[1].clear();
    items_.fill(0);
}

const std::string& T_Command::GetText(int i) const {
    static const std::string empty;
    return (i == 1 || i == 2) ? texts_[i - 1] : empty;
}

} // namespace travo
