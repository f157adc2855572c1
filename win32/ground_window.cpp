#include "win32/ground_window.h"

#include "editor/form.h"
#include "win32/control_ids.h"
#include "win32/marker_window.h"
#include "win32/picture.h"
#include "win32/window_class.h"

namespace ringwright::win32 {
namespace {

// The ground's state lives as long as its window.
struct Ground final : WindowObject {
    Ground(const Scale& scale, HBITMAP picture) : scale(scale), picture(picture) {}
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void onWindowGone() override {
        if (picture) DeleteObject(picture);
        delete this;
    }

    Scale scale;
    HBITMAP picture = nullptr;
    std::wstring ringCount, inWords, warnings;
    std::array<std::wstring, 9> captions;
    HFONT font = nullptr;
};

Ground* groundOf(HWND window) { return WindowObject::of<Ground>(window); }

void onPaint(HWND window, const Ground& ground) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    RECT area;
    GetClientRect(window, &area);
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    if (ground.picture) {
        const HDC source = CreateCompatibleDC(dc);
        const HGDIOBJ old = SelectObject(source, ground.picture);
        const int side = ground.scale.pixels(form::kGroundPictureSide);
        BitBlt(dc, 0, 0, side, side, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
    }
    const HPEN dashed = CreatePen(PS_DASH, 1, RGB(0, 0, 0));
    const HGDIOBJ oldPen = SelectObject(dc, dashed);
    const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    SetBkMode(dc, TRANSPARENT);
    const RECT circle = ground.scale.pixels(form::kShape1);
    Ellipse(dc, circle.left, circle.top, circle.right, circle.bottom);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(dashed);
    // Small plain text on the dark corner.
    const HGDIOBJ oldFont = SelectObject(dc, ground.font ? ground.font : GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(dc, RGB(255, 255, 255));
    const POINT at = ground.scale.pixels(form::kRingCountAt);
    TextOutW(dc, at.x, at.y, ground.ringCount.c_str(), int(ground.ringCount.size()));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    // A long field ends in an ellipsis rather than past the picture's edge.
    RECT line{at.x, at.y + metrics.tmHeight, area.right - at.x, at.y + 2 * metrics.tmHeight};
    std::wstring inWords = ground.inWords;
    DrawTextW(dc, inWords.data(), int(inWords.size()), &line, DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    SetTextColor(dc, RGB(255, 224, 96));  // warnings in amber
    OffsetRect(&line, 0, metrics.tmHeight);
    std::wstring warnings = ground.warnings;
    DrawTextW(dc, warnings.data(), int(warnings.size()), &line, DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(dc, oldFont);
    MarkerWindow::drawCaptions(dc, window, ground.captions, ground.font ? ground.font : HFONT(GetStockObject(DEFAULT_GUI_FONT)),
                               RGB(255, 255, 255));
    EndPaint(window, &paint);
}

void drawFocusEdge(HWND window) {
    const HDC dc = GetWindowDC(window);
    RECT outer{}, inner{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &inner);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&inner), 2);
    OffsetRect(&inner, -outer.left, -outer.top);
    OffsetRect(&outer, -outer.left, -outer.top);
    ExcludeClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
    FillRect(dc, &outer, GetSysColorBrush(COLOR_HIGHLIGHT));
    ReleaseDC(window, dc);
}

LRESULT Ground::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = window_;
    switch (message) {
    case WM_PAINT: onPaint(window, *this); return 0;
    case WM_ERASEBKGND: return 1;  // the paint covers every pixel
    case WM_LBUTTONDOWN: SetFocus(window); return 0;  // so that Ctrl+C copies the picture
    case WM_KEYDOWN:
        for (const form::ToolKey& key : form::toolKeys())
            if (key.groundViewOnly && wParam == WPARAM(key.key) && GetKeyState(VK_CONTROL) < 0 &&
                (GetKeyState(VK_SHIFT) < 0) == key.shift)
                SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(idOf(key.tool), 0), 0);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        return 0;
    case WM_NCPAINT: {
        // The edge shows the focus, outside the picture that is copied.
        const LRESULT painted = DefWindowProcW(window, message, wParam, lParam);
        if (GetFocus() == window) drawFocusEdge(window);
        return painted;
    }
    case WM_CONTEXTMENU:
        // Where no marker stands: a press on a marker starts a drag instead.
        SendMessageW(GetParent(window), WM_CONTEXTMENU, wParam, lParam);
        return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

void GroundWindow::registerClass(HINSTANCE instance) {
    registerWindowClass(instance, kGroundClass, WindowObject::procedure);
}

HWND GroundWindow::create(HWND parent, int id, const RECT& at, const Scale& scale) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    const HWND window = CreateWindowExW(WS_EX_CLIENTEDGE, kGroundClass, L"",
                                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN, at.left, at.top,
                                        at.right - at.left, at.bottom - at.top, parent,
                                        reinterpret_cast<HMENU>(INT_PTR(id)), instance,
                                        static_cast<WindowObject*>(new Ground(scale, loadGroundPicture(instance, scale.pixels(form::kGroundPictureSide)))));
    return window;
}

void GroundWindow::setRingCount(HWND ground, const std::wstring& text, HFONT font) {
    Ground& state = *groundOf(ground);
    state.ringCount = text;
    state.font = font;
    InvalidateRect(ground, nullptr, FALSE);
}

void GroundWindow::setFieldInWords(HWND ground, const std::array<std::wstring, 9>& names, const std::wstring& line,
                                   const std::wstring& warnings) {
    Ground& state = *groundOf(ground);
    state.captions = names;
    state.inWords = line;
    state.warnings = warnings;
    InvalidateRect(ground, nullptr, FALSE);  // the captions beside markers that moved
}

HBITMAP GroundWindow::picture(HWND ground) {
    RECT area;
    GetClientRect(ground, &area);
    MapWindowPoints(ground, nullptr, reinterpret_cast<POINT*>(&area), 2);
    const int side = groundOf(ground)->scale.pixels(form::kGroundPictureSide);
    UpdateWindow(ground);
    const HDC screen = GetDC(nullptr);
    const HDC copy = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, side, side);
    const HGDIOBJ old = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, side, side, screen, area.left, area.top, SRCCOPY);
    SelectObject(copy, old);
    DeleteDC(copy);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

void GroundWindow::rescale(HWND ground, const Scale& scale) {
    Ground& state = *groundOf(ground);
    if (scale.dpi() == state.scale.dpi()) return;
    state.scale = scale;
    if (state.picture) DeleteObject(state.picture);
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(ground, GWLP_HINSTANCE));
    state.picture = loadGroundPicture(instance, scale.pixels(form::kGroundPictureSide));
    InvalidateRect(ground, nullptr, TRUE);
}

}  // namespace ringwright::win32
