#pragma once
// The system's file dialog record, filled from the editor's dialog values,
// and the chosen path read back out of it.
#include <windows.h>

#include <array>
#include <cstddef>
#include <string>

#include "editor/platform.h"

namespace ringwright::win32 {

// The record as the version 4 dialogs define it, without the fields added
// later: 76 bytes in a 32-bit build and 136 in a 64-bit one. The 32-bit size
// alone would be refused by a 64-bit dialog, which then never opens.
constexpr DWORD kFileDialogRecordSize = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);
static_assert(sizeof(void*) != 4 || kFileDialogRecordSize == 76);

constexpr std::size_t kFileBufferSize = 255;  // 254 characters and their NUL

// The record points into the buffers beside it, so it stays where it was made.
struct AnsiFileDialog {
    AnsiFileDialog(const FileDialogRecord& values, HINSTANCE instance);
    AnsiFileDialog(const AnsiFileDialog&) = delete;
    AnsiFileDialog& operator=(const AnsiFileDialog&) = delete;

    // The file-name buffer's text before its first NUL, without the blanks
    // around it: Windows-1252 bytes.
    std::string chosenFileName() const;

    OPENFILENAMEA record{};
    std::string filter;  // description, NUL, pattern, NUL, NUL
    std::string title;
    std::array<char, kFileBufferSize> file{};
    std::array<char, kFileBufferSize> fileTitle{};
};

// A chosen path as a file system name. The dialog hands a character that
// Windows-1252 lacks over as '?', which no file name holds; such a part of the
// path is matched against the names in its folder. `problem` says why the
// file cannot be told, and is empty when `path` is the one chosen.
struct ChosenPath {
    std::wstring path;
    std::string problem;
};
ChosenPath resolveChosenPath(const std::string& ansiPath);

}  // namespace ringwright::win32
