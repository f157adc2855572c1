// Reads the running editor from outside, as the end-to-end tests need it:
// what xdotool cannot see. Run under the same Wine as the editor.
//   inspector state             every control's text, selection, place and colour,
//                               the focus, the clip rectangle, an open message box
//                               or file dialog, as key=value lines
//   inspector answer <path>     types <path> as the file name of the open file dialog, then OK
//   inspector close             asks the main window to close, as its close button does
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/win32/wide_text.h"
#include "win32/control_ids.h"

using namespace ringwright::win32;

namespace {

// One line per value; line ends and tabs in a text are shown escaped.
void put(const std::string& key, const std::string& value) {
    std::string shown;
    for (char c : value) shown += c == '\r' ? "\\r" : c == '\n' ? "\\n" : c == '\t' ? "\\t" : std::string(1, c);
    std::printf("%s=%s\n", key.c_str(), shown.c_str());
}

// A message to the editor's window that gives up when the editor hangs, so
// that a hung editor fails the run instead of stopping it.
LRESULT ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &result);
    return LRESULT(result);
}

// A window's text, as UTF-8.
std::string textOf(HWND window) {
    wchar_t text[1024] = {};
    ask(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return utf8FromWide(text);
}

std::wstring classOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::string rectText(RECT r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," + std::to_string(r.bottom);
}

// A window's rectangle on the screen, its client area on the screen, or its
// rectangle in its parent's client coordinates.
RECT screenRect(HWND window, HWND mappedTo = nullptr) {
    RECT r{};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, mappedTo, reinterpret_cast<POINT*>(&r), 2);
    return r;
}
RECT inParent(HWND child) { return screenRect(child, GetParent(child)); }
RECT clientOnScreen(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string colourText(COLORREF colour) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

// What the player sees at a point of the screen, as red, green, blue.
std::string pixelAt(int x, int y) {
    const HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colourText(colour);
}

std::string controlName(int id) {
    for (const auto& [name, first] : {std::pair{"txtX", id::kTxtX}, {"txtZ", id::kTxtZ}, {"cboAnim", id::kCboAnim}, {"txtNum", id::kTxtNum}})
        if (id >= first && id < first + 9) return std::string(name) + "(" + std::to_string(id - first) + ")";
    for (const auto& [name, single] : {std::pair{"txtGOBFile", id::kTxtGOBFile}, {"cmdGOBFile", id::kCmdGOBFile},
                                       {"cboFieldList", id::kCboFieldList}, {"Picture1", id::kPicture1}, {"cmdZoom", id::kCmdZoom},
                                       {"cmdSave", id::kCmdSave}, {"cmdAbout", id::kCmdAbout}, {"cmdImport", id::kCmdImport},
                                       {"cmdExport", id::kCmdExport}})
        if (id == single) return name;
    return std::to_string(id);
}

std::string listState(HWND list) {
    return std::to_string(ask(list, CB_GETCURSEL, 0, 0)) + ":" + textOf(list);
}

// Each marker's place in its view and its colour inside the edge.
void putMarkers(HWND view, const std::string& prefix) {
    for (int i = 0; i < 9; ++i) {
        const HWND marker = GetDlgItem(view, id::kLblFielder + i);
        const std::string name = prefix + "lblFielder(" + std::to_string(i) + ")";
        put(name, rectText(inParent(marker)));
        const RECT m = clientOnScreen(marker);
        put("colour." + name, pixelAt(m.left + 1, m.top + 1));
    }
}

void putMain(HWND main) {
    put("main.rect", rectText(screenRect(main)));
    put("main.client", rectText(clientOnScreen(main)));
    put("main.visible", IsWindowVisible(main) ? "1" : "0");
    const DWORD thread = GetWindowThreadProcessId(main, nullptr);
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    if (GetGUIThreadInfo(thread, &gui) && gui.hwndFocus) {
        // The edit inside a list counts as the list.
        HWND focus = gui.hwndFocus;
        if (GetParent(focus) != main && GetParent(focus) && GetDlgCtrlID(GetParent(focus)) == id::kCboFieldList)
            focus = GetParent(focus);
        put("focus", controlName(GetDlgCtrlID(focus)));
    }
    put("txtGOBFile", textOf(GetDlgItem(main, id::kTxtGOBFile)));
    put("lblFileName", textOf(GetDlgItem(main, id::kLblFileName)));
    put("cboFieldList", listState(GetDlgItem(main, id::kCboFieldList)));
    const HWND ground = GetDlgItem(main, id::kPicture1);
    put("Picture1.client", rectText(clientOnScreen(ground)));
    const RECT picture = clientOnScreen(ground);  // its bottom-left corner, beyond the boundary
    put("colour.Picture1.corner", pixelAt(picture.left + 2, picture.top + 397));
    for (int i = 0; i < 9; ++i) {
        const std::string n = "(" + std::to_string(i) + ")";
        for (const auto& [name, first] : {std::pair{"txtX", id::kTxtX}, {"txtZ", id::kTxtZ}, {"txtNum", id::kTxtNum}}) {
            const HWND box = GetDlgItem(main, first + i);
            put(name + n, textOf(box));
            const RECT r = clientOnScreen(box);
            put(std::string("rect.") + name + n, rectText(r));
            put(std::string("colour.") + name + n, pixelAt(r.right - 2, (r.top + r.bottom) / 2));
        }
        put("cboAnim" + n, listState(GetDlgItem(main, id::kCboAnim + i)));
    }
    putMarkers(ground, "");
}

void putZoom(HWND zoom) {
    put("zoom.visible", IsWindowVisible(zoom) ? "1" : "0");
    put("zoom.rect", rectText(screenRect(zoom)));
    put("zoom.client", rectText(clientOnScreen(zoom)));
    put("zoom.title", textOf(zoom));
    putMarkers(zoom, "zoom.");
}

// The editor's open dialogs: message boxes and file dialogs, both "#32770".
std::vector<HWND> dialogsOf(DWORD process) {
    std::vector<HWND> found;
    struct Search {
        DWORD process;
        std::vector<HWND>* found;
    } search{process, &found};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s.process && IsWindowVisible(window) && classOf(window) == L"#32770") s.found->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return found;
}

bool isFileDialog(HWND dialog) { return GetDlgItem(dialog, 0x47C) || GetDlgItem(dialog, 0x480); }

void putDialog(HWND dialog) {
    if (isFileDialog(dialog)) return put("dialog.caption", textOf(dialog));
    put("message.caption", textOf(dialog));
    std::string buttons;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(child);
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        if (classOf(child) == L"Button" && IsWindowVisible(child)) {
            const char* name = id == IDOK ? "OK" : id == IDCANCEL ? "Cancel" : id == IDYES ? "Yes" : id == IDNO ? "No" : "?";
            buttons += (buttons.empty() ? "" : ",") + std::string(name);
        } else if (classOf(child) == L"Static" && (style & SS_TYPEMASK) != SS_ICON) {
            if (const std::string text = textOf(child); !text.empty()) put("message.text", text);
        }
    }
    put("message.buttons", buttons);
}

HWND openFileDialog(HWND main) {
    DWORD process = 0;
    GetWindowThreadProcessId(main, &process);
    for (HWND dialog : dialogsOf(process))
        if (isFileDialog(dialog)) return dialog;
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "state";
    // Made before anything is loaded, so a box of the start-up has it too.
    const HWND main = FindWindowW(kMainClass, nullptr);
    if (command == "state") {
        put("main", main ? "present" : "none");
        if (main) putMain(main);
        const HWND zoom = FindWindowW(kZoomClass, nullptr);
        put("zoom", zoom ? "present" : "none");
        if (zoom) putZoom(zoom);
        if (const HWND all = FindWindowW(kAllFieldsClass, nullptr))
            put("allfields.cards", std::to_string(SendMessageW(FindWindowExW(all, nullptr, WC_LISTVIEWW, nullptr),
                                                                LVM_GETITEMCOUNT, 0, 0)));
        RECT clip{};
        GetClipCursor(&clip);
        put("clip", rectText(clip));
        DWORD process = 0;
        if (main) GetWindowThreadProcessId(main, &process);
        const std::vector<HWND> dialogs = main ? dialogsOf(process) : std::vector<HWND>{};
        put("boxes", std::to_string(dialogs.size()));
        for (HWND dialog : dialogs) putDialog(dialog);
        return 0;
    }
    if (command == "answer" && argc > 2 && main) {
        const HWND dialog = openFileDialog(main);
        if (!dialog) return 2;
        HWND name = GetDlgItem(dialog, 0x47C);
        if (!name) name = GetDlgItem(dialog, 0x480);
        // The path as typed, whatever the code page would make of it.
        int count = 0;
        LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
        ask(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(count > 2 ? words[2] : L""));
        LocalFree(words);
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return 0;
    }
    if (command == "close" && main) {
        PostMessageW(main, WM_CLOSE, 0, 0);
        return 0;
    }
    return 1;
}
