// The fair yardstick for the Windows editor's start-up: a bare Win32 program
// that shows a window of the editor's size with the same standard controls,
// made from the same form table (edits, drop-down lists with their entries,
// buttons and labels in the same faces), and nothing else: no picture, no
// markers, no field. With the argument "empty" it shows the window alone,
// the floor below that. It ends once it is shown.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "editor/form.h"
#include "win32/control_kinds.h"

namespace {

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

int pixels(int twips) { return MulDiv(twips, 96, 1440); }

std::wstring wide(std::string_view text) { return std::wstring(text.begin(), text.end()); }

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    const bool empty = std::string_view(commandLine) == "empty";
    using namespace ringwright;
    InitCommonControls();
    WNDCLASSW type{};
    type.lpfnWndProc = procedure;
    type.hInstance = instance;
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    type.lpszClassName = L"Form";
    RegisterClassW(&type);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT area{0, 0, pixels(form::kMainClientWidth), pixels(form::kMainClientHeight)};
    AdjustWindowRect(&area, style, FALSE);
    const HWND window = CreateWindowExW(WS_EX_CONTROLPARENT, L"Form", L"Form", style, CW_USEDEFAULT, CW_USEDEFAULT,
                                        area.right - area.left, area.bottom - area.top, nullptr, nullptr, instance, nullptr);
    HFONT faces[3];
    for (int face = 0; face < 3; ++face) {
        const form::Typeface typeface = form::faceOf(form::Face(face));
        faces[face] = CreateFontW(-MulDiv(int(typeface.points * 100), 96, 7200), 0, 0, 0, typeface.weight, 0, 0, 0,
                                  DEFAULT_CHARSET, 0, 0, 0, 0, wide(typeface.family).c_str());
    }
    // The editor's own styles (sunken boxes, list item heights, a window that
    // clips its children and walks them with Tab), so that only what the
    // editor adds is measured.
    for (const form::Row& row : empty ? std::vector<form::Row>{} : form::mainRows()) {
        const win32::KindOfControl kind = win32::kindOf(row.kind);
        const bool list = row.kind == form::Kind::DropDownList;
        const int height = pixels(row.place.height);
        const HWND control = CreateWindowExW(kind.exStyle, kind.type, wide(row.caption).c_str(),
                                             row.visible ? kind.style : kind.style & ~WS_VISIBLE, pixels(row.place.left),
                                             pixels(row.place.top), pixels(row.place.width),
                                             list ? height + win32::kDroppedListPixels : height, window, nullptr,
                                             instance, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(faces[int(row.face)]), FALSE);
        if (list) SendMessageW(control, CB_SETITEMHEIGHT, WPARAM(-1), height - win32::kListItemInset);
        const int entries = row.id.control == Control::cboFieldList ? 6 : row.id.control == Control::cboAnim ? 3 : 0;
        for (int entry = 0; entry < entries; ++entry)
            SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Entry"));
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    OutputDebugStringA("shown");  // the moment, by Wine's own clock
    PostQuitMessage(0);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
