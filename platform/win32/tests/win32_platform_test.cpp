// The Windows platform layer against the system itself, run under Wine. Dialogs
// and message boxes are really shown and answered by a hook, as a player would.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "editor/file_dialog_records.h"
#include "fielddata/archive.h"
#include "platform/win32/file_dialog.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/wide_text.h"

using namespace ringwright;
using namespace ringwright::win32;

namespace {

// "Łódź ё": Ł and ź lack a Windows-1252 byte, ё a Windows-1250 one.
const std::string kLodzUtf8 = "\xC5\x81\xC3\xB3" "d\xC5\xBA \xD1\x91";
const std::wstring kLodz = L"\u0141\u00F3d\u017A \u0451";

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

std::wstring textOf(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

// A fresh folder of this run.
const std::filesystem::path kFolder =
    std::filesystem::temp_directory_path() / ("ringwright-" + std::to_string(GetCurrentProcessId()));

}  // namespace

TEST(FileDialogRecord, EachDialogIsFilledFromItsColumnCharacterForCharacter) {
    const HWND owner = reinterpret_cast<HWND>(0x1234);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const std::string longName(300, 'n');
    const struct {
        FileDialogRecord values;
        std::wstring filter, offered;
        DWORD flags;
    } cases[] = {
        {archiveChooserRecord(WindowHandle(owner)), std::wstring(L"Longstopper GOB\0*.gob\0\0", 23), L"", 0x1004},
        {exportRecord("Short leg \xC3\xA9t\xC3\xA9 " + kLodzUtf8, WindowHandle(owner)),
         std::wstring(L"Longstopper field\0*.opt\0\0", 25), L"Short leg \u00E9t\u00E9 " + kLodz, 0x6},
        {importRecord(longName, WindowHandle(owner)), std::wstring(L"Longstopper field(*.opt) \0*.opt\0Field pictures (*.png)\0*.png\0\0", 62),
         std::wstring(254, L'n'), 0x1004},
    };
    for (const auto& c : cases) {
        const FileDialog dialog(c.values, instance);
        OPENFILENAMEW expected{};  // every field not set here is null or 0
        expected.lStructSize = sizeof(void*) == 8 ? 136 : 76;
        expected.hwndOwner = owner;
        expected.hInstance = instance;
        expected.lpstrFilter = dialog.filter.c_str();
        expected.lpstrFile = const_cast<wchar_t*>(dialog.file.data());
        expected.nMaxFile = 255;
        expected.lpstrFileTitle = const_cast<wchar_t*>(dialog.fileTitle.data());
        expected.nMaxFileTitle = 255;
        expected.lpstrTitle = dialog.title.c_str();
        expected.Flags = c.flags;
        EXPECT_EQ(std::memcmp(&expected, &dialog.record, sizeof expected), 0) << c.values.filterDescription;

        EXPECT_TRUE(dialog.filter == c.filter);
        EXPECT_STREQ(dialog.record.lpstrTitle, L"Select the file");
        EXPECT_TRUE(std::wstring(dialog.file.data(), 255) == c.offered + std::wstring(254 - c.offered.size(), L' ') + L'\0');
        EXPECT_TRUE(std::wstring(dialog.fileTitle.data(), 255) == std::wstring(254, L' ') + L'\0');
    }
}

// The editor's own program checks every style under Wine; what the layer
// adds is the wide call for a text beyond Windows-1252, and the answer.
// Run a second time under a Polish locale, whose code page 1250 has bytes
// for some of the name's letters and none for others: the texts stay whole.
TEST(Win32Platform, AMessageIsShownAsItIsAndAnswered) {
    if (const char* page = std::getenv("RINGWRIGHT_EXPECTED_CODE_PAGE")) {
        EXPECT_EQ(GetACP(), UINT(std::atoi(page)));
    }
    Win32Platform platform;
    std::wstring shown;  // its caption, its text (the static of id 0xFFFF in the system's box), its buttons
    EXPECT_EQ(answering([&](HWND box) {
                  const bool yesNo = GetDlgItem(box, IDYES) && GetDlgItem(box, IDNO);
                  shown = textOf(box) + L"|" + textOf(GetDlgItem(box, 0xFFFF)) + (yesNo ? L"|Yes,No" : L"|");
                  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
              },
                        [&] { return platform.messageBox("Cannot open " + kLodzUtf8, 36, "Ringwright"); }),
              7);  // No
    EXPECT_EQ(shown, L"Ringwright|Cannot open " + kLodz + L"|Yes,No");
}

// The registry of the run's own Wine prefix, so no player's value is lost.
TEST(Win32Platform, TheArchivePathIsReadWholeAndNoneGivesTheDefault) {
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\VB and VBA Program Settings\\Longstopper\\Tunebench", 0, nullptr, 0,
                    KEY_ALL_ACCESS, nullptr, &key, nullptr);
    const std::wstring path = L"D:\\Spiele\\" + kLodz + L"\\Longstopper.gob";
    RegSetValueExW(key, L"GOB", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()), DWORD((path.size() + 1) * sizeof(wchar_t)));
    Win32Platform platform;
    EXPECT_EQ(platform.readSetting("Longstopper", "Tunebench", "GOB", ""), "D:\\Spiele\\" + kLodzUtf8 + "\\Longstopper.gob");
    RegDeleteValueW(key, L"GOB");
    EXPECT_EQ(platform.readSetting("Longstopper", "Tunebench", "GOB", "none"), "none");
    RegCloseKey(key);
}

TEST(Win32Platform, TheProgramCarriesItsIconAndCommonControls6) {
    const HINSTANCE program = GetModuleHandleW(nullptr);
    EXPECT_NE(LoadIconW(program, L"IDI_ICON1"), nullptr);
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

// Windows locks are mandatory: the archive's lock must stop a second writer of
// ours and nothing else; a save then commits by clearing its journal.
TEST(Win32Files, OneWriterPerArchiveAndTheSaveCommits) {
    using namespace std::chrono_literals;
    const auto archive = kFolder / "a.gob";
    std::filesystem::create_directories(kFolder);
    std::ofstream(archive, std::ios::binary) << std::string(8000, 'a');
    auto& files = fielddata::systemFileSystem();
    {
        const auto first = fielddata::lockArchive(files, archive, 0ms);
        ASSERT_TRUE(first.ok()) << first.reason();
        EXPECT_EQ(fielddata::lockArchive(files, archive, 50ms).reason(),
                  "Another Ringwright is writing to \"" + archive.string() + "\" just now. Try again in a moment.");
        std::fstream(archive, std::ios::in | std::ios::out | std::ios::binary).write("game", 4);
    }
    // The file's identity is what lets a journal tell its own archive from another.
    const auto facts = files.facts(archive).value();
    EXPECT_EQ(int(facts.kind), int(fielddata::FileKind::Plain));
    EXPECT_EQ(facts.size, 8000u);
    EXPECT_NE(facts.identity, fielddata::FileIdentity{});
    EXPECT_EQ(int(files.facts(kFolder).value().kind), int(fielddata::FileKind::Folder));
    EXPECT_EQ(int(files.facts(kFolder / "none").value().kind), int(fielddata::FileKind::Missing));
    auto opened = fielddata::Archive::open(archive, kFolder / "data");
    ASSERT_TRUE(opened.ok()) << opened.reason();
    ASSERT_TRUE(opened.value().save({1001, "BEGIN", "Deep", {}, true}).ok());
    std::ifstream saved(archive, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(saved), {}};
    saved.close();
    EXPECT_EQ(bytes.substr(0, 4) + bytes.substr(1000, 6), std::string("gameBEGIN\0", 10));
    EXPECT_FALSE(std::filesystem::exists(kFolder / "a.gob.ringwright-journal"));
    std::filesystem::remove_all(kFolder);
}
