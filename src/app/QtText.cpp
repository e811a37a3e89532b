#include "QtText.h"

#include <QList>

#include "text/Cp1251.h"

namespace travo {

QString Q(std::string_view cp1251) {
    return QString::fromStdString(Cp1251ToUtf8(cp1251));
}

QString U(std::string_view utf8) {
    QString s = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    s.replace(QChar('\r'), QChar('\n'));
    return s;
}

std::optional<std::string> ToCp1251(const QString& text) {
    return Utf8ToCp1251(text.toStdString());
}

std::string ToCp1251Lossy(const QString& text) {
    std::string out;
    for (const char32_t cp : text.toUcs4()) {
        if (const auto b = UnicodeToCp1251(cp)) out += static_cast<char>(*b);
    }
    return out;
}

} // namespace travo
