#pragma once
// The catalogue of the device's configuration commands: the single source of the
// kinds, their mnemonics, instance ranges, value shapes and limits.
#include <array>
#include <cstdint>
#include <string>

namespace travo {

enum class ValueFormat : std::uint8_t { None = 0, Integer = 1, Word = 2, FreeText = 3, List = 4 };

struct TParamImage {
    std::string mnemonic; // Windows-1251; empty for the header and trailer records
    std::uint8_t first;
    std::uint8_t last;
    ValueFormat format1;
    std::int32_t min1, def1, max1;
    ValueFormat format2;
    std::int32_t min2, def2, max2;
    std::string description; // documentation only, never written or read

    int InstanceCount() const { return last - first + 1; }
    bool SingleInstance() const { return first == last; }
};

inline constexpr int kCommandKinds = 30;

// Command kinds by name, so that code reads as the device's vocabulary.
namespace kind {
inline constexpr std::uint8_t Header = 0, Version = 1, FileEnable = 2, CryptoKey = 3, Password = 4,
                              DeviceName = 5, SmsCoding = 6, LockNoIP = 7, LogEnable = 8,
                              Zummer = 9, SirenTime = 10, SirenParts = 11, Accel = 12,
                              ExtIndic = 13, ZoneName = 14, ZoneMode = 15, PartDelay = 16,
                              ReleMode = 17, ReleParts = 18, ActiveKTS = 19, User = 20,
                              AlarmRepeat = 21, UnlockMode = 22, EnterEnable = 23, PartZones = 24,
                              IndicPart = 25, UserParts = 26, ActiveTamper = 27, PowerOff = 28,
                              Trailer = 29;
}

// The 30 records, indexed by kind.
const std::array<TParamImage, kCommandKinds>& Catalogue();

inline const TParamImage& ParamImage(int kind) {
    return Catalogue()[static_cast<size_t>(kind)];
}

enum Limit : int { LimitMin = 0, LimitDefault = 1, LimitMax = 2 };

// A limit of value 1 or 2 of a kind; 0 for any other kind, value number or selector.
std::int32_t GetParamLimit(int kind, int valueNumber, int which);

} // namespace travo
