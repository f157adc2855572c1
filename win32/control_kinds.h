#pragma once
// The window class and styles that show each kind of row of the form, for
// the editor's main window and for the start-up yardstick that copies it.
#include <windows.h>

#include <commctrl.h>

#include "editor/form.h"

namespace ringwright::win32 {

struct KindOfControl {
    const wchar_t* type;
    DWORD style, exStyle;
};

inline KindOfControl kindOf(form::Kind kind) {
    constexpr DWORD shown = WS_CHILD | WS_VISIBLE;
    switch (kind) {
    case form::Kind::TextBox: return {L"EDIT", shown | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case form::Kind::DropDownList: return {WC_COMBOBOXW, shown | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
    case form::Kind::Button: return {L"BUTTON", shown | WS_TABSTOP | BS_PUSHBUTTON, 0};
    default: return {L"STATIC", shown | SS_LEFT, 0};
    }
}

constexpr int kDroppedListPixels = 120;  // below a list's selection field, when open
constexpr int kListItemInset = 6;        // the selection field's edges around its item

}  // namespace ringwright::win32
