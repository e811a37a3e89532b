#pragma once
// The program's working settings and their load and save rules over a store.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace travo {

// Kinds of the four file-name mask elements.
enum MaskKind : std::uint8_t {
    MaskKindEmpty = 0,
    MaskKindPrefix = 1,
    MaskKindAlias = 2,
    MaskKindIdent = 3,
    MaskKindSuffix = 4
};

struct TParamWork {
    bool HideHint = false;
    std::int32_t PortTM = 0;
    std::string ProgramPath; // the program's folder with its trailing separator; never stored
    bool ListModeOpenSave = false;
    std::string ListPathSave;
    bool MaskMode = true;
    std::string MaskPref = "GSM4";
    std::string MaskDelim1 = "_", MaskDelim2 = "_", MaskDelim3 = "_";
    std::string MaskSuff;
    std::array<std::uint8_t, 4> MaskIdent = {MaskKindPrefix, MaskKindAlias, MaskKindIdent,
                                             MaskKindSuffix};
};

// A key of named 32-bit numbers and texts (texts in Windows-1251).
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Nothing when the value is absent or stored as another type.
    virtual std::optional<std::int32_t> ReadNumber(const std::string& name) = 0;
    virtual std::optional<std::string> ReadText(const std::string& name) = 0;
    virtual void WriteNumber(const std::string& name, std::int32_t value) = 0;
    virtual void WriteText(const std::string& name, const std::string& value) = 0;
    // Makes the writes durable; false when the store cannot be written.
    virtual bool Commit() = 0;
};

// Fills every field but ProgramPath from the store; absent values take their defaults
// (the save folder's default is ProgramPath).
void LoadSettings(SettingsStore& store, TParamWork& settings);

// Writes every value; false when the store could not be written.
bool SaveSettings(SettingsStore& store, const TParamWork& settings);

} // namespace travo
