#include "rules/TypeRules.h"

namespace travo {

bool IsDelayZoneType(std::int32_t code) {
    return code == 1 || code == 16;
}
bool IsNoPartZoneType(std::int32_t code) {
    return code == 7 || code == 14;
}
bool HasReleTime(std::int32_t code) {
    return code != 0 && code != 10;
}

void ApplyShleifType(T_Command_DEVICE& d, int zone, std::int32_t code) {
    d.SetShleifType(zone, code);
    if (IsDelayZoneType(code)) {
        if (d.GetShleifDelay(zone) == 0) {
            d.SetShleifDelay(zone, T_Command_DEVICE::ShleifDelayLimit(LimitDefault));
        }
    } else {
        d.SetShleifDelay(zone, 0);
    }
    if (IsNoPartZoneType(code))
        d.SetShleifPart(zone, 0);
    else if (d.GetShleifPart(zone) == 0)
        d.SetShleifPart(zone, 1);
}

void ApplyReleType(T_Command_DEVICE& d, int rele, std::int32_t code) {
    d.SetReleType(rele, code);
    if (HasReleTime(code)) {
        if (d.GetReleDelay(rele) == 0) {
            d.SetReleDelay(rele, T_Command_DEVICE::ReleDelayLimit(LimitDefault));
        }
    } else {
        d.SetReleDelay(rele, 0);
    }
    PartSet parts;
    if (code != 0) {
        parts = d.GetReleParts(rele);
        if (parts.Empty()) {
            parts = PartSet{1};
        } else if (code == 10) {
            for (int p = 1; p <= kParts; ++p) {
                if (parts.Contains(p)) {
                    parts = PartSet{p};
                    break;
                }
            }
        }
    }
    d.SetReleParts(rele, parts);
}

void ApplyUnloadRules(T_Command_DEVICE& d) {
    for (int z = 1; z <= kZones; ++z) ApplyShleifType(d, z, d.GetShleifType(z));
    for (int r = 1; r <= kReles; ++r) ApplyReleType(d, r, d.GetReleType(r));
}

} // namespace travo
