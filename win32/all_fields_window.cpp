#include "win32/all_fields_window.h"

#include "platform/win32/wide_text.h"
#include "win32/control_ids.h"
#include "win32/dpi.h"
#include "win32/picture.h"

namespace ringwright::win32 {
namespace {

constexpr UINT_PTR kFillTimer = 1;
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
    const SIZE outer = outerSizeFor(5 * (side_ + scale_.pixels(1620)), 2 * (side_ + scale_.pixels(1800)),
                                    WS_OVERLAPPEDWINDOW, 0, scale_.dpi());
    SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const auto icon = static_cast<LPARAM>(GetClassLongPtrW(main, GCLP_HICON));
    SendMessageW(window_, WM_SETICON, ICON_BIG, icon);
    SendMessageW(window_, WM_SETICON, ICON_SMALL, icon);
    RECT client;
    GetClientRect(window_, &client);
    list_ = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_ICON | LVS_SINGLESEL |
                                                      LVS_SHOWSELALWAYS | LVS_AUTOARRANGE,
                            0, 0, client.right, client.bottom, window_, HMENU(INT_PTR(kListId)), instance, nullptr);
    ListView_SetExtendedListViewStyle(list_, LVS_EX_DOUBLEBUFFER | LVS_EX_INFOTIP);
    pictures_ = ImageList_Create(side_, side_, ILC_COLOR24, 0, 64);
    ListView_SetImageList(list_, pictures_, LVSIL_NORMAL);
    ListView_SetIconSpacing(list_, side_ + scale_.pixels(1440), side_ + scale_.pixels(1200));
    ground_ = loadGroundPicture(instance, side_);
}

AllFieldsWindow::~AllFieldsWindow() {
    if (window_) DestroyWindow(window_);
    if (pictures_) ImageList_Destroy(pictures_);
    if (ground_) DeleteObject(ground_);
}

LRESULT AllFieldsWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE: MoveWindow(list_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE); return 0;
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
    ImageList_RemoveAll(pictures_);
}

// The ground, the dashed circle and the nine markers as the ground view
// shows them, drawn on a bitmap that the image list then copies.
int AllFieldsWindow::pictureOf(const FieldCard& card, int replacing) {
    const HDC screen = GetDC(window_);
    const HDC dc = CreateCompatibleDC(screen), groundDc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, side_, side_);
    ReleaseDC(window_, screen);
    const HGDIOBJ oldBitmap = SelectObject(dc, bitmap), oldGround = SelectObject(groundDc, ground_);
    BitBlt(dc, 0, 0, side_, side_, groundDc, 0, 0, SRCCOPY);
    SelectObject(groundDc, oldGround);
    DeleteDC(groundDc);

    const CardDrawing drawing = drawingOf(card, side_);
    const HGDIOBJ oldPen = SelectObject(dc, CreatePen(PS_DOT, 1, RGB(255, 255, 255)));
    const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    SetBkMode(dc, TRANSPARENT);
    const PixelRect& ring = drawing.ring;
    Ellipse(dc, ring.left, ring.top, ring.left + ring.width, ring.top + ring.height);
    SelectObject(dc, oldBrush);
    DeleteObject(SelectObject(dc, oldPen));
    const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    for (const PixelRect& marker : drawing.markers) {
        const RECT where{marker.left, marker.top, marker.left + marker.width, marker.top + marker.height};
        FillRect(dc, &where, red);
    }
    DeleteObject(red);
    SelectObject(dc, oldBitmap);
    DeleteDC(dc);

    int index = replacing;
    if (replacing < 0) index = ImageList_Add(pictures_, bitmap, nullptr);
    else ImageList_Replace(pictures_, replacing, bitmap, nullptr);
    DeleteObject(bitmap);
    return index;
}

void AllFieldsWindow::addCard(const FieldCard& card) {
    std::wstring text = wideFromUtf8(card.caption());
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = ListView_GetItemCount(list_);
    item.pszText = text.data();
    item.iImage = pictureOf(card);
    ListView_InsertItem(list_, &item);
}

void AllFieldsWindow::replaceCard(int card, const FieldCard& with) {
    std::wstring text = wideFromUtf8(with.caption());
    ListView_SetItemText(list_, card, 0, text.data());
    pictureOf(with, card);
    ListView_RedrawItems(list_, card, card);
}

void AllFieldsWindow::setCurrentCard(int card) {
    ListView_SetItemState(list_, card, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(list_, card, FALSE);
}

void AllFieldsWindow::fillLater() { SetTimer(window_, kFillTimer, USER_TIMER_MINIMUM, nullptr); }

}  // namespace ringwright::win32
