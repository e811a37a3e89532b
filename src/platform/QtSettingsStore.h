#pragma once
// The settings store on QSettings: the registry key on Windows, an INI file in the
// user's configuration folder elsewhere.
#include <QSettings>
#include <memory>

#include "files/Settings.h"

namespace travo {

class QtSettingsStore : public SettingsStore {
public:
    explicit QtSettingsStore(std::unique_ptr<QSettings> settings);

    // HKEY_LOCAL_MACHINE\Software\Quorin\TRAVO418, or Quorin/TRAVO418.ini.
    static std::unique_ptr<QtSettingsStore> OpenDefault();

    std::optional<std::int32_t> ReadNumber(const std::string& name) override;
    std::optional<std::string> ReadText(const std::string& name) override;
    void WriteNumber(const std::string& name, std::int32_t value) override;
    void WriteText(const std::string& name, const std::string& value) override;
    bool Commit() override;

    QSettings& Settings() { return *settings_; }

private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace travo
