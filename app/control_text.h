#pragma once
// Control texts are Unicode; the game's files hold Windows-1252 bytes. Every
// text crosses between the two here, one character per byte.
#include <QString>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ringwright {

QString textFromBytes(std::string_view bytes);

// Nothing when the text holds a character that has no Windows-1252 byte.
std::optional<std::string> bytesFromText(const QString& text);

// The first character of `text` that has no Windows-1252 byte, if any.
std::optional<QString> firstUnencodableCharacter(const QString& text);

// A path typed or chosen in a control, as the file system names it.
std::filesystem::path pathFromText(const QString& text);

}  // namespace ringwright
