#include "QtSettingsStore.h"

#include "text/Cp1251.h"

namespace travo {
namespace {

QString Key(const std::string& name) {
    return QString::fromStdString(name);
}

} // namespace

QtSettingsStore::QtSettingsStore(std::unique_ptr<QSettings> settings)
    : settings_(std::move(settings)) {}

std::unique_ptr<QtSettingsStore> QtSettingsStore::OpenDefault() {
#if defined(Q_OS_WIN)
    auto settings = std::make_unique<QSettings>(
        QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Quorin\\TRAVO418"), QSettings::NativeFormat);
#else
    auto settings =
        std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                    QStringLiteral("Quorin"), QStringLiteral("TRAVO418"));
#endif
    return std::make_unique<QtSettingsStore>(std::move(settings));
}

std::optional<std::int32_t> QtSettingsStore::ReadNumber(const std::string& name) {
    const QVariant v = settings_->value(Key(name));
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        // A 32-bit registry number, whatever sign Qt reads it with.
        return static_cast<std::int32_t>(v.toLongLong());
    case QMetaType::QString: {
        // An INI file holds every value as text; the registry holds numbers as numbers.
        if (settings_->format() != QSettings::IniFormat) return std::nullopt;
        bool ok = false;
        const int n = v.toString().toInt(&ok);
        return ok ? std::optional<std::int32_t>(n) : std::nullopt;
    }
    default: return std::nullopt;
    }
}

std::optional<std::string> QtSettingsStore::ReadText(const std::string& name) {
    const QVariant v = settings_->value(Key(name));
    if (v.typeId() != QMetaType::QString) return std::nullopt;
    // Texts the code page cannot hold were never written by this program.
    return Utf8ToCp1251(v.toString().toStdString());
}

void QtSettingsStore::WriteNumber(const std::string& name, std::int32_t value) {
    settings_->setValue(Key(name), value);
}

void QtSettingsStore::WriteText(const std::string& name, const std::string& value) {
    settings_->setValue(Key(name), QString::fromStdString(Cp1251ToUtf8(value)));
}

bool QtSettingsStore::Commit() {
    if (!settings_->isWritable()) return false;
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

} // namespace travo
