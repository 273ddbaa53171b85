#include "ui/Control.h"

#include "common/Placement.h"
#include "common/Unicode.h"

namespace ui {

LRESULT FaceColors(HDC dc, COLORREF textColor) {
    SetTextColor(dc, textColor);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

Font MakeFont(const FontDesign& design, int dpi) {
    return Font(CreateFontW(ScaleForDpi(design.height, dpi), 0, 0, 0, design.bold ? FW_BOLD : FW_NORMAL, FALSE,
                            design.underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, design.face));
}

RECT ScaleBounds(const Bounds& bounds, int dpi) {
    const Edges edges = ScaleEdges(bounds.left, bounds.top, bounds.width, bounds.height, dpi);
    return {edges.left, edges.top, edges.right, edges.bottom};
}

void Control::CreateControl(Wnd& parent, const WindowKind& kind, const Bounds& bounds, std::string_view text,
                            const FontDesign& font) {
    bounds_ = bounds;
    font_ = font;
    const int dpi = parent.Dpi();
    const std::wstring wide = Widen(text);
    const RECT rect = ScaleBounds(bounds, dpi);
    const DWORD style = kind.style | WS_CHILD;
    if (kind.ownClass)
        CreateOwn(kind.className, wide.c_str(), style, kind.exStyle, rect, parent.Handle());
    else
        CreateStandard(kind.className, wide.c_str(), style, kind.exStyle, rect, parent.Handle());
    hfont_ = MakeFont(font_, dpi);
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(hfont_.Get()), FALSE);
}

void Control::SuspendRedraw() {
    if (redrawSuspended_++ > 0) return;
    // WM_SETREDRAW also clears and sets WS_VISIBLE: a hidden control is left alone, or
    // resuming would make it visible.
    redrawWasOn_ = (GetWindowLongW(Handle(), GWL_STYLE) & WS_VISIBLE) != 0;
    if (redrawWasOn_) SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
}

void Control::ResumeRedraw() {
    if (redrawSuspended_ == 0 || --redrawSuspended_ > 0 || !redrawWasOn_) return;
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    RedrawWindow(Handle(), nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Control::ApplyDpi(int dpi) {
    Font font = MakeFont(font_, dpi);
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
    hfont_ = std::move(font);  // the old font is deleted only after the control let go of it
    const RECT rect = ScaleBounds(bounds_, dpi);
    SetWindowPos(Handle(), nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(Handle(), nullptr, TRUE);
}

}  // namespace ui
