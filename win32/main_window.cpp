#include "win32/main_window.h"
#include "win32/all_fields_window.h"
#include "win32/dialogs.h"

#include <utility>

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include "editor/fielding_positions.h"
#include "editor/form.h"
#include "platform/win32/wide_text.h"
#include "win32/colours.h"
#include "win32/control_kinds.h"
#include "win32/control_ids.h"
#include "win32/dpi.h"
#include "win32/ground_window.h"
#include "win32/picture.h"
#include "win32/window_class.h"
#include "win32/zoom_window.h"

namespace ringwright::win32 {
namespace {

constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kMainExStyle = WS_EX_CONTROLPARENT | WS_EX_ACCEPTFILES;  // files dropped anywhere on it
// Posted once the controls are made: the tooltips, which no one sees before
// the pointer rests on a control, are made after the window is up.
constexpr UINT kAddTooltips = WM_APP;
constexpr UINT kSettleFocus = WM_APP + 1;

// Whether control `id` is one of the nine of a fielder row's column from `first`.
bool inRow(int id, int first) { return id >= first && id < first + fielddata::kFielderCount; }

int shiftState() {
    return (GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
           (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

}  // namespace

void MainWindow::registerClasses(HINSTANCE instance) {
    registerWindowClass(instance, kMainClass, procedure, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                        LoadIconW(instance, L"IDI_ICON1"));
    GroundWindow::registerClass(instance);
    MarkerWindow::registerClass(instance);
    ZoomWindow::registerClass(instance);
    AllFieldsWindow::registerClass(instance);
}

MainWindow::MainWindow(HINSTANCE instance, Platform& platform, std::filesystem::path catalogueFolder)
    : instance_(instance), core_(*this, platform, std::move(catalogueFolder)) {
    core_.Form_Initialize();
    const Scale system(dpiOf(nullptr));
    const SIZE outer = outerSizeFor(system.pixels(form::kMainClientWidth), system.pixels(form::kMainClientHeight), kMainStyle,
                                 kMainExStyle, system.dpi());
    // Made at its centred place on the primary monitor's work area: moving a
    // made window there costs as much again.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    CreateWindowExW(kMainExStyle, kMainClass, wideFromUtf8(form::kMainTitle).c_str(), kMainStyle,
                    work.left + (work.right - work.left - outer.cx) / 2, work.top + (work.bottom - work.top - outer.cy) / 2,
                    outer.cx, outer.cy, nullptr, nullptr, instance, creationParameter());
}

MainWindow::~MainWindow() {
    if (fieldTools_) DestroyAcceleratorTable(fieldTools_);
    zoom_.reset();
    allFields_.reset();
    if (window_) DestroyWindow(window_);
}

LRESULT MainWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        scale_ = Scale(dpiOf(window_));
        createControls();
        PostMessageW(window_, kAddTooltips, 0, 0);
        return 0;
    case kAddTooltips: addTooltips(); return 0;
    case kSettleFocus: settleLostFocus(); return 0;
    case WM_COMMAND: onCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: return onControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DPICHANGED: onDpiChanged(HIWORD(wParam), *reinterpret_cast<RECT*>(lParam)); return 0;
    case WM_ACTIVATE: onActivate(LOWORD(wParam) != WA_INACTIVE); return 0;
    case WM_NEXTDLGCTL: onNextControl(wParam, LOWORD(lParam) != 0); return 0;
    case WM_CONTEXTMENU: onGroundMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_DROPFILES: onDropFiles(reinterpret_cast<HDROP>(wParam)); return 0;
    case WM_CLOSE: core_.Form_Unload(); return 0;
    default: return DefWindowProcW(window_, message, wParam, lParam);
    }
}

// Made at its place with its font: moving sixty controls afterwards costs
// more than making them.
HWND MainWindow::add(const form::Row& row) {
    const KindOfControl kind = kindOf(row.kind);
    const RECT at = scale_.pixels(row.place);
    const bool list = row.kind == form::Kind::DropDownList;
    const int height = at.bottom - at.top;
    const HWND control = CreateWindowExW(kind.exStyle, kind.type, wideFromUtf8(row.caption).c_str(),
                                         row.visible ? kind.style : kind.style & ~WS_VISIBLE, at.left, at.top,
                                         at.right - at.left, list ? height + kDroppedListPixels : height, window_,
                                         reinterpret_cast<HMENU>(INT_PTR(idOf(row.id))), instance_, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->of(row.face)), FALSE);
    if (list) SendMessageW(control, CB_SETITEMHEIGHT, WPARAM(-1), height - kListItemInset);
    return control;
}

// Each row of the form in one loop, in TabIndex order, which is the order Tab
// walks and puts each label just before the control its access key leads to.
void MainWindow::createControls() {
    fonts_ = std::make_unique<Fonts>(scale_);
    for (const form::Row& row : form::mainRows()) {
        HWND made = nullptr;
        if (row.kind == form::Kind::GroundView) {
            made = picture1_ = GroundWindow::create(window_, idOf(row.id), scale_.pixels(row.place), scale_);
        } else {
            made = add(row);
        }
        controls_[row.id] = made;
        placed_.push_back({made, row.place, row.face});
        if (row.back) backColours_[made] = *row.back;
    }
    for (int i = 0; i < fielddata::kFielderCount; ++i)
        SetWindowSubclass(control(txtX(i)), xBoxProcedure, UINT_PTR(i), reinterpret_cast<DWORD_PTR>(this));

    const form::Markers& markers = form::kMainMarkers;
    const MarkerLook look{markers.fore, markers.back, fonts_->of(form::Face::Digit), markers.width, markers.height};
    for (int i = 0; i < fielddata::kFielderCount; ++i)
        lblFielder_[std::size_t(i)] = MarkerWindow::create(picture1_, id::kLblFielder + i, i,
                                                           {float(markers.left), float(markers.tops[i])}, look, *this, scale_);

    // The field tools from the keyboard; Ctrl+C is the ground view's own.
    std::vector<ACCEL> keys;
    for (const form::ToolKey& key : form::toolKeys())
        if (!key.groundViewOnly)
            keys.push_back({BYTE(FCONTROL | FVIRTKEY | (key.shift ? FSHIFT : 0)), WORD(key.key), WORD(idOf(key.tool))});
    fieldTools_ = CreateAcceleratorTableW(keys.data(), int(keys.size()));
}

void MainWindow::addTooltips() {
    tooltip_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, window_, nullptr,
                               instance_, nullptr);
    for (const form::Row& row : form::mainRows()) {
        if (row.tooltip.empty()) continue;
        const std::wstring shown = wideFromUtf8(row.tooltip);
        TOOLINFOW tip{};
        tip.cbSize = sizeof tip;
        tip.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tip.hwnd = window_;
        tip.uId = reinterpret_cast<UINT_PTR>(control(row.id));
        tip.lpszText = const_cast<wchar_t*>(shown.c_str());
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tip));
    }
    for (int i = 0; i < fielddata::kFielderCount; ++i) setMarkerTip(i, "", TTM_ADDTOOLW);
}

// A marker's tooltip says its number and its position's name.
void MainWindow::setMarkerTip(int fielder, const std::string& name, UINT message) {
    if (!tooltip_) return;
    const std::wstring shown = wideFromUtf8(positions::markerTip(fielder, name));
    TOOLINFOW tip{};
    tip.cbSize = sizeof tip;
    tip.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tip.hwnd = window_;
    tip.uId = reinterpret_cast<UINT_PTR>(lblFielder_[std::size_t(fielder)]);
    tip.lpszText = const_cast<wchar_t*>(shown.c_str());
    SendMessageW(tooltip_, message, 0, reinterpret_cast<LPARAM>(&tip));
}

// Every control from its twips at a new DPI, with its font.
void MainWindow::layOut() {
    for (const auto& [control, where, face] : placed_) {
        RECT at = scale_.pixels(where);
        wchar_t type[32] = {};
        GetClassNameW(control, type, 32);
        const bool list = lstrcmpiW(type, WC_COMBOBOXW) == 0;
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->of(face)), TRUE);
        // A list's height holds its dropped part; its field keeps the table's height.
        const int height = at.bottom - at.top;
        SetWindowPos(control, nullptr, at.left, at.top, at.right - at.left, list ? height + kDroppedListPixels : height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (list) SendMessageW(control, CB_SETITEMHEIGHT, WPARAM(-1), height - kListItemInset);
    }
    GroundWindow::rescale(picture1_, scale_);
    for (HWND marker : lblFielder_) MarkerWindow::rescale(marker, fonts_->of(form::Face::Digit), scale_);
}

void MainWindow::onDpiChanged(UINT dpi, const RECT& suggested) {
    if (dpi == scale_.dpi()) return;
    scale_ = Scale(dpi);
    fonts_ = std::make_unique<Fonts>(scale_);
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    layOut();
}

void MainWindow::showCentred() {
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    SetFocus(control(kTxtGOBFile));
}

bool MainWindow::isDialogMessage(MSG& message) {
    // The tool keys work in the zoom window too: Ctrl+Z there takes back its drop.
    const bool zoomAlive = zoom_ && zoom_->alive();
    const bool ours = window_ && (message.hwnd == window_ || IsChild(window_, message.hwnd) ||
                                  (zoomAlive && (message.hwnd == zoom_->handle() || IsChild(zoom_->handle(), message.hwnd))));
    if (ours && TranslateAcceleratorW(window_, fieldTools_, &message)) return true;
    if (zoomAlive && IsDialogMessageW(zoom_->handle(), &message)) return true;
    return window_ && IsDialogMessageW(window_, &message);
}

// As a dialog does: the control that had the focus when a message box or
// the zoom window took over gets it back.
void MainWindow::onActivate(bool active) {
    if (!active) {
        const HWND focus = GetFocus();
        if (focus && IsChild(window_, focus)) lastFocus_ = focus;
        return;
    }
    SetFocus(lastFocus_ && IsWindow(lastFocus_) ? lastFocus_ : control(kTxtGOBFile));
}

// The access key of a label: the keyboard moves on to the control after it.
void MainWindow::onNextControl(WPARAM which, bool isHandle) {
    const HWND next = isHandle ? reinterpret_cast<HWND>(which) : GetNextDlgTabItem(window_, GetFocus(), which != 0);
    if (next) SetFocus(next);
}

// Only the focus moving from one control of the editor to another is lost
// and got: a message box, a dialog or another program taking it is not, and
// its coming back to the box that had it is no new arrival. Where a lost
// focus went is known only once it has arrived, so it is settled then: at
// the next control's own arrival, or just after.
void MainWindow::onBoxFocus(int id, bool arriving) {
    if (!arriving) {
        pendingLoss_ = id;
        PostMessageW(window_, kSettleFocus, 0, 0);
        return;
    }
    if (pendingLoss_) tellFocus(std::exchange(pendingLoss_, 0), false);
    if (id == focusHolder_) return;
    if (focusHolder_) tellFocus(focusHolder_, false);  // it left while the editor was away
    tellFocus(id, true);
}

void MainWindow::settleLostFocus() {
    const HWND focus = GetFocus();
    if (pendingLoss_ && focus && IsChild(window_, focus)) tellFocus(pendingLoss_, false);
    pendingLoss_ = 0;
}

void MainWindow::tellFocus(int id, bool arriving) {
    focusHolder_ = arriving ? id : 0;
    if (inRow(id, id::kTxtX)) arriving ? core_.txtX_GotFocus(id - id::kTxtX) : core_.txtX_LostFocus(id - id::kTxtX);
    if (inRow(id, id::kTxtZ)) arriving ? core_.txtZ_GotFocus(id - id::kTxtZ) : core_.txtZ_LostFocus(id - id::kTxtZ);
    if (inRow(id, id::kTxtNum) && !arriving) core_.txtNum_LostFocus(id - id::kTxtNum);
}

void MainWindow::onCommand(int id, int code) {
    if (inRow(id, id::kTxtX) || inRow(id, id::kTxtZ) || inRow(id, id::kTxtNum)) {
        if (code == EN_SETFOCUS || code == EN_KILLFOCUS) onBoxFocus(id, code == EN_SETFOCUS);
        return;
    }
    if (inRow(id, id::kCboAnim)) {
        if (code == CBN_SELCHANGE) core_.cboAnim_Click(id - id::kCboAnim);
        return;
    }
    if (id == id::kCboFieldList && code == CBN_SELCHANGE) return core_.cboFieldList_Click();
    if (id >= id::kFirstTool && id < id::kFirstTool + form::kToolCount) return core_.RunTool(form::Tool(id - id::kFirstTool));
    if (code != BN_CLICKED) return;
    switch (id) {
    case id::kCmdGOBFile: return core_.cmdGOBFile_Click();
    case id::kCmdSave: return core_.cmdSave_Click();
    case id::kCmdExport: return core_.cmdExport_Click();
    case id::kCmdImport: return core_.cmdImport_Click();
    case id::kCmdAbout: return core_.cmdAbout_Click();
    case id::kCmdZoom: return core_.cmdZoom_Click();
    default: return;
    }
}

// From the keyboard (the menu key, Shift+F10) the system gives no point:
// the menu then opens over the middle of the ground view.
void MainWindow::onGroundMenu(POINT at) {
    if (at.x == -1 && at.y == -1) {
        const HWND ground = GetDlgItem(window_, id::kPicture1);
        RECT area{};
        GetClientRect(ground, &area);
        at = {area.right / 2, area.bottom / 2};
        ClientToScreen(ground, &at);
    }
    const HMENU menu = CreatePopupMenu();
    for (const form::MenuEntry& entry : form::groundMenu()) {
        if (entry.separatorBefore) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        const ToolState state = core_.toolState(entry);
        std::string label = state.label;
        if (!entry.keys.empty()) label += "\t" + std::string(entry.keys);
        AppendMenuW(menu, MF_STRING | (state.enabled ? 0 : MF_GRAYED) | (state.checked ? MF_CHECKED : 0),
                    idOf(entry.tool), wideFromUtf8(label).c_str());
    }
    const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr);
    DestroyMenu(menu);
    if (chosen) onCommand(chosen, 0);
}

void MainWindow::onDropFiles(HDROP files) {
    std::wstring path(std::size_t(DragQueryFileW(files, 0, nullptr, 0)) + 1, L'\0');
    path.resize(DragQueryFileW(files, 0, path.data(), UINT(path.size())));
    DragFinish(files);
    core_.DropFile(utf8FromWide(path));
}

// Boxes and labels show their stored colours; every label stands on the
// window's own face.
LRESULT MainWindow::onControlColour(HDC dc, HWND control) {
    const auto found = backColours_.find(control);
    wchar_t type[16] = {};
    GetClassNameW(control, type, 16);
    const bool label = lstrcmpiW(type, L"STATIC") == 0;
    const StoredColour back = found != backColours_.end() ? found->second
                              : label                     ? StoredColour(0x80000000u | COLOR_BTNFACE)
                                                          : colour::kWindowBackground;
    SetTextColor(dc, colorRefOf(colour::kWindowText));
    SetBkColor(dc, colorRefOf(back));
    return reinterpret_cast<LRESULT>(brushOf(back));
}

// Every key let go in an X box, whatever it is, places the markers afresh.
LRESULT CALLBACK MainWindow::xBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR index,
                                           DWORD_PTR self) {
    if (message == WM_KEYUP || message == WM_SYSKEYUP)
        reinterpret_cast<MainWindow*>(self)->core_.txtX_KeyUp(int(index), int(wParam), shiftState());
    if (message == WM_NCDESTROY) RemoveWindowSubclass(box, xBoxProcedure, index);
    return DefSubclassProc(box, message, wParam, lParam);
}

void MainWindow::markerDown(int i, int b, int s, float x, float y) { core_.lblFielder_MouseDown(i, b, s, x, y); }
void MainWindow::markerMove(int i, int b, int s, float x, float y) { core_.lblFielder_MouseMove(i, b, s, x, y); }
void MainWindow::markerUp(int i, int b, int s, float x, float y) { core_.lblFielder_MouseUp(i, b, s, x, y); }
void MainWindow::markerLost() { core_.abandonDrag(); }

HWND MainWindow::control(ControlId id) const {
    if (id.control == Control::frmMain) return window_;
    if (id.control == Control::lblFielder) return lblFielder_.at(std::size_t(id.index));
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

std::string MainWindow::text(ControlId box) const { return windowText(control(box)); }
void MainWindow::setText(ControlId box, const std::string& text) {
    SetWindowTextW(control(box), wideFromUtf8(text).c_str());
}

void MainWindow::addListEntry(ControlId list, const std::string& entry) {
    SendMessageW(control(list), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wideFromUtf8(entry).c_str()));
}

int MainWindow::listCount(ControlId list) const { return int(SendMessageW(control(list), CB_GETCOUNT, 0, 0)); }

std::string MainWindow::listEntry(ControlId list, int entry) const {
    const HWND box = control(list);
    std::wstring text(std::size_t(SendMessageW(box, CB_GETLBTEXTLEN, WPARAM(entry), 0)) + 1, L'\0');
    text.resize(std::size_t(SendMessageW(box, CB_GETLBTEXT, WPARAM(entry), reinterpret_cast<LPARAM>(text.data()))));
    return utf8FromWide(text);
}

int MainWindow::listIndex(ControlId list) const { return int(SendMessageW(control(list), CB_GETCURSEL, 0, 0)); }
void MainWindow::setListIndex(ControlId list, int entry) { SendMessageW(control(list), CB_SETCURSEL, WPARAM(entry), 0); }

void MainWindow::setListEntry(ControlId list, int entry, const std::string& text) {
    const HWND box = control(list);
    const auto selected = SendMessageW(box, CB_GETCURSEL, 0, 0);
    SendMessageW(box, CB_DELETESTRING, WPARAM(entry), 0);
    SendMessageW(box, CB_INSERTSTRING, WPARAM(entry), LPARAM(wideFromUtf8(text).c_str()));
    SendMessageW(box, CB_SETCURSEL, WPARAM(selected), 0);
}

// Over the window the player asked from: the main one or the window of all fields.
std::optional<std::string> MainWindow::askText(const std::string& caption, const std::string& prompt,
                                               const std::string& text) {
    const bool fromAllFields = allFields_ && allFields_->alive() && GetActiveWindow() == allFields_->handle();
    return win32::askText(fromAllFields ? allFields_->handle() : window_, caption, prompt, text);
}

AllFieldsView* MainWindow::allFieldsWindow() {
    if (allFields_ && !allFields_->alive()) allFields_.reset();
    return allFields_.get();
}

AllFieldsView& MainWindow::loadAllFieldsWindow() {
    if (!allFieldsWindow()) allFields_ = std::make_unique<AllFieldsWindow>(core_, window_, instance_);
    return *allFields_;
}

void MainWindow::setBackColor(ControlId id, StoredColour colour) {
    if (id.control == Control::lblFielder) return MarkerWindow::setBackColor(control(id), colour);
    backColours_[control(id)] = colour;
    InvalidateRect(control(id), nullptr, TRUE);
}

TwipsPoint MainWindow::markerPosition(int fielder) const { return MarkerWindow::position(lblFielder_.at(std::size_t(fielder))); }
void MainWindow::moveMarker(int fielder, TwipsPoint where) { MarkerWindow::moveTo(lblFielder_.at(std::size_t(fielder)), where); }

WindowHandle MainWindow::windowHandle(ControlId window) const {
    return reinterpret_cast<WindowHandle>(window.control == Control::Picture1 ? picture1_ : window_);
}

void MainWindow::setFieldInWords(const std::array<std::string, fielddata::kFielderCount>& names, const std::string& line,
                                 const std::string& warnings) {
    std::array<std::wstring, fielddata::kFielderCount> captions;
    for (std::size_t i = 0; i < captions.size(); ++i) captions[i] = wideFromUtf8(names[i]);
    GroundWindow::setFieldInWords(picture1_, captions, wideFromUtf8(line), wideFromUtf8(warnings));
    for (int i = 0; i < fielddata::kFielderCount; ++i) setMarkerTip(i, names[std::size_t(i)]);
}

std::optional<std::pair<int, int>> MainWindow::choosePlacement(const std::vector<std::string>& fielders,
                                                               const std::vector<std::string>& positions, int fielder) {
    return win32::choosePlacement(window_, fielders, positions, fielder);
}

void MainWindow::setRingCount(const std::string& text) {
    GroundWindow::setRingCount(picture1_, wideFromUtf8(text), fonts_->of(form::Face::Window));
}

bool MainWindow::saveGroundPicture(const std::string& path) {
    const HBITMAP picture = GroundWindow::picture(picture1_);
    const bool saved = savePng(picture, wideFromUtf8(path));
    DeleteObject(picture);
    return saved;
}

void MainWindow::copyGroundPicture() {
    const HBITMAP picture = GroundWindow::picture(picture1_);
    // Once set, the clipboard owns the picture.
    if (OpenClipboard(window_) && EmptyClipboard() && SetClipboardData(CF_BITMAP, picture)) {
        CloseClipboard();
        return;
    }
    CloseClipboard();
    DeleteObject(picture);
}

TwipsPoint MainWindow::windowPosition() const {
    RECT outer;
    GetWindowRect(window_, &outer);
    return {scale_.twips(outer.left), scale_.twips(outer.top)};
}

// A zoom window the player closed is gone; the next use loads a new one.
ZoomView* MainWindow::zoomWindow() {
    if (zoom_ && !zoom_->alive()) zoom_.reset();
    return zoom_.get();
}

ZoomView& MainWindow::loadZoomWindow() {
    zoom_ = std::make_unique<ZoomWindow>(core_.zoom(), window_, instance_);
    return *zoom_;
}

void MainWindow::endProgram(int exitStatus) {
    zoom_.reset();
    allFields_.reset();
    if (window_) DestroyWindow(window_);
    PostQuitMessage(exitStatus);
}

}  // namespace ringwright::win32
