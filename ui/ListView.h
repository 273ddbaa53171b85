#pragma once
#include <windows.h>
#include <commctrl.h>

#include "ui/Control.h"

namespace ui {

// A list view in icon view, arranged automatically, without columns or image lists.
class ListView : public Control {
public:
    void Create(Wnd& parent, const Bounds& bounds, const FontDesign& font) {
        CreateControl(parent, WC_LISTVIEWW, "", WS_VISIBLE | WS_TABSTOP | LVS_ICON | LVS_AUTOARRANGE, WS_EX_CLIENTEDGE,
                      bounds, font);
    }
    int Count() const { return static_cast<int>(SendMessageW(Handle(), LVM_GETITEMCOUNT, 0, 0)); }
};

}  // namespace ui
