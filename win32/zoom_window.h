#pragma once
// frmZoom in plain Win32: a window of its own, not owned by the main window,
// with the pitch, the line and the nine cyan markers. Closing it destroys
// the window, which unloads it.
#include <windows.h>

#include <array>
#include <memory>

#include "editor/frm_zoom.h"
#include "editor/views.h"
#include "fielddata/field_text.h"
#include "win32/fonts.h"
#include "win32/marker_window.h"
#include "win32/scale.h"
#include "win32/window_class.h"

namespace ringwright::win32 {


class ZoomWindow final : public ZoomView, public WindowObject, private MarkerEvents {
public:
    static void registerClass(HINSTANCE instance);

    // Made hidden.
    // Its own behaviour, and the main window whose icon it takes.
    ZoomWindow(frmZoom& behaviour, HWND main, HINSTANCE instance);
    ~ZoomWindow() override;
    ZoomWindow(const ZoomWindow&) = delete;
    ZoomWindow& operator=(const ZoomWindow&) = delete;

    bool alive() const { return window_ != nullptr; }

    TwipsPoint markerPosition(int fielder) const override;
    void moveMarker(int fielder, TwipsPoint where) override;
    bool isVisible() const override;
    void show() override;
    void bringToFront() override;
    void moveTo(TwipsPoint screen) override;
    void takeIconOfMainWindow() override;
    WindowHandle windowHandle() const override;
    void setFielderNames(const std::array<std::string, fielddata::kFielderCount>& names) override;

private:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void onPaint();

    void markerDown(int index, int button, int shift, float x, float y) override;
    void markerMove(int index, int button, int shift, float x, float y) override;
    void markerUp(int index, int button, int shift, float x, float y) override;
    void markerLost() override;

    frmZoom& behaviour_;
    HWND main_;
    Scale scale_;
    std::unique_ptr<Fonts> fonts_;
    std::array<HWND, fielddata::kFielderCount> lblFielder_{};
    std::array<std::wstring, fielddata::kFielderCount> captions_;
};

}  // namespace ringwright::win32
