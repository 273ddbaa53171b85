#include "ui/GroupBox.h"

#include "ui/Graphic.h"

namespace ui {

void GroupBox::Create(Wnd& parent, const Args& args) {
    CreateControl(
        parent,
        {.className = L"BUTTON", .style = WS_VISIBLE | WS_CLIPCHILDREN | BS_GROUPBOX, .exStyle = WS_EX_CONTROLPARENT},
        args.bounds, args.text);
}

LRESULT GroupBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // everything is drawn in WM_PAINT, off screen
    case WM_PAINT: {
        PaintScope paint(Handle());
        Paint(paint.Dc(), paint.Dirty());
        return 0;
    }
    case WM_PRINTCLIENT: {
        RECT client;
        GetClientRect(Handle(), &client);
        Paint(reinterpret_cast<HDC>(wParam), client);
        return 0;
    }
    default:
        return Control::OnMessage(message, wParam, lParam);
    }
}

void GroupBox::Paint(HDC target, const RECT& dirty) {
    if (IsRectEmpty(&dirty)) return;
    // A buffer of the dirty area only, addressed in client coordinates: a chart tick
    // repaints a few pixels, not the whole box.
    BackBuffer buffer(target, dirty.right - dirty.left, dirty.bottom - dirty.top);
    SetWindowOrgEx(buffer.Dc(), dirty.left, dirty.top, nullptr);
    // Hatch patterns are laid from the device origin: move it back to the client's corner,
    // or the grid would shift with every dirty rectangle.
    SetBrushOrgEx(buffer.Dc(), ((-dirty.left) % 8 + 8) % 8, ((-dirty.top) % 8 + 8) % 8, nullptr);
    FillRect(buffer.Dc(), &dirty, GetSysColorBrush(COLOR_BTNFACE));
    // The button draws its frame and caption into any DC it is given.
    DefaultProc(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(buffer.Dc()), PRF_CLIENT);
    const int dpi = Dpi();
    for (const Graphic* graphic : graphics_) {
        const RECT rect = graphic->PixelRect();
        RECT visible;
        if (IntersectRect(&visible, &rect, &dirty)) graphic->Paint(buffer.Dc(), rect, dpi);
    }
    BitBlt(target, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top, buffer.Dc(), dirty.left,
           dirty.top, SRCCOPY);
}

bool GroupBox::OnReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_CTLCOLORSTATIC && message != WM_CTLCOLORBTN) return false;
    result = FaceColors(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT));
    return true;
}

}  // namespace ui
