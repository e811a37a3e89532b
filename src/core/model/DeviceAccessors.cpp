// The accessors that translate between the stored form and the editor's form.
#include "model/Device.h"
#include "model/Rele.h"
#include "model/Shleif.h"

namespace travo {
namespace {

constexpr size_t kNameLimit = 10;
constexpr size_t kCodeLength = 12;

std::string Mark(int mode) {
    if (mode == 1) return "!";
    if (mode == 2) return "*";
    return {};
}

std::string Cut(std::string s) {
    if (s.size() > kNameLimit) s.resize(kNameLimit);
    return s;
}

} // namespace

const std::string& T_Command_DEVICE::GetShleifTypeName(int zone) const {
    const T_Command* c = Instance(kind::ZoneMode, zone);
    return ShleifTypeName(c ? c->GetValue(1) : 0);
}

const std::string& T_Command_DEVICE::GetReleTypeName(int rele) const {
    const T_Command* c = Instance(kind::ReleMode, rele);
    return ReleTypeName(c ? c->GetValue(1) : 0);
}

const std::string& T_Command_DEVICE::GetShleifName(int zone) const {
    static const std::string empty;
    const T_Command* c = Instance(kind::ZoneName, zone);
    return c ? c->GetText(1) : empty;
}

void T_Command_DEVICE::SetShleifName(int zone, std::string s) {
    if (T_Command* c = Instance(kind::ZoneName, zone)) c->SetText(1, std::move(s));
}

PartSet T_Command_DEVICE::ListToParts(const T_Command& c) {
    PartSet set;
    for (int slot = 1; slot <= 5; ++slot) {
        const std::int32_t v = c.GetItem(slot);
        if (v >= 1 && v <= 7) set.Insert(v);
    }
    return set;
}

void T_Command_DEVICE::PartsToList(T_Command& c, PartSet s) {
    for (int slot = 1; slot <= 5; ++slot) c.SetItem(slot, 0);
    int slot = 1;
    for (int p = 1; p <= 4; ++p) {
        if (s.Contains(p)) c.SetItem(slot++, p);
    }
}

PartSet T_Command_DEVICE::GetReleParts(int rele) const {
    const T_Command* c = Instance(kind::ReleParts, rele);
    return c ? ListToParts(*c) : PartSet{};
}

void T_Command_DEVICE::SetReleParts(int rele, PartSet s) {
    if (T_Command* c = Instance(kind::ReleParts, rele)) PartsToList(*c, s);
}

PartSet T_Command_DEVICE::GetKeyParts(int user) const {
    const T_Command* c = Instance(kind::UserParts, user);
    return c ? ListToParts(*c) : PartSet{};
}

void T_Command_DEVICE::SetKeyParts(int user, PartSet s) {
    if (T_Command* c = Instance(kind::UserParts, user)) PartsToList(*c, s);
}

int T_Command_DEVICE::GetShleifPart(int zone) const {
    if (zone < 1 || zone > kZones) return 0;
    for (int p = 1; p <= kParts; ++p) {
        const T_Command& list = *Instance(kind::PartZones, p);
        for (int slot = 1; slot <= 5; ++slot) {
            if (list.GetItem(slot) == zone) return p;
        }
    }
    return 0;
}

void T_Command_DEVICE::SetShleifPart(int zone, int part) {
    if (zone < 1 || zone > kZones) return;
    for (int p = 1; p <= kParts; ++p) {
        T_Command& list = *Instance(kind::PartZones, p);
        for (int slot = 1; slot <= 5; ++slot) {
            if (list.GetItem(slot) == zone) list.SetItem(slot, 0);
        }
    }
    T_Command* target = Instance(kind::PartZones, part);
    if (!target) return;
    for (int slot = 1; slot <= 5; ++slot) {
        if (target->GetItem(slot) == 0) {
            target->SetItem(slot, zone);
            return;
        }
    }
}

int T_Command_DEVICE::GetKeyType(int user) const {
    const T_Command* c = Instance(kind::User, user);
    if (!c || c->GetText(1).empty()) return 0;
    const char first = c->GetText(1)[0];
    if (first == '!') return 1;
    if (first == '*') return 2;
    return 0;
}

std::string T_Command_DEVICE::GetKeyName(int user) const {
    const T_Command* c = Instance(kind::User, user);
    if (!c) return {};
    const std::string& text = c->GetText(1);
    if (GetKeyType(user) == 0) return text;
    return Cut(text).substr(1);
}

void T_Command_DEVICE::SetKeyName(int user, const std::string& name) {
    T_Command* c = Instance(kind::User, user);
    if (!c) return;
    std::string text = Mark(GetKeyType(user));
    text += name;
    c->SetText(1, Cut(std::move(text)));
}

void T_Command_DEVICE::SetKeyType(int user, int mode) {
    T_Command* c = Instance(kind::User, user);
    if (!c) return;
    std::string text = Mark(mode);
    text += GetKeyName(user);
    c->SetText(1, Cut(std::move(text)));
}

const std::string& T_Command_DEVICE::GetKeyCode(int user) const {
    static const std::string empty;
    const T_Command* c = Instance(kind::User, user);
    return c ? c->GetText(2) : empty;
}

void T_Command_DEVICE::SetKeyCode(int user, std::string code) {
    T_Command* c = Instance(kind::User, user);
    if (!c) return;
    if (!code.empty() && code.size() < kCodeLength) code.append(kCodeLength - code.size(), '0');
    c->SetText(2, std::move(code));
}

} // namespace travo
