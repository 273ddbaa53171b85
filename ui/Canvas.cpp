#include "ui/Canvas.h"

#include "common/Unicode.h"
#include "common/WindowsError.h"

namespace ui {

Canvas::Canvas(int width, int height) : width_(width), height_(height) {
    ClientDc screen(nullptr);
    dc_.Reset(CreateCompatibleDC(screen.Get()));
    if (!dc_) ThrowLastError("CreateCompatibleDC");
    bitmap_.Reset(CreateCompatibleBitmap(screen.Get(), width, height));
    if (!bitmap_) ThrowLastError("CreateCompatibleBitmap");
    oldBitmap_ = SelectObject(dc_.Get(), bitmap_.Get());
}

Canvas::~Canvas() {
    // Our bitmap and font go back out of the DC before any of them is deleted.
    SelectObject(dc_.Get(), oldBitmap_);
    if (oldFont_) SelectObject(dc_.Get(), oldFont_);
}

void Canvas::SetFont(const FontDesign& design, int dpi) {
    Font font = MakeFont(design, dpi);
    if (!font) ThrowLastError("CreateFont");
    HGDIOBJ previous = SelectObject(dc_.Get(), font.Get());
    if (!oldFont_) oldFont_ = previous;
    font_ = std::move(font);
}

void Canvas::FillRect(const RECT& rect) {
    const Brush brush(CreateSolidBrush(brush_));
    ::FillRect(dc_.Get(), &rect, brush.Get());
}

void Canvas::WriteText(int x, int y, std::string_view utf8) {
    const std::wstring text = Widen(utf8);  // keeps 0 characters: the length is explicit
    SetBkMode(dc_.Get(), OPAQUE);
    SetBkColor(dc_.Get(), brush_);
    SetTextColor(dc_.Get(), fontColor_);
    SetTextAlign(dc_.Get(), TA_LEFT | TA_TOP | TA_NOUPDATECP);
    TextOutW(dc_.Get(), x, y, text.data(), static_cast<int>(text.size()));
}

int Canvas::TextWidth(std::string_view utf8) const {
    const std::wstring text = Widen(utf8);
    SIZE size{};
    GetTextExtentPoint32W(dc_.Get(), text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

}  // namespace ui
