#include "control_text.h"

#include "fielddata/codepage.h"

namespace ringwright {

QString textFromBytes(std::string_view bytes) {
    const std::u32string text = fielddata::decodeCp1252(bytes);
    return QString::fromUcs4(text.data(), qsizetype(text.size()));
}

std::optional<std::string> bytesFromText(const QString& text) {
    return fielddata::encodeCp1252(text.toStdU32String());
}

std::optional<QString> firstUnencodableCharacter(const QString& text) {
    const std::u32string characters = text.toStdU32String();
    const auto at = fielddata::firstUnencodable(characters);
    if (!at) return std::nullopt;
    const char32_t character = characters[*at];
    return QString::fromUcs4(&character, 1);
}

std::filesystem::path pathFromText(const QString& text) { return std::filesystem::path(text.toStdU16String()); }

}  // namespace ringwright
