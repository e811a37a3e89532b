#include "model/Device.h"

#include <utility>

#include "text/Cp1251.h"

namespace travo {

T_Command_DEVICE::T_Command_DEVICE() {
    for (int k = 0; k < kCommandKinds; ++k) {
        const TParamImage& p = ParamImage(k);
        auto& list = commands_[static_cast<size_t>(k)];
        list.reserve(static_cast<size_t>(p.InstanceCount()));
        for (int n = p.first; n <= p.last; ++n) {
            list.emplace_back(static_cast<std::uint8_t>(k), n);
        }
    }
}

void T_Command_DEVICE::Reset() {
    for (int k = 0; k < kCommandKinds; ++k) {
        for (T_Command& c : commands_[static_cast<size_t>(k)]) c.ResetValues();
        switch (k) {
        case kind::Version: SetVersion(W("Config GSM4 soft v.3.0")); break;
        case kind::ReleMode: {
            static constexpr std::int32_t types[] = {4, 2, 0, 0};
            for (int r = 1; r <= kReles; ++r) SetReleType(r, types[r - 1]);
            break;
        }
        case kind::ReleParts:
            SetReleParts(1, PartSet{1});
            SetReleParts(2, PartSet{1});
            SetReleParts(3, PartSet{});
            SetReleParts(4, PartSet{});
            break;
        case kind::PartZones:
            for (int z = 1; z <= kZones; ++z) SetShleifPart(z, 1);
            break;
        case kind::IndicPart: SetIndicZone(1); break;
        case kind::UserParts:
            for (int u = 1; u <= kUsers; ++u) SetKeyParts(u, PartSet{1});
            break;
        default: break;
        }
    }
}

const T_Command* T_Command_DEVICE::Instance(int k, int number) const {
    const TParamImage& p = ParamImage(k);
    if (number < p.first || number > p.last) return nullptr;
    return &commands_[static_cast<size_t>(k)][static_cast<size_t>(number - p.first)];
}

T_Command* T_Command_DEVICE::Instance(int k, int number) {
    return const_cast<T_Command*>(std::as_const(*this).Instance(k, number));
}

std::int32_t T_Command_DEVICE::InstanceValue(int k, int number, int slot) const {
    const T_Command* c = Instance(k, number);
    return c ? c->GetValue(slot) : 0;
}

void T_Command_DEVICE::SetInstanceValue(int k, int number, int slot, std::int32_t v) {
    if (T_Command* c = Instance(k, number)) c->SetValue(slot, v);
}

} // namespace travo
