#pragma once
// One place that registers the editor's window classes, all of which keep
// their state in the window's user data.
#include <windows.h>

namespace ringwright::win32 {

inline void registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                                HBRUSH background = nullptr, HICON icon = nullptr) {
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = procedure;
    type.hInstance = instance;
    type.hIcon = icon;
    type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    type.hbrBackground = background;
    type.lpszClassName = name;
    RegisterClassExW(&type);
}

// The object behind one of the editor's own windows. Every class of ours
// has the one procedure below: the object, given as the creation parameter,
// is kept in the window's user data from WM_NCCREATE, is handed each
// message, and is told at WM_NCDESTROY that its window is gone.
class WindowObject {
public:
    virtual ~WindowObject() = default;
    HWND handle() const { return window_; }

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* made = static_cast<WindowObject*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            made->window_ = window;
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(made));
        }
        WindowObject* object = of<WindowObject>(window);
        if (!object) return DefWindowProcW(window, message, wParam, lParam);
        if (message != WM_NCDESTROY) return object->onMessage(message, wParam, lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        object->window_ = nullptr;
        object->onWindowGone();
        return 0;
    }

    // The object behind `window`, a window of class `Object`.
    template <class Object>
    static Object* of(HWND window) {
        return static_cast<Object*>(reinterpret_cast<WindowObject*>(GetWindowLongPtrW(window, GWLP_USERDATA)));
    }

protected:
    virtual LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // An object that lives only as long as its window deletes itself here.
    virtual void onWindowGone() {}
    // The creation parameter that makes this object the window's.
    WindowObject* creationParameter() { return this; }

    HWND window_ = nullptr;
};

}  // namespace ringwright::win32
