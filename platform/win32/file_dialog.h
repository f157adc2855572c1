#pragma once
// The system's file dialog record, filled from the editor's dialog values,
// and the chosen path read back out of it. The wide record takes and gives
// any character a path may hold, on any code page.
#include <windows.h>

#include <array>
#include <cstddef>
#include <string>

#include "editor/platform.h"

namespace ringwright::win32 {

// The record as the version 4 dialogs define it, without the fields added
// later: 76 bytes in a 32-bit build and 136 in a 64-bit one. The 32-bit size
// alone would be refused by a 64-bit dialog, which then never opens.
constexpr DWORD kFileDialogRecordSize = offsetof(OPENFILENAMEW, lpTemplateName) + sizeof(LPCWSTR);
static_assert(sizeof(void*) != 4 || kFileDialogRecordSize == 76);

constexpr std::size_t kFileBufferSize = 255;  // 254 characters and their NUL

// The record points into the buffers beside it, so it stays where it was made.
struct FileDialog {
    FileDialog(const FileDialogRecord& values, HINSTANCE instance);
    FileDialog(const FileDialog&) = delete;
    FileDialog& operator=(const FileDialog&) = delete;

    // The file-name buffer's text before its first NUL, without the blanks
    // around it, as UTF-8.
    std::string chosenFileName() const;

    OPENFILENAMEW record{};
    std::wstring filter;  // description, NUL, pattern, NUL, NUL
    std::wstring title;
    std::array<wchar_t, kFileBufferSize> file{};
    std::array<wchar_t, kFileBufferSize> fileTitle{};
};

}  // namespace ringwright::win32
