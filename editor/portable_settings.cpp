#include "editor/portable_settings.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

#include "fielddata/message_text.h"

namespace ringwright {
namespace {

std::string trimmed(std::string text) {
    const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    text.erase(text.begin(), std::find_if_not(text.begin(), text.end(), blank));
    text.erase(std::find_if_not(text.rbegin(), text.rend(), blank).base(), text.end());
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
    return text;
}

bool sameWord(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

}  // namespace

std::optional<std::string> iniValue(const std::filesystem::path& path, const std::string& wanted, const std::string& key) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);  // as Notepad saves UTF-8

    std::string section;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string line = trimmed(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[' && line.back() == ']') {
            section = trimmed(line.substr(1, line.size() - 2));
            continue;
        }
        const auto equals = line.find('=');
        if (equals != std::string::npos && sameWord(section, wanted) && sameWord(trimmed(line.substr(0, equals)), key))
            return trimmed(line.substr(equals + 1));
    }
    return std::nullopt;
}

std::optional<std::string> portableArchivePath(const std::filesystem::path& programFolder) {
    const auto value = iniValue(programFolder / kPortableSettingsName, "Ringwright", "GOB");
    if (!value || value->empty()) return std::nullopt;
    return fielddata::displayPath((programFolder / fielddata::pathFromUtf8(*value)).lexically_normal());
}

}  // namespace ringwright
