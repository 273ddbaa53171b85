#pragma once
#include <windows.h>

#include <vector>

#include "ui/Control.h"

namespace ui {

class GroupBox;

// A windowless piece drawn by its group box, in the order the pieces were created
// (each later one over the earlier ones).
class Graphic {
public:
    Graphic() = default;
    Graphic(const Graphic&) = delete;
    Graphic& operator=(const Graphic&) = delete;
    virtual ~Graphic();

    const Bounds& DesignBounds() const { return bounds_; }
    // The piece's rectangle in its group box's client pixels, at the current DPI.
    RECT PixelRect() const;
    int Dpi() const;
    // Marks `rect` (in the piece's own pixels) for repainting; the whole piece by default.
    void Invalidate() const;
    void Invalidate(const RECT& rect) const;

    virtual void Paint(HDC dc, const RECT& rect, int dpi) const = 0;

protected:
    void Attach(GroupBox& host, const Bounds& bounds);

private:
    GroupBox* host_ = nullptr;
    Bounds bounds_;
};

// A rectangle with a pen and a brush, solid or cross-hatched on a transparent background.
class Shape : public Graphic {
public:
    enum class BrushStyle { Solid, Cross };
    struct Args {
        Bounds bounds = {};
        COLORREF brush = RGB(255, 255, 255);
        BrushStyle style = BrushStyle::Solid;
        COLORREF pen = RGB(0, 0, 0);  // one pixel wide at 96 DPI
    };
    void Create(GroupBox& host, const Args& args);
    void Paint(HDC dc, const RECT& rect, int dpi) const override;

private:
    COLORREF brush_ = 0;
    BrushStyle style_ = BrushStyle::Solid;
    COLORREF pen_ = 0;
};

// An area with a canvas that keeps what is drawn on it: lines drawn with one pen, in
// coordinates of the box at 96 DPI (0,0 at its top-left corner), kept until Refresh and
// painted again by every WM_PAINT, scaled to the DPI of the moment and clipped to the box.
// Nothing else is painted: the pieces beneath show between the lines.
class PaintBox : public Graphic {
public:
    struct Args {
        Bounds bounds = {};
    };
    void Create(GroupBox& host, const Args& args) { Attach(host, args.bounds); }
    void Paint(HDC dc, const RECT& rect, int dpi) const override;
    // Size at 96 DPI, the unit of the canvas coordinates.
    int Width() const { return DesignBounds().width; }
    int Height() const { return DesignBounds().height; }

    // The colour of the lines drawn from now on; those already drawn keep theirs.
    COLORREF PenColor() const { return penColor_; }
    void SetPenColor(COLORREF color);
    // The end of the last line drawn, or where MoveTo put the pen; (0, 0) at first.
    POINT PenPos() const { return pen_; }
    void MoveTo(int x, int y);
    // A line from the pen position to (x, y), the end point itself left out as GDI does;
    // the pen stays at (x, y). Only the line's own area is repainted.
    void LineTo(int x, int y);
    // Forgets every line and repaints the whole box. The pen keeps its position.
    void Refresh();

private:
    // A connected run of lines in one colour. MoveTo and SetPenColor end the open path; the
    // next LineTo starts another.
    struct Path {
        COLORREF color;
        std::vector<POINT> points;
    };

    COLORREF penColor_ = RGB(0, 0, 0);
    POINT pen_{0, 0};
    std::vector<Path> paths_;
    bool pathOpen_ = false;
};

}  // namespace ui
