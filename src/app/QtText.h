#pragma once
// Where the Windows-1251 text of the core meets Qt's Unicode.
#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace travo {

QString Q(std::string_view cp1251);
// Texts of this program's own (UTF-8 source); CR line breaks become line feeds.
QString U(std::string_view utf8);
// Nothing when the text holds a character the code page lacks.
std::optional<std::string> ToCp1251(const QString& text);
// Characters the code page lacks are dropped; for text a filter has already cleaned.
std::string ToCp1251Lossy(const QString& text);

} // namespace travo
