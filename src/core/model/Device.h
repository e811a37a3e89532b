#pragma once
// A whole device configuration: one command per instance of every catalogue kind,
// and the typed accessors the editor, the checks and the printout use.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/Catalogue.h"
#include "model/Command.h"
#include "model/PartSet.h"

namespace travo {

inline constexpr int kZones = 4, kParts = 4, kReles = 4, kUsers = 250;

class T_Command_DEVICE {
public:
    // Every command with its catalogue defaults only (no special defaults).
    T_Command_DEVICE();

    // The device's default configuration.
    void Reset();

    // Instances of one kind, by position from 0 (instance first + position).
    const std::vector<T_Command>& Commands(int kind) const {
        return commands_[static_cast<size_t>(kind)];
    }
    std::vector<T_Command>& Commands(int kind) { return commands_[static_cast<size_t>(kind)]; }

    bool operator==(const T_Command_DEVICE&) const = default;

    // Texts of single-instance commands.
    const std::string& GetVersion() const { return Single(kind::Version).GetText(1); }
    void SetVersion(std::string s) { Single(kind::Version).SetText(1, std::move(s)); }
    const std::string& GetCryptoKey() const { return Commands(kind::CryptoKey)[0].GetText(1); }
    void SetCryptoKey(std::string s) { Commands(kind::CryptoKey)[0].SetText(1, std::move(s)); }
    const std::string& GetCryptoKeyOld() const { return Commands(kind::CryptoKey)[1].GetText(1); }
    void SetCryptoKeyOld(std::string s) { Commands(kind::CryptoKey)[1].SetText(1, std::move(s)); }
    const std::string& GetPassword() const { return Single(kind::Password).GetText(1); }
    void SetPassword(std::string s) { Single(kind::Password).SetText(1, std::move(s)); }

    // Flags: value 1 non-zero; setters store 1 or 0.
    bool GetLockNoIP() const { return Flag(kind::LockNoIP); }
    void SetLockNoIP(bool on) { SetFlag(kind::LockNoIP, on); }
    bool GetLogEnable() const { return Flag(kind::LogEnable); }
    void SetLogEnable(bool on) { SetFlag(kind::LogEnable, on); }
    bool GetUnlockMode() const { return Flag(kind::UnlockMode); }
    void SetUnlockMode(bool on) { SetFlag(kind::UnlockMode, on); }
    bool GetEnterEnable() const { return Flag(kind::EnterEnable); }
    void SetEnterEnable(bool on) { SetFlag(kind::EnterEnable, on); }
    bool GetActiveKTS() const { return Flag(kind::ActiveKTS); }
    void SetActiveKTS(bool on) { SetFlag(kind::ActiveKTS, on); }
    bool GetActiveTamper() const { return Flag(kind::ActiveTamper); }
    void SetActiveTamper(bool on) { SetFlag(kind::ActiveTamper, on); }

    // Integers of single-instance commands, stored unchanged.
    std::int32_t GetAccel() const { return Int(kind::Accel); }
    void SetAccel(std::int32_t v) { SetInt(kind::Accel, v); }
    std::int32_t GetExtIndic() const { return Int(kind::ExtIndic); }
    void SetExtIndic(std::int32_t v) { SetInt(kind::ExtIndic, v); }
    std::int32_t GetIndicZone() const { return Int(kind::IndicPart); }
    void SetIndicZone(std::int32_t v) { SetInt(kind::IndicPart, v); }
    std::int32_t GetIntZummer() const { return Int(kind::Zummer); }
    void SetIntZummer(std::int32_t v) { SetInt(kind::Zummer, v); }
    std::int32_t GetSirena() const { return Int(kind::SirenTime); }
    void SetSirena(std::int32_t v) { SetInt(kind::SirenTime, v); }
    std::int32_t GetAlarmRepeat() const { return Int(kind::AlarmRepeat); }
    void SetAlarmRepeat(std::int32_t v) { SetInt(kind::AlarmRepeat, v); }
    std::int32_t GetPowerOffMode() const { return Int(kind::PowerOff); }
    // Only 0 and 1 are taken; anything else leaves the value as it was.
    void SetPowerOffMode(std::int32_t v) {
        if (v == 0 || v == 1) SetInt(kind::PowerOff, v);
    }

    // Per-instance integers; index 1..4, 0 outside.
    std::int32_t GetPartDelay(int part) const { return InstanceValue(kind::PartDelay, part, 1); }
    void SetPartDelay(int part, std::int32_t v) { SetInstanceValue(kind::PartDelay, part, 1, v); }
    std::int32_t GetShleifType(int zone) const { return InstanceValue(kind::ZoneMode, zone, 1); }
    void SetShleifType(int zone, std::int32_t v) { SetInstanceValue(kind::ZoneMode, zone, 1, v); }
    std::int32_t GetShleifDelay(int zone) const { return InstanceValue(kind::ZoneMode, zone, 2); }
    void SetShleifDelay(int zone, std::int32_t v) { SetInstanceValue(kind::ZoneMode, zone, 2, v); }
    std::int32_t GetReleType(int rele) const { return InstanceValue(kind::ReleMode, rele, 1); }
    void SetReleType(int rele, std::int32_t v) { SetInstanceValue(kind::ReleMode, rele, 1, v); }
    std::int32_t GetReleDelay(int rele) const { return InstanceValue(kind::ReleMode, rele, 2); }
    void SetReleDelay(int rele, std::int32_t v) { SetInstanceValue(kind::ReleMode, rele, 2, v); }

    // Limits by selector (0 minimum, 1 default, 2 maximum).
    static std::int32_t ExtIndicLimit(int which) { return GetParamLimit(kind::ExtIndic, 1, which); }
    static std::int32_t SirenaLimit(int which) { return GetParamLimit(kind::SirenTime, 1, which); }
    static std::int32_t PartDelayLimit(int which) {
        return GetParamLimit(kind::PartDelay, 1, which);
    }
    static std::int32_t ShleifDelayLimit(int which) {
        return GetParamLimit(kind::ZoneMode, 2, which);
    }
    static std::int32_t ReleDelayLimit(int which) {
        return GetParamLimit(kind::ReleMode, 2, which);
    }

    // "name|description" of a zone's or relay's type; outside 1..4 the text of code 0.
    const std::string& GetShleifTypeName(int zone) const;
    const std::string& GetReleTypeName(int rele) const;

    const std::string& GetShleifName(int zone) const;
    void SetShleifName(int zone, std::string s);

    PartSet GetSirenaParts() const { return ListToParts(Single(kind::SirenParts)); }
    void SetSirenaParts(PartSet s) { PartsToList(Single(kind::SirenParts), s); }
    PartSet GetReleParts(int rele) const;
    void SetReleParts(int rele, PartSet s);
    PartSet GetKeyParts(int user) const;
    void SetKeyParts(int user, PartSet s);

    // The partition 1..4 whose zone list holds the zone first; 0 for none.
    int GetShleifPart(int zone) const;
    // Moves the zone into the partition; any partition outside 1..4 leaves it in none.
    void SetShleifPart(int zone, int part);

    // Users: the mode lives as a mark ("!" mode 1, "*" mode 2) before the name.
    int GetKeyType(int user) const;
    std::string GetKeyName(int user) const;
    void SetKeyName(int user, const std::string& name);
    void SetKeyType(int user, int mode);
    const std::string& GetKeyCode(int user) const;
    // A non-empty code is completed with "0" to at least 12 characters.
    void SetKeyCode(int user, std::string code);

private:
    const T_Command& Single(int k) const { return commands_[static_cast<size_t>(k)][0]; }
    T_Command& Single(int k) { return commands_[static_cast<size_t>(k)][0]; }
    bool Flag(int k) const { return Single(k).GetValue(1) != 0; }
    void SetFlag(int k, bool on) { Single(k).SetValue(1, on ? 1 : 0); }
    std::int32_t Int(int k) const { return Single(k).GetValue(1); }
    void SetInt(int k, std::int32_t v) { Single(k).SetValue(1, v); }

    // The command of an instance number, or null outside the kind's range.
    const T_Command* Instance(int k, int number) const;
    T_Command* Instance(int k, int number);
    std::int32_t InstanceValue(int k, int number, int slot) const;
    void SetInstanceValue(int k, int number, int slot, std::int32_t v);

    static PartSet ListToParts(const T_Command& c);
    static void PartsToList(T_Command& c, PartSet s);

    std::array<std::vector<T_Command>, kCommandKinds> commands_;
};

} // namespace travo
