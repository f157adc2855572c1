// The Windows platform layer against the system itself, run under Wine. Dialogs
// and message boxes are really shown and answered by a hook, as a player would.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "editor/file_dialog_records.h"
#include "platform/win32/ansi_text.h"
#include "platform/win32/file_dialog.h"
#include "platform/win32/win32_platform.h"

using namespace ringwright;
using namespace ringwright::win32;

namespace {

const std::string kLodzUtf8 = "\xC5\x81\xC3\xB3" "d\xC5\xBA";  // "Łódź": Ł and ź lack a Windows-1252 byte
const std::wstring kLodz = L"\u0141\u00F3d\u017A";

std::function<void(HWND)> nextAnswer;

LRESULT CALLBACK onActivate(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && nextAnswer) std::exchange(nextAnswer, nullptr)(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Runs `call` while the next window to become active is given `answer`.
template <class Call>
auto answering(std::function<void(HWND)> answer, Call call) {
    nextAnswer = std::move(answer);
    const HHOOK hook = SetWindowsHookExW(WH_CBT, onActivate, nullptr, GetCurrentThreadId());
    auto result = call();
    UnhookWindowsHookEx(hook);
    return result;
}

void press(HWND window, int button) { PostMessageW(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0); }

std::wstring textOf(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

// What a shown message box held, read from its controls.
struct ShownBox {
    std::wstring caption, text;
    bool ok = false, yesNo = false;
};

ShownBox readBox(HWND box) {
    ShownBox shown{textOf(box), {}, GetDlgItem(box, IDOK) != nullptr, GetDlgItem(box, IDYES) && GetDlgItem(box, IDNO)};
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(child);
        if (id != IDOK && id != IDYES && id != IDNO && !textOf(child).empty()) shown.text = textOf(child);
    }
    return shown;
}

struct TempFolder {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("ringwright-" + std::to_string(GetCurrentProcessId()));
    TempFolder() { std::filesystem::create_directories(path); }
    ~TempFolder() {
        // The file dialogs make the chosen folder the current one.
        std::filesystem::current_path(path.parent_path());
        std::filesystem::remove_all(path);
    }
    std::wstring make(const std::wstring& name) const {
        std::filesystem::create_directories((path / name).parent_path());
        std::ofstream{path / name};
        return (path / name).wstring();
    }
};

}  // namespace

TEST(FileDialogRecord, EachDialogIsFilledFromItsColumnByteForByte) {
    const HWND owner = reinterpret_cast<HWND>(0x1234);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const std::string longName(300, 'n');
    const struct {
        FileDialogRecord values;
        std::string filter, offered;
        DWORD flags;
    } cases[] = {
        {archiveChooserRecord(WindowHandle(owner)), std::string("Longstopper GOB\0*.gob\0\0", 23), "", 0x1004},
        {exportRecord("Short leg \xC3\xA9t\xC3\xA9", WindowHandle(owner)),
         std::string("Longstopper field\0*.opt\0\0", 25), "Short leg \xE9t\xE9", 0x6},
        {importRecord(longName, WindowHandle(owner)), std::string("Longstopper field(*.opt) \0*.opt\0\0", 33),
         longName.substr(0, 254), 0x1004},
    };
    for (const auto& c : cases) {
        const AnsiFileDialog dialog(c.values, instance);
        OPENFILENAMEA expected{};  // every field not set here is null or 0
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
        EXPECT_STREQ(dialog.record.lpstrTitle, "Select the file");
        EXPECT_EQ(std::string(dialog.file.data(), 255), c.offered + std::string(254 - c.offered.size(), ' ') + '\0');
        EXPECT_EQ(std::string(dialog.fileTitle.data(), 255), std::string(254, ' ') + '\0');
    }
}

TEST(FileDialogRecord, TheChosenPathIsTrimmedAndAPathBeyondWindows1252IsFoundAgain) {
    AnsiFileDialog dialog(importRecord("", 0), nullptr);
    std::strcpy(dialog.file.data(), "  C:\\Games\\Caf\xE9.opt   ");
    EXPECT_EQ(resolveChosenPath(dialog.chosenFileName()).path, L"C:\\Games\\Caf\u00E9.opt");

    // Ł, ń and ź reach an "A" caller as '?': in a folder and in a file name.
    const TempFolder folder;
    const std::wstring field = folder.make(L"Gda\u0144sk\\" + kLodz + L".opt");
    folder.make(L"Gda\u0144sk\\Lodz.opt");
    const std::string handedOver = ansiFromWideLossy(field);
    ASSERT_NE(handedOver.find("Gda?sk\\?\xF3" "d?.opt"), std::string::npos);
    EXPECT_EQ(resolveChosenPath(handedOver).path, field);
    EXPECT_EQ(resolveChosenPath(handedOver).problem, "");

    // A new name the dialog cannot hand over, and a name that two files share.
    EXPECT_NE(resolveChosenPath(ansiFromWideLossy(folder.path.wstring() + L"\\\u0141ab.opt")).problem.find("no such file"),
              std::string::npos);
    folder.make(L"Gda\u0144sk\\\u0143\u00F3d\u017A.opt");
    EXPECT_NE(resolveChosenPath(handedOver).problem.find("2 files match"), std::string::npos);
}

TEST(Win32Platform, FileDialogsOpenWithTheRecordAndHandBackTheChosenPath) {
    Win32Platform platform;
    const TempFolder folder;
    const std::string field = utf8FromWide(folder.make(L"Slips.opt"));

    // The offered name is the whole path here, so OK chooses it.
    EXPECT_EQ(answering([](HWND dialog) { press(dialog, IDOK); },
                        [&] { return platform.openFileDialog(importRecord(field, 0)); }),
              field);
    EXPECT_EQ(answering([](HWND dialog) { press(dialog, IDCANCEL); },
                        [&] { return platform.saveFileDialog(exportRecord("Slips", 0)); }),
              std::nullopt);
    EXPECT_EQ(CommDlgExtendedError(), 0u) << "the record was refused";

    // The 32-bit record's 76 bytes are refused by a 64-bit dialog, which never opens.
    AnsiFileDialog old(exportRecord("Slips", 0), GetModuleHandleW(nullptr));
    old.record.lStructSize = 76;
    EXPECT_TRUE(sizeof(void*) == 4 || (!GetSaveFileNameA(&old.record) && CommDlgExtendedError() == CDERR_STRUCTSIZE));
}

TEST(Win32Platform, MessageBoxesShowTheStyleAndReportTheButtonPressed) {
    Win32Platform platform;
    const struct {
        int style;
        bool ok, yesNo;
        int press, answer;
    } cases[] = {
        {16, true, false, IDOK, answer::kOk},
        {36, false, true, IDNO, answer::kNo},
        {36, false, true, IDYES, answer::kYes},
        {64, true, false, IDOK, answer::kOk},
    };
    for (const auto& c : cases) {
        ShownBox shown;
        const auto answerAs = [&](HWND box) {
            shown = readBox(box);
            press(box, c.press);
        };
        EXPECT_EQ(answering(answerAs, [&] { return platform.messageBox("Field saved\r\nin place", c.style, "Ringwright"); }),
                  c.answer);
        EXPECT_EQ(shown.caption, L"Ringwright");
        EXPECT_EQ(shown.text, L"Field saved\r\nin place");
        EXPECT_EQ(shown.ok, c.ok) << c.style;
        EXPECT_EQ(shown.yesNo, c.yesNo) << c.style;
    }

    // A path beyond Windows-1252 is shown as it is, not as question marks.
    ShownBox shown;
    answering([&](HWND box) { shown = readBox(box), press(box, IDOK); },
              [&] { return platform.messageBox("Cannot open " + kLodzUtf8, 16, "Ringwright"); });
    EXPECT_EQ(shown.text, L"Cannot open " + kLodz);
}

TEST(Win32Platform, TheArchivePathIsReadWholeAndAnythingElseGivesTheDefault) {
    // The game's own value, put back as it was found when the test ends.
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\Longstopper\\Tunebench", 0, nullptr, 0,
                    KEY_ALL_ACCESS, nullptr, &key, nullptr);
    DWORD savedType = 0, savedSize = 0;
    const bool hadValue = RegQueryValueExW(key, L"GOB", nullptr, &savedType, nullptr, &savedSize) == ERROR_SUCCESS;
    std::vector<BYTE> saved(savedSize);
    if (hadValue) RegQueryValueExW(key, L"GOB", nullptr, &savedType, saved.data(), &savedSize);

    Win32Platform platform;
    const auto gob = [&](DWORD type, const std::wstring& text, DWORD size, const std::string& fallback) {
        RegSetValueExW(key, L"GOB", 0, type, reinterpret_cast<const BYTE*>(text.c_str()), size);
        return platform.readSetting("Longstopper", "Tunebench", "GOB", fallback);
    };
    const auto wholeText = [](const std::wstring& text) { return DWORD((text.size() + 1) * sizeof(wchar_t)); };
    const std::wstring path = L"D:\\Spiele\\" + kLodz + L"\\Longstopper.gob";
    EXPECT_EQ(gob(REG_SZ, path, wholeText(path), ""), "D:\\Spiele\\" + kLodzUtf8 + "\\Longstopper.gob");
    EXPECT_EQ(gob(REG_SZ, L"", sizeof(wchar_t), "none"), "");
    EXPECT_EQ(gob(REG_DWORD, L"\x7", 4, "none"), "none");
    RegDeleteValueW(key, L"GOB");
    EXPECT_EQ(platform.readSetting("Longstopper", "Tunebench", "GOB", "none"), "none");
    EXPECT_EQ(platform.readSetting("Longstopper", "No such section", "GOB", ""), "");

    if (hadValue) RegSetValueExW(key, L"GOB", 0, savedType, saved.data(), savedSize);
    RegCloseKey(key);
}

TEST(Win32Platform, ThePointerIsConfinedToTheClientAreaOnTheScreen) {
    Win32Platform platform;
    const DWORD framed = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    const HWND window =
        CreateWindowExW(0, L"STATIC", L"frmMain", framed, 200, 100, 400, 300, nullptr, nullptr, nullptr, nullptr);
    const HWND ground =
        CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 15, 25, 100, 50, window, nullptr, nullptr, nullptr);
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

    RECT clip{};
    platform.confinePointer(area);
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

TEST(Win32Platform, TheProgramCarriesItsIconVersionAndCommonControls6) {
    const HINSTANCE program = GetModuleHandleW(nullptr);
    EXPECT_NE(LoadIconW(program, L"IDI_ICON1"), nullptr);
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(program, self, MAX_PATH);
    std::vector<BYTE> version(GetFileVersionInfoSizeW(self, nullptr));
    ASSERT_TRUE(GetFileVersionInfoW(self, 0, DWORD(version.size()), version.data()));
    wchar_t* name = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(version.data(), L"\\StringFileInfo\\040904E4\\ProductName",
                               reinterpret_cast<void**>(&name), &length));
    EXPECT_STREQ(name, L"Ringwright");

    Win32Platform platform;
    platform.initialiseCommonControls();
    // Within the program's activation context the name leads to the side-by-side
    // assembly its manifest asks for, whichever other copy is loaded already.
    const HMODULE controls = LoadLibraryW(L"comctl32.dll");
    ASSERT_NE(controls, nullptr);
    wchar_t file[MAX_PATH] = {};
    GetModuleFileNameW(controls, file, MAX_PATH);
    CharLowerW(file);
    EXPECT_NE(std::wstring(file).find(L"\\winsxs\\"), std::wstring::npos) << utf8FromWide(file);
    EXPECT_NE(std::wstring(file).find(L"common-controls_6595b64144ccf1df_6.0."), std::wstring::npos);
    FreeLibrary(controls);
}
