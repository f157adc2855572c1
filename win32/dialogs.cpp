#include "win32/dialogs.h"

#include "platform/win32/modal_blocking.h"
#include "platform/win32/wide_text.h"
#include "win32/control_ids.h"

namespace ringwright::win32 {
namespace {

void fill(HWND list, const std::vector<std::string>& entries, int selected) {
    for (const std::string& entry : entries) SendMessageW(list, CB_ADDSTRING, 0, LPARAM(wideFromUtf8(entry).c_str()));
    SendMessageW(list, CB_SETCURSEL, WPARAM(selected), 0);
}

// What the placing dialog offers and what the player chose in it.
struct Placing {
    const std::vector<std::string>& fielders;
    const std::vector<std::string>& positions;
    int fielder, position = 0;

    void fillIn(HWND dialog) const {  // the focus stays on the first list
        fill(GetDlgItem(dialog, id::kPlaceFielderList), fielders, fielder);
        fill(GetDlgItem(dialog, id::kPlacePositionList), positions, 0);
    }
    void takeFrom(HWND dialog) {
        fielder = int(SendDlgItemMessageW(dialog, id::kPlaceFielderList, CB_GETCURSEL, 0, 0));
        position = int(SendDlgItemMessageW(dialog, id::kPlacePositionList, CB_GETCURSEL, 0, 0));
    }
};

// What the text dialog asks and what the player typed in it.
struct Asking {
    const std::string& caption;
    const std::string& prompt;
    std::string text;

    void fillIn(HWND dialog) const {  // the focus on the box, its text selected
        SetWindowTextW(dialog, wideFromUtf8(caption).c_str());
        SetDlgItemTextW(dialog, id::kAskPrompt, wideFromUtf8(prompt).c_str());
        SetDlgItemTextW(dialog, id::kAskText, wideFromUtf8(text).c_str());
        SendDlgItemMessageW(dialog, id::kAskText, EM_SETSEL, 0, -1);
    }
    void takeFrom(HWND dialog) { text = windowText(GetDlgItem(dialog, id::kAskText)); }
};

// A dialog's procedure over its state: filled in when it opens, read back
// when OK is pressed.
template <class State>
INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<State*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        reinterpret_cast<State*>(lParam)->fillIn(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            state->takeFrom(dialog);
            EndDialog(dialog, IDOK);
        } else if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
        }
        return TRUE;
    default: return FALSE;
    }
}

// Shows the dialog of that resource over `owner`, every other window of the
// editor blocked meanwhile; true when it ended with OK.
template <class State>
bool shown(HWND owner, const wchar_t* resource, State& state) {
    const OtherWindowsDisabled blocked(owner);
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
    return DialogBoxParamW(instance, resource, owner, procedure<State>, LPARAM(&state)) == IDOK;
}

}  // namespace

std::optional<std::string> askText(HWND owner, const std::string& caption, const std::string& prompt,
                                   const std::string& text) {
    Asking asking{caption, prompt, text};
    if (!shown(owner, L"ASK_TEXT", asking)) return std::nullopt;
    return asking.text;
}

std::optional<std::pair<int, int>> choosePlacement(HWND owner, const std::vector<std::string>& fielders,
                                                   const std::vector<std::string>& positions, int fielder) {
    Placing placing{fielders, positions, fielder};
    if (!shown(owner, L"PLACE_FIELDER", placing) || placing.fielder < 0 || placing.position < 0) return std::nullopt;
    return std::pair{placing.fielder, placing.position};
}

}  // namespace ringwright::win32
