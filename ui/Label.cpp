#include "ui/Label.h"

#include <algorithm>

#include "common/Placement.h"
#include "common/Unicode.h"

namespace ui {

void Label::CreateLabel(Wnd& parent, const Args& args, DWORD extraStyle) {
    caption_ = args.text;
    color_ = args.color;
    align_ = args.align;
    const DWORD style = WS_VISIBLE | SS_NOPREFIX | (align_ == Align::Right ? SS_RIGHT : SS_LEFT) | extraStyle;
    CreateControl(parent, {.className = L"STATIC", .style = style}, args.bounds, args.text, args.font);
    AutoSize();
}

void Label::SetCaption(std::string_view caption) {
    if (caption == caption_) return;
    caption_ = caption;
    // The new size first: text set into the old size paints clipped to it, and the strip the
    // window then grows by is not always painted again.
    AutoSize();
    SetText(caption_);
}

COLORREF Label::Color() const { return color_ ? *color_ : GetSysColor(COLOR_WINDOWTEXT); }

void Label::SetColor(COLORREF color) {
    color_ = color;
    InvalidateRect(Handle(), nullptr, TRUE);
}

void Label::ApplyDpi(int dpi) {
    Control::ApplyDpi(dpi);
    AutoSize();
}

void Label::AutoSize() {
    const int dpi = Dpi();
    const std::wstring text = Widen(caption_);
    RECT measured{0, 0, 0, 0};
    {
        ClientDc dc(Handle());
        SelectObjectScope font(dc.Get(), CurrentFont());
        // An empty text still takes one line's height.
        DrawTextW(dc.Get(), text.empty() ? L" " : text.c_str(), -1, &measured,
                  DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    }
    const int width = text.empty() ? 0 : measured.right;
    // Linked fonts for Chinese may stand taller than the Latin face: never cut them.
    const RECT design = ScaleBounds(DesignBounds(), dpi);
    const int height = std::max<int>(measured.bottom, design.bottom - design.top);
    const int left = align_ == Align::Right ? design.right - width : design.left;
    SetWindowPos(Handle(), nullptr, left, design.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Label::OnReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_CTLCOLORSTATIC) return false;
    result = FaceColors(reinterpret_cast<HDC>(wParam), Color());
    return true;
}

}  // namespace ui
