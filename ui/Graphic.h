#pragma once
#include <windows.h>

#include <functional>

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
    virtual ~Graphic() = default;

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
    void Create(GroupBox& host, const Bounds& bounds, COLORREF brush, BrushStyle style, COLORREF pen);
    void Paint(HDC dc, const RECT& rect, int dpi) const override;

private:
    COLORREF brush_ = 0;
    BrushStyle style_ = BrushStyle::Solid;
    COLORREF pen_ = 0;
};

// An area that paints nothing of its own; its owner draws through OnPaint.
class PaintBox : public Graphic {
public:
    void Create(GroupBox& host, const Bounds& bounds);
    void Paint(HDC dc, const RECT& rect, int dpi) const override;
    // Height and width in pixels at the current DPI.
    int Width() const;
    int Height() const;

    std::function<void(HDC dc, const RECT& rect, int dpi)> OnPaint;
};

}  // namespace ui
