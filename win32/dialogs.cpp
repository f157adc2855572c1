#include "win32/dialogs.h"

#include "platform/win32/modal_blocking.h"
#include "platform/win32/wide_text.h"
#include "win32/control_ids.h"

namespace ringwright::win32 {
namespace {

struct Placing {
    const std::vector<std::string>& fielders;
    const std::vector<std::string>& positions;
    int fielder, position = 0;
};

void fill(HWND list, const std::vector<std::string>& entries, int selected) {
    for (const std::string& entry : entries) SendMessageW(list, CB_ADDSTRING, 0, LPARAM(wideFromUtf8(entry).c_str()));
    SendMessageW(list, CB_SETCURSEL, WPARAM(selected), 0);
}

INT_PTR CALLBACK placingProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* placing = reinterpret_cast<Placing*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        placing = reinterpret_cast<Placing*>(lParam);
        fill(GetDlgItem(dialog, id::kPlaceFielderList), placing->fielders, placing->fielder);
        fill(GetDlgItem(dialog, id::kPlacePositionList), placing->positions, 0);
        return TRUE;  // the focus on the first list
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            placing->fielder = int(SendDlgItemMessageW(dialog, id::kPlaceFielderList, CB_GETCURSEL, 0, 0));
            placing->position = int(SendDlgItemMessageW(dialog, id::kPlacePositionList, CB_GETCURSEL, 0, 0));
            EndDialog(dialog, IDOK);
        } else if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
        }
        return TRUE;
    default: return FALSE;
    }
}

struct Asking {
    const std::string& caption;
    const std::string& prompt;
    std::string text;
};

INT_PTR CALLBACK askingProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* asking = reinterpret_cast<Asking*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        asking = reinterpret_cast<Asking*>(lParam);
        SetWindowTextW(dialog, wideFromUtf8(asking->caption).c_str());
        SetDlgItemTextW(dialog, id::kAskPrompt, wideFromUtf8(asking->prompt).c_str());
        SetDlgItemTextW(dialog, id::kAskText, wideFromUtf8(asking->text).c_str());
        SendDlgItemMessageW(dialog, id::kAskText, EM_SETSEL, 0, -1);
        return TRUE;  // the focus on the box
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            asking->text = windowText(GetDlgItem(dialog, id::kAskText));
            EndDialog(dialog, IDOK);
        } else if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
        }
        return TRUE;
    default: return FALSE;
    }
}

HINSTANCE instanceOf(HWND window) { return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)); }

}  // namespace

std::optional<std::string> askText(HWND owner, const std::string& caption, const std::string& prompt,
                                   const std::string& text) {
    Asking asking{caption, prompt, text};
    const OtherWindowsDisabled blocked(owner);
    if (DialogBoxParamW(instanceOf(owner), L"ASK_TEXT", owner, askingProcedure, LPARAM(&asking)) != IDOK)
        return std::nullopt;
    return asking.text;
}

std::optional<std::pair<int, int>> choosePlacement(HWND owner, const std::vector<std::string>& fielders,
                                                   const std::vector<std::string>& positions, int fielder) {
    Placing placing{fielders, positions, fielder};
    const OtherWindowsDisabled blocked(owner);
    if (DialogBoxParamW(instanceOf(owner), L"PLACE_FIELDER", owner, placingProcedure, LPARAM(&placing)) != IDOK ||
        placing.fielder < 0 || placing.position < 0)
        return std::nullopt;
    return std::pair{placing.fielder, placing.position};
}

}  // namespace ringwright::win32
