#include "ui/Timer.h"

#include "ui/Form.h"

namespace ui {

Timer::~Timer() {
    if (owner_) {
        SetEnabled(false);
        owner_->RemoveTimer(id_);
    }
}

void Timer::Create(Form& owner, UINT interval, std::function<void()> onTimer, bool enabled) {
    owner_ = &owner;
    interval_ = interval;
    onTimer_ = std::move(onTimer);
    id_ = owner.AddTimer(*this);
    SetEnabled(enabled);
}

void Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (HWND window = owner_->Handle()) {
        if (enabled)
            SetTimer(window, id_, interval_, nullptr);
        else
            KillTimer(window, id_);
    }
}

void Timer::Fire() {
    if (enabled_ && onTimer_) onTimer_();
}

}  // namespace ui
