#pragma once
// The window of all fields in plain Win32: a list view in icon mode filling
// a window of its own, a card per record, each a small picture of its field
// over its name, offset and words. A click, Enter or a double click chooses
// a card and F2 renames it, through the behaviour. Closing it destroys the
// window; the next "All fields..." makes a new one.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "editor/frm_main.h"
#include "editor/views.h"
#include "win32/scale.h"
#include "win32/window_class.h"

namespace ringwright::win32 {

class AllFieldsWindow final : public AllFieldsView, public WindowObject {
public:
    static void registerClass(HINSTANCE instance);

    AllFieldsWindow(frmMain& behaviour, HWND main, HINSTANCE instance);
    ~AllFieldsWindow() override;
    AllFieldsWindow(const AllFieldsWindow&) = delete;
    AllFieldsWindow& operator=(const AllFieldsWindow&) = delete;

    bool alive() const { return window_ != nullptr; }

    void show() override;
    void clearCards() override;
    void addCard(const FieldCard& card) override;
    void replaceCard(int card, const FieldCard& with) override;
    void setCurrentCard(int card) override;
    void fillLater() override;

private:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT onNotify(const NMHDR& header);
    LRESULT onCustomDraw(const NMLVCUSTOMDRAW& draw);

    frmMain& behaviour_;
    Scale scale_;
    int side_ = 128;          // a picture's side in pixels at the window's DPI
    HWND list_ = nullptr;
    HIMAGELIST pictures_ = nullptr;
    HBITMAP ground_ = nullptr;  // the ground at the pictures' size, scaled once
    // Where each card's picture puts its ring and markers, drawn as it shows.
    std::vector<CardDrawing> drawings_;
    HDC groundDc_ = nullptr;
    HPEN dottedPen_ = nullptr;
    HGDIOBJ oldGround_ = nullptr;
    bool stepOpen_ = false;     // cards are going in, the list not yet redrawn
};

}  // namespace ringwright::win32
