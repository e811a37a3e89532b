#include "files/MaskFileName.h"

namespace travo {

std::string MakeMaskFileName(int kind1, const std::string& prefix, const std::string& delim1,
                             int kind2, const std::string& alias, const std::string& delim2,
                             int kind3, const std::string& ident, const std::string& delim3,
                             int kind4, const std::string& suffix) {
    const std::array<int, 4> kinds = {kind1, kind2, kind3, kind4};
    const std::array<const std::string*, 3> delims = {&delim1, &delim2, &delim3};
    auto value = [&](int kind) -> std::string {
        switch (kind) {
        case MaskKindPrefix: return prefix;
        case MaskKindAlias: return alias;
        case MaskKindIdent: return ident;
        case MaskKindSuffix: return suffix;
        default: return {};
        }
    };
    std::string name, pending;
    for (int j = 0; j < 4; ++j) {
        int kind = kinds[static_cast<size_t>(j)];
        if (kind < MaskKindEmpty || kind > MaskKindSuffix) kind = j + 1;
        const std::string v = value(kind);
        if (v.empty()) continue;
        name += pending + v;
        if (j < 3) pending = *delims[static_cast<size_t>(j)];
    }
    return name + ".ini";
}

std::string MakeMaskFileName(const TParamWork& s, const std::string& alias,
                             const std::string& ident) {
    return MakeMaskFileName(s.MaskIdent[0], s.MaskPref, s.MaskDelim1, s.MaskIdent[1], alias,
                            s.MaskDelim2, s.MaskIdent[2], ident, s.MaskDelim3, s.MaskIdent[3],
                            s.MaskSuff);
}

} // namespace travo
