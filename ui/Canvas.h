#pragma once
#include <windows.h>

#include <string_view>

#include "ui/Control.h"
#include "ui/Gdi.h"

namespace ui {

// An off-screen bitmap with a DC to draw on, a brush colour and a font with a colour, kept
// for as long as its owner lives. Text cells are painted opaque in the brush colour.
// Making the bitmap, its DC or the font throws when Windows cannot.
class Canvas {
public:
    Canvas(int width, int height);
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas();

    HDC Dc() const { return dc_.Get(); }
    HBITMAP Bitmap() const { return bitmap_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }

    void SetBrushColor(COLORREF color) { brush_ = color; }
    void SetFont(const FontDesign& design, int dpi);
    void SetFontColor(COLORREF color) { fontColor_ = color; }
    void FillRect(const RECT& rect);
    // Draws the whole text, 0 characters included, with its top-left corner at (x, y);
    // nothing is wrapped, and the bitmap's edges cut what reaches past them.
    void WriteText(int x, int y, std::string_view utf8);
    // The width in pixels of `utf8` in the canvas font.
    int TextWidth(std::string_view utf8) const;

private:
    int width_;
    int height_;
    // The DC is deleted after the bitmap and font: the destructor selects them out first.
    MemoryDc dc_;
    GdiObject<HBITMAP> bitmap_;
    HGDIOBJ oldBitmap_;
    Font font_;
    HGDIOBJ oldFont_ = nullptr;
    COLORREF brush_ = RGB(255, 255, 255);
    COLORREF fontColor_ = RGB(0, 0, 0);
};

}  // namespace ui
