#include "win32/zoom_window.h"

#include "editor/form.h"
#include "platform/win32/wide_text.h"
#include "win32/control_ids.h"
#include "win32/dpi.h"
#include "win32/window_class.h"

namespace ringwright::win32 {
namespace {

constexpr DWORD kZoomStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kZoomExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;


}  // namespace

void ZoomWindow::registerClass(HINSTANCE instance) {
    registerWindowClass(instance, kZoomClass, procedure, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
}

ZoomWindow::ZoomWindow(frmZoom& behaviour, HWND main, HINSTANCE instance) : behaviour_(behaviour), main_(main) {
    // No owner: either window can cover the other.
    CreateWindowExW(kZoomExStyle, kZoomClass, wideFromUtf8(form::kZoomTitle).c_str(), kZoomStyle, 0, 0, 0, 0, nullptr, nullptr, instance, creationParameter());
    scale_ = Scale(dpiOf(window_));
    fonts_ = std::make_unique<Fonts>(scale_);
    const SIZE outer = outerSizeFor(scale_.pixels(form::kZoomClientWidth), scale_.pixels(form::kZoomClientHeight), kZoomStyle,
                                    kZoomExStyle, scale_.dpi());
    SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const form::Markers& markers = form::kZoomMarkers;
    const MarkerLook look{markers.fore, markers.back, fonts_->of(form::Face::Digit), markers.width, markers.height};
    for (int i = 0; i < fielddata::kFielderCount; ++i)
        lblFielder_[std::size_t(i)] = MarkerWindow::create(window_, id::kLblFielder + i, i,
                                                           {float(markers.left), float(markers.tops[i])}, look, *this, scale_);
}

ZoomWindow::~ZoomWindow() {
    if (window_) DestroyWindow(window_);
}

LRESULT ZoomWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: onPaint(); return 0;
    case WM_CLOSE:
        behaviour_.abandonDrag();
        DestroyWindow(window_);
        return 0;
    default: return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void ZoomWindow::onPaint() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window_, &paint);
    const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    const POINT from = scale_.pixels(form::kLine1From), to = scale_.pixels(form::kLine1To);
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
    const RECT pitch = scale_.pixels(form::kZoomShape1);
    Rectangle(dc, pitch.left, pitch.top, pitch.right, pitch.bottom);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    MarkerWindow::drawCaptions(dc, window_, captions_, fonts_->of(form::Face::Window), GetSysColor(COLOR_WINDOWTEXT));
    EndPaint(window_, &paint);
}

void ZoomWindow::setFielderNames(const std::array<std::string, fielddata::kFielderCount>& names) {
    for (std::size_t i = 0; i < names.size(); ++i) captions_[i] = wideFromUtf8(names[i]);
    InvalidateRect(window_, nullptr, TRUE);
}

TwipsPoint ZoomWindow::markerPosition(int fielder) const {
    return MarkerWindow::position(lblFielder_.at(std::size_t(fielder)));
}
void ZoomWindow::moveMarker(int fielder, TwipsPoint where) {
    MarkerWindow::moveTo(lblFielder_.at(std::size_t(fielder)), where);
    InvalidateRect(window_, nullptr, TRUE);  // its caption moves with it
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
    const auto icon = static_cast<LPARAM>(GetClassLongPtrW(main_, GCLP_HICON));
    SendMessageW(window_, WM_SETICON, ICON_BIG, icon);
    SendMessageW(window_, WM_SETICON, ICON_SMALL, icon);
}

WindowHandle ZoomWindow::windowHandle() const { return reinterpret_cast<WindowHandle>(window_); }

void ZoomWindow::markerDown(int i, int b, int s, float x, float y) { behaviour_.lblFielder_MouseDown(i, b, s, x, y); }
void ZoomWindow::markerMove(int i, int b, int s, float x, float y) { behaviour_.lblFielder_MouseMove(i, b, s, x, y); }
void ZoomWindow::markerUp(int i, int b, int s, float x, float y) { behaviour_.lblFielder_MouseUp(i, b, s, x, y); }
void ZoomWindow::markerLost() { behaviour_.abandonDrag(); }

}  // namespace ringwright::win32
