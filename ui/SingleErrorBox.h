#pragma once
#include <exception>

#include "ui/Form.h"

namespace ui {

// Reports a handler's errors through the default handler, but not again while the box
// about an earlier one is still open: a handler that fails at every tick of a fast timer
// would otherwise pile up boxes while the first one waits for its OK.
class SingleErrorBox {
public:
    template <typename Work>
    void Run(ExceptionSink& errors, Work&& work) {
        try {
            work();
        } catch (...) {
            if (open_) return;
            open_ = true;
            errors.HandleException(std::current_exception());  // modal: returns once closed
            open_ = false;
        }
    }
    bool Open() const { return open_; }

private:
    bool open_ = false;
};

}  // namespace ui
