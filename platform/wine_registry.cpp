#include "platform/wine_registry.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

#include "fielddata/message_text.h"
#include "fielddata/codepage.h"

namespace ringwright {
namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

// Letter case as Wine folds it for file names, for the letters of the
// Windows-1252 and Central European names games are found under: ASCII,
// Latin-1 (À to Þ) and Latin Extended-A (pairs of capital and small).
char32_t folded(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    if (c >= 0x100 && c <= 0x17F) {
        const bool pairsFromEven = (c < 0x138) || (c > 0x149 && c < 0x178);
        if (pairsFromEven ? c % 2 == 0 : c % 2 == 1) return c + 1;
        if (c == 0x178) return 0xFF;
    }
    return c;
}

bool sameNameIgnoringCase(const std::string& a, const std::string& b) {
    const std::u32string x = fielddata::decodeUtf8(a), y = fielddata::decodeUtf8(b);
    if (x.size() != y.size()) return false;
    for (std::size_t i = 0; i < x.size(); ++i)
        if (folded(x[i]) != folded(y[i])) return false;
    return true;
}

// The entry of `folder` that Wine would open for `name`: the one spelt so,
// else the one that differs only in letter case; as written when none does.
std::filesystem::path entryFor(const std::filesystem::path& folder, const std::string& name) {
    std::error_code error;
    const auto exact = folder / fielddata::pathFromUtf8(name);
    if (std::filesystem::exists(exact, error)) return exact;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (sameNameIgnoringCase(fielddata::displayPath(entry.path().filename()), name)) return entry.path();
    return exact;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (lower(c) >= 'a' && lower(c) <= 'f') return lower(c) - 'a' + 10;
    return -1;
}

// A quoted text as Wine writes it, from just after its opening quote: \\ and
// \" stand for themselves, \n \r \t \0 for controls, \x and up to four hex
// digits for any other character. Nothing when it is not closed.
std::optional<std::u32string> unquoted(const std::string& line, std::size_t& at) {
    std::u32string text;
    while (at < line.size()) {
        const char c = line[at++];
        if (c == '"') return text;
        if (c != '\\') {
            text.push_back(static_cast<unsigned char>(c));
            continue;
        }
        if (at >= line.size()) return std::nullopt;
        const char escaped = line[at++];
        switch (escaped) {
        case 'n': text.push_back(U'\n'); break;
        case 'r': text.push_back(U'\r'); break;
        case 't': text.push_back(U'\t'); break;
        case '0': text.push_back(U'\0'); break;
        case 'x': {
            char32_t code = 0;
            int digits = 0;
            for (; digits < 4 && at < line.size() && hexDigit(line[at]) >= 0; ++digits)
                code = code * 16 + char32_t(hexDigit(line[at++]));
            if (digits == 0) return std::nullopt;
            text.push_back(code);
            break;
        }
        default: text.push_back(static_cast<unsigned char>(escaped));
        }
    }
    return std::nullopt;
}

// "[Software\\\\VB and VBA\\\\Key] 1234": the key's name with its doubled
// backslashes made single.
std::optional<std::string> sectionName(const std::string& line) {
    const auto end = line.rfind(']');
    if (line.empty() || line[0] != '[' || end == std::string::npos) return std::nullopt;
    std::string name;
    for (std::size_t i = 1; i < end; ++i) {
        name += line[i];
        if (line[i] == '\\' && i + 1 < end && line[i + 1] == '\\') ++i;
    }
    return name;
}

}  // namespace

std::filesystem::path winePrefix() {
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix) return prefix;
    const char* home = std::getenv("HOME");
    return home ? std::filesystem::path(home) / ".wine" : std::filesystem::path();
}

std::optional<std::string> readWineSetting(const std::filesystem::path& prefix, const std::string& key,
                                           const std::string& name) {
    std::ifstream file(prefix / "user.reg", std::ios::binary);
    if (!file) return std::nullopt;
    bool inKey = false;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line[0] == '[') {
            const auto section = sectionName(line);
            if (!section) return std::nullopt;
            inKey = sameIgnoringCase(*section, key);
            continue;
        }
        if (!inKey || line.empty() || line[0] != '"') continue;
        std::size_t at = 1;
        const auto valueName = unquoted(line, at);
        if (!valueName) return std::nullopt;
        if (!sameIgnoringCase(fielddata::utf8FromCodePoints(*valueName), name)) continue;
        // Only a plain text value is a path: "name"="text".
        if (line.compare(at, 2, "=\"") != 0) return std::nullopt;
        at += 2;
        const auto value = unquoted(line, at);
        if (!value) return std::nullopt;
        return fielddata::utf8FromCodePoints(*value);
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> linuxPathOf(const std::filesystem::path& prefix, const std::string& windowsPath) {
    if (windowsPath.size() < 2 || windowsPath[1] != ':') return std::nullopt;
    const auto drive = prefix / "dosdevices" / (std::string(1, lower(windowsPath[0])) + ":");
    std::error_code error;
    auto root = std::filesystem::read_symlink(drive, error);
    if (error) return std::nullopt;
    if (root.is_relative()) root = drive.parent_path() / root;
    // Shown as the player finds it: without "dosdevices/..".
    std::filesystem::path path = std::filesystem::weakly_canonical(root, error);
    if (error) path = root.lexically_normal();
    std::stringstream rest(windowsPath.substr(2));
    for (std::string part; std::getline(rest, part, '\\');)
        if (!part.empty()) path = entryFor(path, part);
    return path;
}

std::optional<std::filesystem::path> winePathSetting(const std::filesystem::path& prefix, const std::string& key,
                                                     const std::string& name) {
    const auto stored = readWineSetting(prefix, key, name);
    if (!stored) return std::nullopt;
    return linuxPathOf(prefix, *stored);
}

}  // namespace ringwright
