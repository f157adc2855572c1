#include "platform/win32/file_dialog.h"

#include <algorithm>
#include <vector>

#include "platform/win32/ansi_text.h"

namespace ringwright::win32 {
namespace {

// The buffer's 254 characters: the offered name, then blanks.
void fillPadded(std::array<char, kFileBufferSize>& buffer, const std::string& offered) {
    buffer.fill(' ');
    offered.copy(buffer.data(), std::min(offered.size(), kFileBufferSize - 1));
    buffer.back() = '\0';
}

// The dialog's texts as the "A" call takes them.
std::string ansiOf(const std::string& utf8) { return ansiFromWideLossy(wideFromUtf8(utf8)); }

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// The names in a folder whose Windows-1252 form, '?' for what it lacks, is
// `ansiName`.
std::vector<std::wstring> namesMatching(const std::wstring& folder, const std::string& ansiName) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (ansiFromWideLossy(found.cFileName) == ansiName) names.emplace_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

}  // namespace

AnsiFileDialog::AnsiFileDialog(const FileDialogRecord& values, HINSTANCE instance)
    : filter(ansiOf(values.filterDescription) + '\0' + ansiOf(values.filterPattern) + '\0' + '\0'),
      title(ansiOf(values.title)) {
    fillPadded(file, ansiOf(values.fileName));
    fillPadded(fileTitle, "");
    record.lStructSize = kFileDialogRecordSize;
    record.hwndOwner = reinterpret_cast<HWND>(values.owner);
    record.hInstance = instance;
    record.lpstrFilter = filter.c_str();
    record.nFilterIndex = 0;
    record.lpstrFile = file.data();
    record.nMaxFile = kFileBufferSize;
    record.lpstrFileTitle = fileTitle.data();
    record.nMaxFileTitle = kFileBufferSize;
    record.lpstrTitle = title.c_str();
    record.Flags = values.flags;
}

std::string AnsiFileDialog::chosenFileName() const {
    std::string text(file.data(), std::find(file.begin(), file.end(), '\0'));
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

ChosenPath resolveChosenPath(const std::string& ansiPath) {
    if (ansiPath.find('?') == std::string::npos) return {wideFromAnsi(ansiPath), {}};
    std::wstring resolved;
    std::size_t start = 0;
    while (start <= ansiPath.size()) {
        std::size_t end = start;
        while (end < ansiPath.size() && !isSeparator(ansiPath[end])) ++end;
        const std::string part = ansiPath.substr(start, end - start);
        if (part.find('?') == std::string::npos) {
            resolved += wideFromAnsi(part);
        } else {
            const auto names = namesMatching(resolved, part);
            if (names.size() != 1) {
                const std::string start = "The path \"" + utf8FromAnsi(ansiPath) +
                                          "\" holds characters that the file dialog hands over only as \"?\", and ";
                if (names.empty()) return {{}, start + "no such file was found. Choose a name without them."};
                return {{}, start + std::to_string(names.size()) +
                                " files match it. Rename the file so that its name tells it apart."};
            }
            resolved += names.front();
        }
        if (end < ansiPath.size()) resolved += static_cast<wchar_t>(ansiPath[end]);
        start = end + 1;
    }
    return {resolved, {}};
}

}  // namespace ringwright::win32
