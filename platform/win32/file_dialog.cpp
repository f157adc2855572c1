#include "platform/win32/file_dialog.h"

#include <algorithm>

#include "platform/win32/wide_text.h"

namespace ringwright::win32 {
namespace {

// The buffer's 254 characters: the offered name, then blanks.
void fillPadded(std::array<wchar_t, kFileBufferSize>& buffer, const std::wstring& offered) {
    buffer.fill(L' ');
    offered.copy(buffer.data(), std::min(offered.size(), kFileBufferSize - 1));
    buffer.back() = L'\0';
}

}  // namespace

FileDialog::FileDialog(const FileDialogRecord& values, HINSTANCE instance)
    : filter(wideFromUtf8(values.filterDescription) + L'\0' + wideFromUtf8(values.filterPattern) + L'\0'),
      title(wideFromUtf8(values.title)) {
    for (const auto& [description, pattern] : values.moreFilters)
        filter += wideFromUtf8(description) + L'\0' + wideFromUtf8(pattern) + L'\0';
    filter += L'\0';
    fillPadded(file, wideFromUtf8(values.fileName));
    fillPadded(fileTitle, L"");
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

std::string FileDialog::chosenFileName() const {
    const std::wstring text(file.data(), std::find(file.begin(), file.end(), L'\0'));
    const auto first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) return {};
    return utf8FromWide(text.substr(first, text.find_last_not_of(L' ') - first + 1));
}

}  // namespace ringwright::win32
