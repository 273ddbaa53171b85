#pragma once
#include <windows.h>

#include <exception>
#include <string>
#include <string_view>

namespace ui {

// Base of every window we own or wrap. Windows of our own classes get their messages
// through OwnProc; standard controls are subclassed. Either way the wrapper is found from
// the handle through a window property, and no exception ever leaves a window procedure:
// what a handler lets through goes to the top-level window's HandleUncaught.
class Wnd {
public:
    Wnd() = default;
    Wnd(const Wnd&) = delete;
    Wnd& operator=(const Wnd&) = delete;
    virtual ~Wnd();

    HWND Handle() const { return hwnd_; }
    static Wnd* FromHandle(HWND window);

    std::string Text() const;
    void SetText(std::string_view utf8);
    // The DPI the window is laid out for: the top-level form's, which follows WM_DPICHANGED.
    virtual int Dpi() const;

    // An exception that no handler caught, from this window or any of its children.
    virtual void HandleUncaught(std::exception_ptr error) noexcept;

protected:
    // Registers a window class of ours, with the icon resource `icon` if any (a second
    // registration is harmless).
    static void RegisterOwnClass(const wchar_t* name, UINT style, HBRUSH background, const wchar_t* icon = nullptr);
    HWND CreateOwn(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle, RECT bounds, HWND parent);
    HWND CreateStandard(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle, RECT bounds,
                        HWND parent);
    void DestroyHandle();

    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The window's own behaviour: the original control procedure or DefWindowProc.
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Notifications and colour requests that this window sent to its parent, handed back
    // to it. Return true when handled, with the parent's answer in `result`.
    virtual bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    static LRESULT CALLBACK OwnProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR data);
    static LRESULT Contained(Wnd* self, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void Attach(HWND window);
    void Detach();

    HWND hwnd_ = nullptr;
    bool subclassed_ = false;
};

}  // namespace ui
