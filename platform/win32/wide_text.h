#pragma once
// Text as it crosses into the system's wide calls. The editor speaks UTF-8;
// the wide forms carry any character of a path or a message on any code
// page, where the "A" forms would take only the system's own.
#include <windows.h>

#include <string>
#include <string_view>

namespace ringwright::win32 {

std::wstring wideFromUtf8(std::string_view text);
std::string utf8FromWide(std::wstring_view text);

// A window's text (a box's, a caption), whole, as UTF-8. One message for a
// box's usual short text; its length is asked only for a text that fills
// the first buffer.
std::string windowText(HWND window);

}  // namespace ringwright::win32
