#include "win32/all_fields_window.h"

#include "editor/form.h"
#include "platform/win32/wide_text.h"
#include "win32/colours.h"
#include "win32/control_ids.h"
#include "win32/dpi.h"
#include "win32/picture.h"

namespace ringwright::win32 {
namespace {

constexpr UINT_PTR kFillTimer = 1;
// Posted by the first card of a step: the step's cards are in, so the list
// is laid out and drawn once for all of them.
constexpr UINT kStepDone = WM_APP + 1;
constexpr int kListId = 700;

}  // namespace

void AllFieldsWindow::registerClass(HINSTANCE instance) {
    registerWindowClass(instance, kAllFieldsClass, procedure, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
}

AllFieldsWindow::AllFieldsWindow(frmMain& behaviour, HWND main, HINSTANCE instance) : behaviour_(behaviour) {
    CreateWindowExW(0, kAllFieldsClass, L"All fields", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                    0, 0, nullptr, nullptr, instance, creationParameter());
    scale_ = Scale(dpiOf(window_));
    side_ = scale_.pixels(1920);  // 128 pixels at 96 DPI
    const SIZE outer = outerSizeFor(4 * (side_ + scale_.pixels(1620)), 2 * (side_ + scale_.pixels(1800)),
                                    WS_OVERLAPPEDWINDOW, 0, scale_.dpi());
    SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const auto icon = static_cast<LPARAM>(GetClassLongPtrW(main, GCLP_HICON));
    SendMessageW(window_, WM_SETICON, ICON_BIG, icon);
    SendMessageW(window_, WM_SETICON, ICON_SMALL, icon);
    RECT client;
    GetClientRect(window_, &client);
    list_ = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_ICON | LVS_SINGLESEL |
                                                      LVS_SHOWSELALWAYS,
                            0, 0, client.right, client.bottom, window_, HMENU(INT_PTR(kListId)), instance, nullptr);
    ListView_SetExtendedListViewStyle(list_, LVS_EX_DOUBLEBUFFER | LVS_EX_INFOTIP);
    // One empty image of the pictures' size, for the list to lay the cards out by.
    pictures_ = ImageList_Create(side_, side_, ILC_COLOR24, 1, 0);
    const HDC screen = GetDC(window_);
    const HBITMAP empty = CreateCompatibleBitmap(screen, side_, side_);
    groundDc_ = CreateCompatibleDC(screen);
    ReleaseDC(window_, screen);
    ImageList_Add(pictures_, empty, nullptr);
    DeleteObject(empty);
    ListView_SetImageList(list_, pictures_, LVSIL_NORMAL);
    ListView_SetIconSpacing(list_, side_ + scale_.pixels(1440), side_ + scale_.pixels(1200));
    ground_ = loadGroundPicture(instance, side_);
    oldGround_ = SelectObject(groundDc_, ground_);
    dottedPen_ = CreatePen(PS_DOT, 1, RGB(255, 255, 255));
}

AllFieldsWindow::~AllFieldsWindow() {
    if (window_) DestroyWindow(window_);
    if (pictures_) ImageList_Destroy(pictures_);
    SelectObject(groundDc_, oldGround_);
    DeleteDC(groundDc_);
    for (HGDIOBJ made : {HGDIOBJ(ground_), HGDIOBJ(dottedPen_)})
        if (made) DeleteObject(made);
}

LRESULT AllFieldsWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        MoveWindow(list_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        ListView_Arrange(list_, LVA_DEFAULT);
        return 0;
    case kStepDone:
        stepOpen_ = false;
        ListView_Arrange(list_, LVA_DEFAULT);
        SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list_, nullptr, TRUE);
        return 0;
    case WM_SETFOCUS: SetFocus(list_); return 0;
    case WM_NOTIFY: return onNotify(*reinterpret_cast<const NMHDR*>(lParam));
    // Timers come after painting: the window shows each step's cards.
    case WM_TIMER:
        KillTimer(window_, kFillTimer);
        if (behaviour_.AllFields_Fill()) fillLater();
        return 0;
    case WM_CLOSE: DestroyWindow(window_); return 0;
    default: return DefWindowProcW(window_, message, wParam, lParam);
    }
}

LRESULT AllFieldsWindow::onNotify(const NMHDR& header) {
    if (header.hwndFrom != list_) return 0;
    switch (header.code) {
    case NM_CUSTOMDRAW: return onCustomDraw(reinterpret_cast<const NMLVCUSTOMDRAW&>(header));
    case NM_CLICK:
    case NM_DBLCLK:
    case LVN_ITEMACTIVATE: {
        const int item = reinterpret_cast<const NMITEMACTIVATE&>(header).iItem;
        if (item >= 0) behaviour_.AllFields_Choose(item);
        return 0;
    }
    case NM_RETURN: {  // where Enter raises no activation of its own
        const int item = ListView_GetNextItem(list_, -1, LVNI_FOCUSED);
        if (item >= 0) behaviour_.AllFields_Choose(item);
        return 0;
    }
    case LVN_KEYDOWN:
        if (reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_F2) {
            const int item = ListView_GetNextItem(list_, -1, LVNI_FOCUSED);
            if (item >= 0) behaviour_.RenameField(item);
        }
        return 0;
    default: return 0;
    }
}

void AllFieldsWindow::show() {
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SetFocus(list_);
    UpdateWindow(window_);
}

void AllFieldsWindow::clearCards() {
    ListView_DeleteAllItems(list_);
    drawings_.clear();
}

// Each card's picture is drawn as it shows, over the place of the one empty
// image all cards share: a catalogue of any size holds no picture per card.
// The ground, the dashed circle and the nine markers as the ground view
// shows them.
LRESULT AllFieldsWindow::onCustomDraw(const NMLVCUSTOMDRAW& draw) {
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT) return CDRF_NOTIFYPOSTPAINT;
    const auto card = std::size_t(draw.nmcd.dwItemSpec);
    if (draw.nmcd.dwDrawStage != CDDS_ITEMPOSTPAINT || card >= drawings_.size()) return CDRF_DODEFAULT;
    RECT icon{};
    icon.left = LVIR_ICON;
    SendMessageW(list_, LVM_GETITEMRECT, WPARAM(card), LPARAM(&icon));
    const int x = icon.left + (icon.right - icon.left - side_) / 2, y = icon.top + (icon.bottom - icon.top - side_) / 2;
    const HDC dc = draw.nmcd.hdc;
    BitBlt(dc, x, y, side_, side_, groundDc_, 0, 0, SRCCOPY);
    const CardDrawing& drawing = drawings_[card];
    const int saved = SaveDC(dc);
    SelectObject(dc, dottedPen_);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    SetBkMode(dc, TRANSPARENT);
    const PixelRect& ring = drawing.ring;
    Ellipse(dc, x + ring.left, y + ring.top, x + ring.left + ring.width, y + ring.top + ring.height);
    for (const PixelRect& marker : drawing.markers) {
        const RECT where{x + marker.left, y + marker.top, x + marker.left + marker.width, y + marker.top + marker.height};
        FillRect(dc, &where, brushOf(form::kMainMarkers.back));  // the markers' own red
    }
    // The chosen card's picture framed in the selection's colour, as its words are.
    if (ListView_GetItemState(list_, int(card), LVIS_SELECTED)) {
        const RECT frame{x - 3, y - 3, x + side_ + 3, y + side_ + 3};
        const HBRUSH highlight = GetSysColorBrush(COLOR_HIGHLIGHT);
        for (int k = 0; k < 3; ++k) {
            const RECT edge{frame.left + k, frame.top + k, frame.right - k, frame.bottom - k};
            FrameRect(dc, &edge, highlight);
        }
    }
    RestoreDC(dc, saved);
    return CDRF_DODEFAULT;
}

void AllFieldsWindow::addCard(const FieldCard& card) {
    if (!stepOpen_) {
        stepOpen_ = true;
        SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
        PostMessageW(window_, kStepDone, 0, 0);
    }
    std::wstring text = wideFromUtf8(card.caption());
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = ListView_GetItemCount(list_);
    item.pszText = text.data();
    item.iImage = 0;
    drawings_.push_back(drawingOf(card, side_));
    ListView_InsertItem(list_, &item);
}

void AllFieldsWindow::replaceCard(int card, const FieldCard& with) {
    std::wstring text = wideFromUtf8(with.caption());
    ListView_SetItemText(list_, card, 0, text.data());
    if (std::size_t(card) < drawings_.size()) drawings_[std::size_t(card)] = drawingOf(with, side_);
    ListView_RedrawItems(list_, card, card);
}

void AllFieldsWindow::setCurrentCard(int card) {
    ListView_SetItemState(list_, card, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(list_, card, FALSE);
}

void AllFieldsWindow::fillLater() { SetTimer(window_, kFillTimer, USER_TIMER_MINIMUM, nullptr); }

}  // namespace ringwright::win32
