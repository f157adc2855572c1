#pragma once
// frmMain in plain Win32: real controls made from the twips table in the
// focus order, their fonts and colours, and each window message handed to
// its handler in the behaviour. One window procedure dispatches to small
// named handlers; the window's state is this object, reached from the
// window's user data.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <vector>

#include "editor/form.h"
#include "editor/frm_main.h"
#include "editor/views.h"
#include "fielddata/field_text.h"
#include "win32/fonts.h"
#include "win32/marker_window.h"
#include "win32/scale.h"
#include "win32/window_class.h"

namespace ringwright::win32 {

class ZoomWindow;
class AllFieldsWindow;

class MainWindow final : public MainView, public WindowObject, private MarkerEvents {
public:
    static void registerClasses(HINSTANCE instance);

    MainWindow(HINSTANCE instance, Platform& platform, std::filesystem::path catalogueFolder);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    frmMain& core() { return core_; }
    // Shows the window where it was made: centred on the primary monitor's work area.
    void showCentred();
    // Tab, the arrow keys and the Alt keys of either window.
    bool isDialogMessage(MSG& message);

    std::string text(ControlId box) const override;
    void setText(ControlId box, const std::string& text) override;
    void addListEntry(ControlId list, const std::string& entry) override;
    int listCount(ControlId list) const override;
    std::string listEntry(ControlId list, int entry) const override;
    int listIndex(ControlId list) const override;
    void setListIndex(ControlId list, int entry) override;
    void setListEntry(ControlId list, int entry, const std::string& text) override;
    std::optional<std::string> askText(const std::string& caption, const std::string& prompt,
                                       const std::string& text) override;
    AllFieldsView* allFieldsWindow() override;
    AllFieldsView& loadAllFieldsWindow() override;
    void setBackColor(ControlId control, StoredColour colour) override;
    TwipsPoint markerPosition(int fielder) const override;
    void moveMarker(int fielder, TwipsPoint where) override;
    WindowHandle windowHandle(ControlId window) const override;
    TwipsPoint windowPosition() const override;
    void setRingCount(const std::string& text) override;
    std::optional<std::pair<int, int>> choosePlacement(const std::vector<std::string>& fielders,
                                                       const std::vector<std::string>& positions, int fielder) override;
    void setFieldInWords(const std::array<std::string, fielddata::kFielderCount>& names, const std::string& line,
                         const std::string& warnings) override;
    bool saveGroundPicture(const std::string& path) override;
    void copyGroundPicture() override;
    ZoomView* zoomWindow() override;
    ZoomView& loadZoomWindow() override;
    void endProgram(int exitStatus) override;

private:
    static LRESULT CALLBACK xBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR index,
                                          DWORD_PTR self);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void createControls();
    void onBoxFocus(int id, bool arriving);
    void setMarkerTip(int fielder, const std::string& name, UINT message = TTM_UPDATETIPTEXTW);
    void settleLostFocus();
    void tellFocus(int id, bool arriving);
    HWND add(const form::Row& row);
    void addTooltips();
    void layOut();
    void onActivate(bool active);
    void onNextControl(WPARAM which, bool isHandle);
    void onCommand(int id, int code);
    void onGroundMenu(POINT at);
    void onDropFiles(HDROP files);
    LRESULT onControlColour(HDC dc, HWND control);
    void onDpiChanged(UINT dpi, const RECT& suggested);

    void markerDown(int index, int button, int shift, float x, float y) override;
    void markerMove(int index, int button, int shift, float x, float y) override;
    void markerUp(int index, int button, int shift, float x, float y) override;
    void markerLost() override;

    HWND control(ControlId id) const;

    HINSTANCE instance_;
    frmMain core_;
    Scale scale_;
    std::unique_ptr<Fonts> fonts_;
    struct Placed {
        HWND control;
        TwipsRect where;
        form::Face face;  // chosen afresh at every DPI
    };
    std::vector<Placed> placed_;
    std::map<HWND, StoredColour> backColours_;
    std::map<ControlId, HWND> controls_;  // every row of the form
    HWND picture1_ = nullptr, tooltip_ = nullptr, lastFocus_ = nullptr;
    int focusHolder_ = 0;  // the box the handlers were last told has the focus
    int pendingLoss_ = 0;  // a box that lost the focus to a place not yet known
    std::array<HWND, fielddata::kFielderCount> lblFielder_{};
    std::unique_ptr<ZoomWindow> zoom_;
    std::unique_ptr<AllFieldsWindow> allFields_;
    HACCEL fieldTools_ = nullptr;
};

}  // namespace ringwright::win32
