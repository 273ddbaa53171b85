#include "ui/Graphic.h"

#include <algorithm>

#include "common/Placement.h"
#include "ui/GroupBox.h"

namespace ui {

void Graphic::Attach(GroupBox& host, const Bounds& bounds) {
    host_ = &host;
    bounds_ = bounds;
    host.AddGraphic(*this);
}

int Graphic::Dpi() const { return host_->Dpi(); }

RECT Graphic::PixelRect() const { return ScaleBounds(bounds_, Dpi()); }

void Graphic::Invalidate() const { host_->InvalidateArea(PixelRect()); }

void Graphic::Invalidate(const RECT& rect) const {
    const RECT own = PixelRect();
    RECT area = rect;
    OffsetRect(&area, own.left, own.top);
    IntersectRect(&area, &area, &own);
    host_->InvalidateArea(area);
}

void Shape::Create(GroupBox& host, const Bounds& bounds, COLORREF brush, BrushStyle style, COLORREF pen) {
    brush_ = brush;
    style_ = style;
    pen_ = pen;
    Attach(host, bounds);
}

void Shape::Paint(HDC dc, const RECT& rect, int dpi) const {
    const Pen pen(CreatePen(PS_SOLID, std::max(1, ScaleForDpi(1, dpi)), pen_));
    const Brush brush(style_ == BrushStyle::Cross ? CreateHatchBrush(HS_CROSS, brush_) : CreateSolidBrush(brush_));
    SelectObjectScope selectPen(dc, pen.Get());
    SelectObjectScope selectBrush(dc, brush.Get());
    const int oldMode = SetBkMode(dc, TRANSPARENT);  // a hatch lets what lies beneath show through
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    SetBkMode(dc, oldMode);
}

void PaintBox::Create(GroupBox& host, const Bounds& bounds) { Attach(host, bounds); }

void PaintBox::Paint(HDC dc, const RECT& rect, int dpi) const {
    if (OnPaint) OnPaint(dc, rect, dpi);
}

int PaintBox::Width() const {
    const RECT rect = PixelRect();
    return rect.right - rect.left;
}

int PaintBox::Height() const {
    const RECT rect = PixelRect();
    return rect.bottom - rect.top;
}

}  // namespace ui
