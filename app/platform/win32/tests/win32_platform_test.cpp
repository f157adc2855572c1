// The Windows platform layer against the system itself, run under Wine. Dialogs
// and message boxes are really shown and answered by a hook, as a player would.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "file_dialog_records.h"
#include "platform/win32/ansi_text.h"
#include "platform/win32/file_dialog.h"
#include "platform/win32/win32_platform.h"

using namespace ringwright;
using namespace ringwright::win32;

namespace {

const std::string kLodzUtf8 = "\xC5\x81\xC3\xB3" "d\xC5\xBA";  // "Łódź": Ł and ź lack a Windows-1252 byte

// Answers the next window that becomes active, then lets go.
class Answerer {
public:
    explicit Answerer(std::function<void(HWND)> answer) {
        answer_ = std::move(answer);
        hook_ = SetWindowsHookExW(WH_CBT, &Answerer::onEvent, nullptr, GetCurrentThreadId());
    }
    ~Answerer() { UnhookWindowsHookEx(hook_); }

private:
    static LRESULT CALLBACK onEvent(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_ACTIVATE && answer_) {
            answer_(reinterpret_cast<HWND>(wParam));
            answer_ = nullptr;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline std::function<void(HWND)> answer_;
    HHOOK hook_;
};

void press(HWND window, int button) { PostMessageW(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0); }

std::wstring textOf(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

// What a shown message box held, read from its controls.
struct ShownBox {
    std::wstring caption, text;
    bool ok = false, yes = false, no = false;
    HICON icon = nullptr;
};

ShownBox readBox(HWND box) {
    ShownBox shown{textOf(box), {}, GetDlgItem(box, IDOK) != nullptr, GetDlgItem(box, IDYES) != nullptr,
                   GetDlgItem(box, IDNO) != nullptr};
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t kind[32] = {};
        GetClassNameW(child, kind, 32);
        if (std::wstring(kind) != L"Static") continue;
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            shown.icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        else if (!textOf(child).empty())
            shown.text = textOf(child);
    }
    return shown;
}

// A folder of its own under the Wine user's temporary folder.
struct TempFolder {
    TempFolder() {
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        path = std::wstring(base) + L"ringwright-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
        CreateDirectoryW(path.c_str(), nullptr);
    }
    ~TempFolder() {
        SHFILEOPSTRUCTW remove{};
        const std::wstring doubleEnded = path + L'\0';
        remove.wFunc = FO_DELETE;
        remove.pFrom = doubleEnded.c_str();
        remove.fFlags = FOF_NO_UI;
        SHFileOperationW(&remove);
    }
    std::wstring make(const std::wstring& name) const {
        const HANDLE file = CreateFileW((path + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        CloseHandle(file);
        return path + name;
    }
    std::wstring path;
};

}  // namespace

TEST(FileDialogRecord, EachDialogIsFilledFromItsColumnByteForByte) {
    const HWND owner = reinterpret_cast<HWND>(0x1234);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    struct Case {
        FileDialogRecord values;
        std::string filter, offered;
        DWORD flags;
    };
    const std::string longName(300, 'n');
    const Case cases[] = {
        {archiveChooserRecord(WindowHandle(owner)), std::string("Longstopper GOB\0*.gob\0\0", 23), "", 0x1004},
        {exportRecord("Short leg \xC3\xA9t\xC3\xA9", WindowHandle(owner)),
         std::string("Longstopper field\0*.opt\0\0", 25), "Short leg \xE9t\xE9", 0x6},
        {importRecord(longName, WindowHandle(owner)), std::string("Longstopper field(*.opt) \0*.opt\0\0", 33),
         longName.substr(0, 254), 0x1004},
    };
    for (const Case& c : cases) {
        const AnsiFileDialog dialog(c.values, instance);
        OPENFILENAMEA expected{};
        expected.lStructSize = sizeof(void*) == 8 ? 136 : 76;
        expected.hwndOwner = owner;
        expected.hInstance = instance;
        expected.lpstrFilter = dialog.filter.c_str();
        expected.lpstrFile = const_cast<char*>(dialog.file.data());
        expected.nMaxFile = 255;
        expected.lpstrFileTitle = const_cast<char*>(dialog.fileTitle.data());
        expected.nMaxFileTitle = 255;
        expected.lpstrTitle = dialog.title.c_str();
        expected.Flags = c.flags;
        EXPECT_EQ(std::memcmp(&expected, &dialog.record, sizeof expected), 0) << c.values.filterDescription;

        EXPECT_EQ(dialog.filter, c.filter);
        EXPECT_EQ(std::strcmp(dialog.record.lpstrTitle, "Select the file"), 0);
        const std::string padded = c.offered + std::string(254 - c.offered.size(), ' ');
        EXPECT_EQ(std::string(dialog.file.data(), 255), padded + '\0');
        EXPECT_EQ(std::string(dialog.fileTitle.data(), 255), std::string(254, ' ') + '\0');
    }
}

TEST(FileDialogRecord, TheChosenPathIsTrimmedAndAPathBeyondWindows1252IsFoundAgain) {
    AnsiFileDialog dialog(importRecord("", 0), nullptr);
    std::strcpy(dialog.file.data(), "  C:\\Games\\Caf\xE9.opt   ");
    EXPECT_EQ(dialog.chosenFileName(), "C:\\Games\\Caf\xE9.opt");
    EXPECT_EQ(resolveChosenPath(dialog.chosenFileName()).path, L"C:\\Games\\Caf\u00E9.opt");

    // Ł and ź reach an "A" caller as '?': in a folder and in a file name.
    const TempFolder folder;
    CreateDirectoryW((folder.path + L"Gda\u0144sk").c_str(), nullptr);
    const std::wstring field = folder.make(L"Gda\u0144sk\\\u0141\u00F3d\u017A.opt");
    folder.make(L"Gda\u0144sk\\Lodz.opt");
    const std::string asHandedOver = ansiFromWideLossy(field);
    ASSERT_NE(asHandedOver.find("Gda?sk\\?\xF3" "d?.opt"), std::string::npos);
    const ChosenPath found = resolveChosenPath(asHandedOver);
    EXPECT_EQ(found.path, field);
    EXPECT_EQ(found.problem, "");

    // A new name the dialog cannot hand over, and a name that two files share.
    EXPECT_NE(resolveChosenPath(ansiFromWideLossy(folder.path + L"\u0141ab.opt")).problem.find("no file"),
              std::string::npos);
    folder.make(L"Gda\u0144sk\\\u0143\u00F3d\u017A.opt");
    EXPECT_NE(resolveChosenPath(asHandedOver).problem.find("2 files match"), std::string::npos);
}

TEST(Win32Platform, FileDialogsOpenWithTheRecordAndHandBackTheChosenPath) {
    Win32Platform platform;
    const TempFolder folder;
    const std::wstring field = folder.make(L"Slips.opt");

    // The offered name is the whole path here, so OK chooses it.
    std::optional<std::string> chosen;
    {
        const Answerer ok([](HWND dialog) { press(dialog, IDOK); });
        chosen = platform.openFileDialog(importRecord(utf8FromWide(field), 0));
    }
    EXPECT_EQ(chosen, utf8FromWide(field));
    {
        const Answerer cancel([](HWND dialog) { press(dialog, IDCANCEL); });
        EXPECT_EQ(platform.saveFileDialog(exportRecord("Slips", 0)), std::nullopt);
    }
    EXPECT_EQ(CommDlgExtendedError(), 0u) << "the record was refused";

    // The 32-bit record's 76 bytes are refused by a 64-bit dialog, which never opens.
    AnsiFileDialog old(exportRecord("Slips", 0), GetModuleHandleW(nullptr));
    old.record.lStructSize = 76;
    if (sizeof(void*) == 8) {
        EXPECT_FALSE(GetSaveFileNameA(&old.record));
        EXPECT_EQ(CommDlgExtendedError(), DWORD(CDERR_STRUCTSIZE));
    }
}

TEST(Win32Platform, MessageBoxesShowTheStyleAndReportTheButtonPressed) {
    Win32Platform platform;
    struct Case {
        int style;
        LPCSTR icon;
        bool ok, yesNo;
        int press, answer;
    };
    const Case cases[] = {
        {16, IDI_HAND, true, false, IDOK, answer::kOk},
        {36, IDI_QUESTION, false, true, IDNO, answer::kNo},
        {36, IDI_QUESTION, false, true, IDYES, answer::kYes},
        {64, IDI_ASTERISK, true, false, IDOK, answer::kOk},
    };
    for (const Case& c : cases) {
        ShownBox shown;
        const Answerer answerer([&](HWND box) {
            shown = readBox(box);
            press(box, c.press);
        });
        EXPECT_EQ(platform.messageBox("Field saved\r\nin place", c.style, "Ringwright"), c.answer);
        EXPECT_EQ(shown.caption, L"Ringwright");
        EXPECT_EQ(shown.text, L"Field saved\r\nin place");
        EXPECT_EQ(shown.ok, c.ok) << c.style;
        EXPECT_EQ(shown.yes && shown.no, c.yesNo) << c.style;
        EXPECT_EQ(shown.icon, LoadIconA(nullptr, c.icon)) << c.style;
    }

    // A path beyond Windows-1252 is shown as it is, not as question marks.
    ShownBox shown;
    const Answerer answerer([&](HWND box) {
        shown = readBox(box);
        press(box, IDOK);
    });
    platform.messageBox("Cannot open " + kLodzUtf8, 16, "Ringwright");
    EXPECT_EQ(shown.text, L"Cannot open \u0141\u00F3d\u017A");
}

namespace {

// The archive path of the game's configuration tool, kept as it was found.
class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override {
        RegCreateKeyExW(HKEY_CURRENT_USER, settingsKeyPath("Longstopper", "Tunebench").c_str(), 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &key_, nullptr);
        DWORD size = 0;
        hadValue_ = RegQueryValueExW(key_, L"GOB", nullptr, &savedType_, nullptr, &size) == ERROR_SUCCESS;
        saved_.resize(size);
        if (hadValue_) RegQueryValueExW(key_, L"GOB", nullptr, &savedType_, saved_.data(), &size);
    }
    void TearDown() override {
        if (hadValue_)
            RegSetValueExW(key_, L"GOB", 0, savedType_, saved_.data(), static_cast<DWORD>(saved_.size()));
        else
            RegDeleteValueW(key_, L"GOB");
        RegCloseKey(key_);
    }
    void store(DWORD type, const void* data, DWORD size) {
        RegSetValueExW(key_, L"GOB", 0, type, static_cast<const BYTE*>(data), size);
    }
    std::string gob(const std::string& fallback = "") {
        return platform_.readSetting("Longstopper", "Tunebench", "GOB", fallback);
    }

    Win32Platform platform_;
    HKEY key_ = nullptr;
    std::vector<BYTE> saved_;
    DWORD savedType_ = 0;
    bool hadValue_ = false;
};

}  // namespace

TEST_F(SettingsStore, TheArchivePathIsReadWholeAndAnythingElseGivesTheDefault) {
    EXPECT_EQ(settingsKeyPath("Longstopper", "Tunebench"), L"Software\\VB and VBA Program Settings\\Longstopper\\Tunebench");

    const std::wstring path = L"D:\\Spiele\\\u0141\u00F3d\u017A\\Longstopper.gob";
    store(REG_SZ, path.c_str(), static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)));
    EXPECT_EQ(gob(), "D:\\Spiele\\" + kLodzUtf8 + "\\Longstopper.gob");
    store(REG_SZ, L"C:\\Game.gob", 11 * sizeof(wchar_t));  // written without its NUL
    EXPECT_EQ(gob(), "C:\\Game.gob");
    const std::wstring longPath = L"C:\\" + std::wstring(400, L'f') + L".gob";
    store(REG_SZ, longPath.c_str(), static_cast<DWORD>((longPath.size() + 1) * sizeof(wchar_t)));
    EXPECT_EQ(gob(), utf8FromWide(longPath));

    store(REG_SZ, L"", sizeof(wchar_t));
    EXPECT_EQ(gob(), "");
    const DWORD number = 7;
    store(REG_DWORD, &number, sizeof number);
    EXPECT_EQ(gob("none"), "none");
    store(REG_BINARY, "C:\\x.gob", 8);
    EXPECT_EQ(gob("none"), "none");
    // A path kept with a variable in it is text too, and the system expands it.
    store(REG_EXPAND_SZ, L"%SystemRoot%\\x.gob", 19 * sizeof(wchar_t));
    wchar_t systemRoot[MAX_PATH] = {};
    GetEnvironmentVariableW(L"SystemRoot", systemRoot, MAX_PATH);
    EXPECT_EQ(gob(), utf8FromWide(systemRoot) + "\\x.gob");
    RegDeleteValueW(key_, L"GOB");
    EXPECT_EQ(gob("none"), "none");
    EXPECT_EQ(platform_.readSetting("Longstopper", "No such section", "GOB", ""), "");
}

TEST(Win32Platform, ThePointerIsConfinedToTheClientAreaOnTheScreen) {
    Win32Platform platform;
    WNDCLASSW kind{};
    kind.lpfnWndProc = DefWindowProcW;
    kind.hInstance = GetModuleHandleW(nullptr);
    kind.lpszClassName = L"RingwrightCheck";
    RegisterClassW(&kind);
    const DWORD framed = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    const HWND window = CreateWindowExW(0, kind.lpszClassName, L"frmMain", framed, 200, 100, 400, 300, nullptr,
                                        nullptr, kind.hInstance, nullptr);
    const HWND ground = CreateWindowExW(0, kind.lpszClassName, L"", WS_CHILD | WS_VISIBLE, 15, 25, 100, 50, window,
                                        nullptr, kind.hInstance, nullptr);
    ASSERT_TRUE(window && ground);
    // A drag happens in the active window; the system frees a pointer that a
    // window in the background holds.
    SetForegroundWindow(window);
    for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&message);

    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, framed, FALSE, 0);
    const ScreenRect client{200 - frame.left, 100 - frame.top, 600 - frame.right, 400 - frame.bottom};
    EXPECT_EQ(platform.clientAreaOnScreen(WindowHandle(window)), client);
    const ScreenRect area = platform.clientAreaOnScreen(WindowHandle(ground));
    EXPECT_EQ(area, (ScreenRect{client.left + 15, client.top + 25, client.left + 115, client.top + 75}));

    platform.confinePointer(area);
    RECT clip{};
    GetClipCursor(&clip);
    EXPECT_EQ((ScreenRect{clip.left, clip.top, clip.right, clip.bottom}), area);
    platform.freePointer();
    GetClipCursor(&clip);
    EXPECT_EQ(clip.right - clip.left, GetSystemMetrics(SM_CXVIRTUALSCREEN));

    // A window that is gone gives no area, and the pointer stays free.
    DestroyWindow(window);
    EXPECT_EQ(platform.clientAreaOnScreen(WindowHandle(ground)), ScreenRect{});
    platform.confinePointer(ScreenRect{});
    GetClipCursor(&clip);
    EXPECT_EQ(clip.right - clip.left, GetSystemMetrics(SM_CXVIRTUALSCREEN));
}

TEST(Win32Platform, CommonControlsVersion6AreInitialised) {
    Win32Platform platform;
    platform.initialiseCommonControls();
    // Within the program's activation context the name leads to the side-by-side
    // assembly its manifest asks for, whichever other copy is loaded already.
    const HMODULE controls = LoadLibraryW(L"comctl32.dll");
    ASSERT_NE(controls, nullptr);
    wchar_t file[MAX_PATH] = {};
    GetModuleFileNameW(controls, file, MAX_PATH);
    CharLowerW(file);
    const std::wstring path = file;
    EXPECT_NE(path.find(L"\\winsxs\\"), std::wstring::npos) << utf8FromWide(path);
    EXPECT_NE(path.find(L"common-controls_6595b64144ccf1df_6.0."), std::wstring::npos) << utf8FromWide(path);
    FreeLibrary(controls);
}
