#include "ui/GroupBox.h"

#include "ui/Graphic.h"

namespace ui {

void GroupBox::Create(Wnd& parent, const Bounds& bounds, std::string_view caption) {
    CreateControl(parent, L"BUTTON", caption, WS_VISIBLE | WS_CLIPCHILDREN | BS_GROUPBOX, WS_EX_CONTROLPARENT,
                  bounds, kWindowFont);
}

LRESULT GroupBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // everything is drawn in WM_PAINT, off screen
    case WM_PAINT:
        Paint();
        return 0;
    default:
        return Control::OnMessage(message, wParam, lParam);
    }
}

void GroupBox::Paint() {
    PaintScope paint(Handle());
    RECT client;
    GetClientRect(Handle(), &client);
    BackBuffer buffer(paint.Dc(), client.right, client.bottom);
    FillRect(buffer.Dc(), &client, GetSysColorBrush(COLOR_BTNFACE));
    // The button draws its frame and caption into any DC it is given.
    DefaultProc(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(buffer.Dc()), PRF_CLIENT);
    const int dpi = Dpi();
    for (const Graphic* graphic : graphics_) {
        const RECT rect = graphic->PixelRect();
        RECT visible;
        if (IntersectRect(&visible, &rect, &paint.Dirty())) graphic->Paint(buffer.Dc(), rect, dpi);
    }
    const RECT& dirty = paint.Dirty();
    BitBlt(paint.Dc(), dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top, buffer.Dc(),
           dirty.left, dirty.top, SRCCOPY);
}

bool GroupBox::OnReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_CTLCOLORSTATIC && message != WM_CTLCOLORBTN) return false;
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    return true;
}

}  // namespace ui
