#include "ui/Graphic.h"

#include <algorithm>

#include "common/Placement.h"
#include "ui/GroupBox.h"

namespace ui {
namespace {

// Pens are one pixel wide at 96 DPI and grow with the DPI.
int PenWidth(int dpi) { return std::max(1, ScaleForDpi(1, dpi)); }

POINT ToPixels(POINT point, int dpi) { return {ScaleForDpi(point.x, dpi), ScaleForDpi(point.y, dpi)}; }

}  // namespace

Graphic::~Graphic() {
    if (host_) host_->RemoveGraphic(*this);
}

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

void Shape::Create(GroupBox& host, const Args& args) {
    brush_ = args.brush;
    style_ = args.style;
    pen_ = args.pen;
    Attach(host, args.bounds);
}

void Shape::Paint(HDC dc, const RECT& rect, int dpi) const {
    // Inside the frame: a wider pen at a higher DPI must not reach past the shape's box.
    const Pen pen(CreatePen(PS_INSIDEFRAME, PenWidth(dpi), pen_));
    const Brush brush(style_ == BrushStyle::Cross ? CreateHatchBrush(HS_CROSS, brush_) : CreateSolidBrush(brush_));
    SelectObjectScope selectPen(dc, pen.Get());
    SelectObjectScope selectBrush(dc, brush.Get());
    const int oldMode = SetBkMode(dc, TRANSPARENT);  // a hatch lets what lies beneath show through
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    SetBkMode(dc, oldMode);
}

void PaintBox::SetPenColor(COLORREF color) {
    if (color == penColor_) return;
    penColor_ = color;
    pathOpen_ = false;
}

void PaintBox::MoveTo(int x, int y) {
    pen_ = {x, y};
    pathOpen_ = false;
}

void PaintBox::LineTo(int x, int y) {
    if (!pathOpen_) {
        paths_.push_back({penColor_, {pen_}});
        pathOpen_ = true;
    }
    const POINT to{x, y};
    paths_.back().points.push_back(to);
    // Only the new line's pixels change; the pen's width around both ends covers them.
    const int dpi = Dpi();
    const POINT a = ToPixels(pen_, dpi);
    const POINT b = ToPixels(to, dpi);
    const int reach = PenWidth(dpi);
    Invalidate({std::min(a.x, b.x) - reach, std::min(a.y, b.y) - reach, std::max(a.x, b.x) + reach + 1,
                std::max(a.y, b.y) + reach + 1});
    pen_ = to;
}

void PaintBox::Refresh() {
    paths_.clear();
    pathOpen_ = false;
    Invalidate();
}

void PaintBox::Paint(HDC dc, const RECT& rect, int dpi) const {
    if (paths_.empty()) return;
    const SavedDcState saved(dc);
    IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    std::vector<POINT> pixels;
    for (const Path& path : paths_) {
        pixels.clear();
        for (const POINT point : path.points) {
            const POINT pixel = ToPixels(point, dpi);
            pixels.push_back({rect.left + pixel.x, rect.top + pixel.y});
        }
        const Pen pen(CreatePen(PS_SOLID, PenWidth(dpi), path.color));
        SelectObjectScope selectPen(dc, pen.Get());
        Polyline(dc, pixels.data(), static_cast<int>(pixels.size()));  // leaves out the last point, as LineTo
    }
}

}  // namespace ui
