#include "files/Settings.h"

namespace travo {
namespace {

const char* const kIdentNames[4] = {"MaskIdent1", "MaskIdent2", "MaskIdent3", "MaskIdent4"};

} // namespace

void LoadSettings(SettingsStore& store, TParamWork& s) {
    const TParamWork defaults;
    auto flag = [&](const char* name, bool def) {
        const auto v = store.ReadNumber(name);
        return v ? *v != 0 : def;
    };
    auto text = [&](const char* name, const std::string& def) {
        return store.ReadText(name).value_or(def);
    };
    s.HideHint = flag("HideHint", defaults.HideHint);
    s.PortTM = store.ReadNumber("PortTM").value_or(defaults.PortTM);
    s.ListPathSave = text("ListPathSave", s.ProgramPath);
    s.ListModeOpenSave = flag("ListModeOpenSave", defaults.ListModeOpenSave);
    s.MaskMode = flag("MaskMode", defaults.MaskMode);
    s.MaskPref = text("MaskPref", defaults.MaskPref);
    s.MaskDelim1 = text("MaskDelim1", defaults.MaskDelim1);
    s.MaskDelim2 = text("MaskDelim2", defaults.MaskDelim2);
    s.MaskDelim3 = text("MaskDelim3", defaults.MaskDelim3);
    s.MaskSuff = text("MaskSuff", defaults.MaskSuff);
    for (int j = 0; j < 4; ++j) {
        // Every kind 0..4 but the element's own default is kept; anything else is its default.
        const auto v = store.ReadNumber(kIdentNames[j]);
        const auto def = defaults.MaskIdent[static_cast<size_t>(j)];
        s.MaskIdent[static_cast<size_t>(j)] = (v && *v >= MaskKindEmpty && *v <= MaskKindSuffix)
                                                  ? static_cast<std::uint8_t>(*v)
                                                  : def;
    }
}

bool SaveSettings(SettingsStore& store, const TParamWork& s) {
    store.WriteNumber("HideHint", s.HideHint ? 1 : 0);
    store.WriteNumber("PortTM", s.PortTM);
    store.WriteText("ListPathSave", s.ListPathSave);
    store.WriteNumber("ListModeOpenSave", s.ListModeOpenSave ? 1 : 0);
    store.WriteNumber("MaskMode", s.MaskMode ? 1 : 0);
    store.WriteText("MaskPref", s.MaskPref);
    store.WriteText("MaskDelim1", s.MaskDelim1);
    store.WriteText("MaskDelim2", s.MaskDelim2);
    store.WriteText("MaskDelim3", s.MaskDelim3);
    store.WriteText("MaskSuff", s.MaskSuff);
    for (int j = 0; j < 4; ++j)
        store.WriteNumber(kIdentNames[j], s.MaskIdent[static_cast<size_t>(j)]);
    return store.Commit();
}

} // namespace travo
