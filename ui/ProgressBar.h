#pragma once
#include <windows.h>
#include <commctrl.h>

#include "ui/Control.h"

namespace ui {

// A horizontal, segmented progress bar from 0 to 100.
class ProgressBar : public Control {
public:
    struct Args {
        Bounds bounds = {};
    };
    void Create(Wnd& parent, const Args& args) {
        CreateControl(parent, {.className = PROGRESS_CLASSW, .style = WS_VISIBLE}, args.bounds);
        SendMessageW(Handle(), PBM_SETRANGE32, 0, 100);
    }
    int Position() const { return static_cast<int>(SendMessageW(Handle(), PBM_GETPOS, 0, 0)); }
    // Sent to the control every time, also when the position is unchanged.
    void SetPosition(int position) { SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(position), 0); }
};

}  // namespace ui
