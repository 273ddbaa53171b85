#include "ui/Canvas.h"

#include "common/Unicode.h"

namespace ui {

Canvas::Canvas(int width, int height) : width_(width), height_(height) {
    ClientDc screen(nullptr);
    dc_ = CreateCompatibleDC(screen.Get());
    bitmap_.Reset(CreateCompatibleBitmap(screen.Get(), width, height));
    oldBitmap_ = SelectObject(dc_, bitmap_.Get());
}

Canvas::~Canvas() {
    // Our bitmap and font go back out of the DC before either is deleted.
    SelectObject(dc_, oldBitmap_);
    if (oldFont_) SelectObject(dc_, oldFont_);
    DeleteDC(dc_);
}

void Canvas::SetFont(const FontDesign& design, int dpi) {
    Font font = MakeFont(design, dpi);
    HGDIOBJ previous = SelectObject(dc_, font.Get());
    if (!oldFont_) oldFont_ = previous;
    font_ = std::move(font);
}

void Canvas::FillRect(const RECT& rect) {
    const Brush brush(CreateSolidBrush(brush_));
    ::FillRect(dc_, &rect, brush.Get());
}

void Canvas::WriteText(int x, int y, std::string_view utf8) {
    const std::wstring text = Widen(utf8);  // keeps 0 characters: the length is explicit
    SetBkMode(dc_, OPAQUE);
    SetBkColor(dc_, brush_);
    SetTextColor(dc_, fontColor_);
    SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    TextOutW(dc_, x, y, text.data(), static_cast<int>(text.size()));
}

int Canvas::TextWidth(std::string_view utf8) const {
    const std::wstring text = Widen(utf8);
    SIZE size{};
    GetTextExtentPoint32W(dc_, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

}  // namespace ui
