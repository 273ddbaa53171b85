#pragma once
#include <windows.h>
#include <commctrl.h>

#include "ui/Control.h"
#include "common/Unicode.h"

namespace ui {

// A plain list of text lines, in the order they are added.
class ListBox : public Control {
public:
    void Create(Wnd& parent, const Bounds& bounds) {
        CreateControl(parent, L"LISTBOX", "", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY,
                      WS_EX_CLIENTEDGE, bounds, kWindowFont);
    }
    int Count() const { return static_cast<int>(SendMessageW(Handle(), LB_GETCOUNT, 0, 0)); }
    void Add(std::string_view line) {
        SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(line).c_str()));
    }
    void Clear() { SendMessageW(Handle(), LB_RESETCONTENT, 0, 0); }
};

}  // namespace ui
