#include "win32/marker_window.h"

#include <windowsx.h>

#include <string>

#include "editor/caption_places.h"
#include "editor/pointer_buttons.h"
#include "win32/colours.h"
#include "win32/control_ids.h"
#include "win32/window_class.h"

namespace ringwright::win32 {
namespace {

// A marker's state lives as long as its window.
struct Marker final : WindowObject {
    Marker(int index, const MarkerLook& look, MarkerEvents& events, const Scale& scale, TwipsPoint position)
        : index(index), look(look), events(&events), scale(scale), position(position) {}
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void onWindowGone() override { delete this; }

    int index;
    MarkerLook look;
    MarkerEvents* events;
    Scale scale;
    TwipsPoint position;
    bool held = false;
};

Marker* markerOf(HWND window) { return WindowObject::of<Marker>(window); }

int heldButtons(WPARAM keys) {
    return (keys & MK_LBUTTON ? button::kLeft : 0) | (keys & MK_RBUTTON ? button::kRight : 0) |
           (keys & MK_MBUTTON ? button::kMiddle : 0);
}

// The button a press or a release is about.
int changedButton(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: return button::kLeft;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: return button::kRight;
    default: return button::kMiddle;
    }
}

int shiftState(WPARAM keys) {
    return (keys & MK_SHIFT ? shift::kShift : 0) | (keys & MK_CONTROL ? shift::kCtrl : 0) |
           (GetKeyState(VK_MENU) < 0 ? shift::kAlt : 0);
}

void onPaint(HWND window, const Marker& marker) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    RECT area;
    GetClientRect(window, &area);
    FillRect(dc, &area, brushOf(marker.look.back));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colorRefOf(marker.look.fore));
    const HGDIOBJ old = SelectObject(dc, marker.look.font);
    const std::wstring digit = std::to_wstring(marker.index);
    DrawTextW(dc, digit.c_str(), int(digit.size()), &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
    SelectObject(dc, old);
    EndPaint(window, &paint);
}

LRESULT Marker::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = window_;
    Marker* marker = this;
    const float x = marker->scale.twips(GET_X_LPARAM(lParam));
    const float y = marker->scale.twips(GET_Y_LPARAM(lParam));
    switch (message) {
    case WM_PAINT: onPaint(window, *marker); return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        marker->held = true;
        SetCapture(window);
        marker->events->markerDown(marker->index, changedButton(message), shiftState(wParam), x, y);
        return 0;
    case WM_MOUSEMOVE:
        marker->events->markerMove(marker->index, heldButtons(wParam), shiftState(wParam), x, y);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        // The pointer stays with the marker until every button is let go.
        if (heldButtons(wParam) == 0) {
            marker->held = false;
            ReleaseCapture();
        }
        marker->events->markerUp(marker->index, changedButton(message), shiftState(wParam), x, y);
        return 0;
    case WM_CAPTURECHANGED:
        if (marker->held) {
            marker->held = false;
            marker->events->markerLost();
        }
        return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

void MarkerWindow::registerClass(HINSTANCE instance) {
    registerWindowClass(instance, kMarkerClass, WindowObject::procedure);
}

HWND MarkerWindow::create(HWND parent, int id, int index, TwipsPoint where, const MarkerLook& look,
                          MarkerEvents& events, const Scale& scale) {
    const POINT at = scale.pixels(where);
    const HWND window = CreateWindowExW(0, kMarkerClass, std::to_wstring(index).c_str(),
                                        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, at.x, at.y, scale.pixels(look.width),
                                        scale.pixels(look.height), parent, reinterpret_cast<HMENU>(INT_PTR(id)),
                                        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)),
                                        static_cast<WindowObject*>(new Marker(index, look, events, scale, where)));
    return window;
}

TwipsPoint MarkerWindow::position(HWND marker) { return markerOf(marker)->position; }

void MarkerWindow::moveTo(HWND marker, TwipsPoint where) {
    Marker& state = *markerOf(marker);
    state.position = where;
    const POINT at = state.scale.pixels(where);
    SetWindowPos(marker, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MarkerWindow::setBackColor(HWND marker, StoredColour colour) {
    markerOf(marker)->look.back = colour;
    InvalidateRect(marker, nullptr, TRUE);
}

void MarkerWindow::rescale(HWND marker, HFONT font, const Scale& scale) {
    Marker& state = *markerOf(marker);
    state.look.font = font;
    state.scale = scale;
    const POINT at = scale.pixels(state.position);
    SetWindowPos(marker, nullptr, at.x, at.y, scale.pixels(state.look.width), scale.pixels(state.look.height),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void MarkerWindow::drawCaptions(HDC dc, HWND view, const std::array<std::wstring, 9>& captions, HFONT font,
                                COLORREF colour) {
    const HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    std::array<PixelRect, 9> markers{};
    std::array<PixelSize, 9> sizes{};
    for (std::size_t i = 0; i < captions.size(); ++i) {
        RECT at{};
        GetWindowRect(GetDlgItem(view, id::kLblFielder + int(i)), &at);
        MapWindowPoints(nullptr, view, reinterpret_cast<POINT*>(&at), 2);
        markers[i] = {at.left, at.top, at.right - at.left, at.bottom - at.top};
        SIZE text{};
        if (!captions[i].empty()) GetTextExtentPoint32W(dc, captions[i].c_str(), int(captions[i].size()), &text);
        sizes[i] = {int(text.cx), int(text.cy)};
    }
    RECT area{};
    GetClientRect(view, &area);
    const auto places = captionPlaces(markers, sizes, int(area.right));
    for (std::size_t i = 0; i < captions.size(); ++i)
        if (!captions[i].empty()) TextOutW(dc, places[i].left, places[i].top, captions[i].c_str(), int(captions[i].size()));
    SelectObject(dc, old);
}

}  // namespace ringwright::win32
