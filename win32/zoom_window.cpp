#include "win32/zoom_window.h"

#include "editor/main_layout.h"
#include "editor/zoom_layout.h"
#include "win32/control_ids.h"
#include "win32/dpi.h"
#include "win32/main_window.h"
#include "win32/window_class.h"

namespace ringwright::win32 {
namespace zl = zoom_layout;
namespace {

constexpr DWORD kZoomStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kZoomExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

ZoomWindow* windowOf(HWND window) { return reinterpret_cast<ZoomWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

}  // namespace

void ZoomWindow::registerClass(HINSTANCE instance) {
    registerWindowClass(instance, kZoomClass, procedure, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
}

ZoomWindow::ZoomWindow(MainWindow& main, HINSTANCE instance) : main_(main) {
    // No owner: either window can cover the other.
    CreateWindowExW(kZoomExStyle, kZoomClass, L"Zoom View", kZoomStyle, 0, 0, 0, 0, nullptr, nullptr, instance, this);
    scale_ = Scale(dpiOf(window_));
    fonts_ = std::make_unique<Fonts>(scale_);
    const SIZE outer = outerSizeFor(scale_.pixels(zl::kClientWidth), scale_.pixels(zl::kClientHeight), kZoomStyle,
                                    kZoomExStyle, scale_.dpi());
    SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const MarkerLook look{colour::kWindowText, colour::kCyan, fonts_->marker(), zl::kMarkerWidth, zl::kMarkerHeight};
    for (int i = 0; i < fielddata::kFielderCount; ++i) {
        lblFielder_[std::size_t(i)] = MarkerWindow::create(window_, id::kLblFielder + i, i, look, *this, scale_);
        MarkerWindow::moveTo(lblFielder_[std::size_t(i)], {float(zl::kMarkerLeft), float(main_layout::kMarkerTops[i])});
    }
}

ZoomWindow::~ZoomWindow() {
    if (window_) DestroyWindow(window_);
}

LRESULT CALLBACK ZoomWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<ZoomWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    ZoomWindow* self = windowOf(window);
    return self ? self->onMessage(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT ZoomWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: onPaint(); return 0;
    case WM_CLOSE:
        main_.core().zoom().abandonDrag();
        DestroyWindow(window_);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        window_ = nullptr;
        return 0;
    default: return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void ZoomWindow::onPaint() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window_, &paint);
    const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    MoveToEx(dc, scale_.pixels(zl::kLine1FromX), scale_.pixels(zl::kLine1FromY), nullptr);
    LineTo(dc, scale_.pixels(zl::kLine1ToX), scale_.pixels(zl::kLine1ToY));
    const RECT pitch = scale_.pixels(zl::kShape1);
    Rectangle(dc, pitch.left, pitch.top, pitch.right, pitch.bottom);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    EndPaint(window_, &paint);
}

TwipsPoint ZoomWindow::markerPosition(int fielder) const {
    return MarkerWindow::position(lblFielder_.at(std::size_t(fielder)));
}
void ZoomWindow::moveMarker(int fielder, TwipsPoint where) {
    MarkerWindow::moveTo(lblFielder_.at(std::size_t(fielder)), where);
}
bool ZoomWindow::isVisible() const { return window_ && IsWindowVisible(window_); }

void ZoomWindow::show() {
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
}

void ZoomWindow::bringToFront() {
    SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(window_);
}

void ZoomWindow::moveTo(TwipsPoint screen) {
    const POINT at = scale_.pixels(screen);
    SetWindowPos(window_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ZoomWindow::takeIconOfMainWindow() {
    const auto icon = static_cast<LPARAM>(GetClassLongPtrW(main_.handle(), GCLP_HICON));
    SendMessageW(window_, WM_SETICON, ICON_BIG, icon);
    SendMessageW(window_, WM_SETICON, ICON_SMALL, icon);
}

WindowHandle ZoomWindow::windowHandle() const { return reinterpret_cast<WindowHandle>(window_); }

void ZoomWindow::markerDown(int i, int b, int s, float x, float y) { main_.core().zoom().lblFielder_MouseDown(i, b, s, x, y); }
void ZoomWindow::markerMove(int i, int b, int s, float x, float y) { main_.core().zoom().lblFielder_MouseMove(i, b, s, x, y); }
void ZoomWindow::markerUp(int i, int b, int s, float x, float y) { main_.core().zoom().lblFielder_MouseUp(i, b, s, x, y); }
void ZoomWindow::markerLost() { main_.core().zoom().abandonDrag(); }

}  // namespace ringwright::win32
