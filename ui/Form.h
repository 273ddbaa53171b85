#pragma once
#include <exception>
#include <string>
#include <vector>

#include "ui/Wnd.h"

namespace ui {

class Timer;

// Receives the exceptions that no handler caught.
class ExceptionSink {
public:
    virtual void HandleException(std::exception_ptr error) noexcept = 0;

protected:
    ~ExceptionSink() = default;
};

// A fixed-size top-level window with a single border, a system menu and a minimise box.
// It owns its timers' ticks, follows DPI changes, and keeps the keyboard focus where the
// user left it when it is deactivated and activated again.
class Form : public Wnd {
public:
    explicit Form(ExceptionSink& errors) : errors_(errors) {}
    ExceptionSink& Errors() { return errors_; }

    struct Args {
        std::string_view caption = {};
        int clientWidth = 0;  // client size at 96 DPI
        int clientHeight = 0;
        // The window class's name, by which tools and tests find the window, and its icon resource.
        const wchar_t* className = nullptr;
        const wchar_t* icon = nullptr;
    };
    void CreateForm(const Args& args);
    // Places the window at the centre of the screen and shows it.
    void ShowCentred();

    // Runs when the window is about to be shown for the first time.
    virtual void DoShow() {}
    // Keyboard messages the form handles before dialog navigation; true when handled.
    virtual bool PreTranslateMessage(const MSG&) { return false; }

    void HandleUncaught(std::exception_ptr error) noexcept override { errors_.HandleException(error); }
    // Known from creation and from every WM_DPICHANGED: before Windows 10 1607 a window
    // cannot be asked for its own DPI.
    int Dpi() const override { return dpi_; }

    UINT_PTR AddTimer(Timer& timer);
    void RemoveTimer(UINT_PTR id);

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void ApplyDpi(int dpi, const RECT& suggested);
    RECT OuterRect(int dpi) const;
    void FitClientArea();

    ExceptionSink& errors_;
    std::vector<Timer*> timers_;
    int dpi_ = 96;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    HWND lastFocus_ = nullptr;
};

}  // namespace ui
