#include "win32/place_dialog.h"

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

}  // namespace

std::optional<std::pair<int, int>> choosePlacement(HWND owner, const std::vector<std::string>& fielders,
                                                   const std::vector<std::string>& positions, int fielder) {
    Placing placing{fielders, positions, fielder};
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
    const OtherWindowsDisabled blocked(owner);
    if (DialogBoxParamW(instance, L"PLACE_FIELDER", owner, placingProcedure, LPARAM(&placing)) != IDOK ||
        placing.fielder < 0 || placing.position < 0)
        return std::nullopt;
    return std::pair{placing.fielder, placing.position};
}

}  // namespace ringwright::win32
