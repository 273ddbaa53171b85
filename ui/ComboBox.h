#pragma once
#include "ui/Control.h"

namespace ui {

// A drop-down list to choose one entry from.
class ComboBox : public Control {
public:
    void Create(Wnd& parent, const Bounds& bounds) {
        // A drop-down list's window height is that of its opened list; the edit part's
        // height follows from the font.
        Bounds dropped = bounds;
        dropped.height = bounds.height * 10;
        CreateControl(parent, L"COMBOBOX", "", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, dropped,
                      kWindowFont);
    }
};

}  // namespace ui
