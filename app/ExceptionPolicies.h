#pragma once
// What a handler does with an error, in one place; each handler picks its policy by name.
#include <exception>

#include "ui/Form.h"
#include "ui/Timer.h"

// Drops every exception without a message: what the work had not yet written keeps its
// previous state, and the next tick starts afresh.
template <typename Work>
void DropExceptions(Work&& work) noexcept {
    try {
        work();
    } catch (...) {}
}

// Lets an exception reach the default handler (the error box), but not again while the box
// about an earlier one is still open: a handler that fails at every tick of a fast timer
// would otherwise pile up boxes while the first one waits for its OK. The work is tried
// again at every call, box open or not.
class OneErrorBoxAtATime {
public:
    template <typename Work>
    void Run(ui::ExceptionSink& errors, Work&& work) {
        try {
            work();
        } catch (...) {
            if (open_) return;
            open_ = true;
            errors.HandleException(std::current_exception());  // modal: returns once closed
            open_ = false;
        }
    }

private:
    bool open_ = false;
};

// For a one-shot timer: the timer is switched off after the work, whatever happens in it,
// and only then does an exception go on to the default handler.
template <typename Work>
void SwitchOffFirst(ui::Timer& timer, Work&& work) {
    struct SwitchOff {
        ui::Timer& timer;
        ~SwitchOff() { timer.SetEnabled(false); }
    } switchOff{timer};
    work();
}
