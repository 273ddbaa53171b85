#pragma once
#include <windows.h>

#include <functional>

namespace ui {

class Form;

// A SetTimer timer of a form. Windows delivers a tick only when the thread is idle and never
// a backlog, and raises intervals below 10 ms to 10 ms.
class Timer {
public:
    Timer() = default;
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    ~Timer();

    // Starts timing at once when enabled; the first tick comes once the message loop runs.
    void Create(Form& owner, UINT interval, std::function<void()> onTimer, bool enabled = true);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    UINT Interval() const { return interval_; }
    // One tick: calls the handler while the timer is on.
    void Fire();

private:
    Form* owner_ = nullptr;
    UINT_PTR id_ = 0;
    UINT interval_ = 0;
    bool enabled_ = false;
    std::function<void()> onTimer_;
};

}  // namespace ui
