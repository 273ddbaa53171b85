#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "ui/Gdi.h"
#include "ui/Wnd.h"

namespace ui {

// Position and size at 96 DPI, relative to the parent's client area.
struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A font as designed: face, height in pixels at 96 DPI (negative: character height), style.
struct FontDesign {
    const wchar_t* face = L"Arial";
    int height = -11;
    bool bold = false;
    bool underline = false;
};

// The window font and the colours controls are drawn in.
inline constexpr FontDesign kWindowFont{};
inline constexpr COLORREF kRed = RGB(255, 0, 0);

// The answer to a WM_CTLCOLOR* request for text of `textColor` on the dialog face.
LRESULT FaceColors(HDC dc, COLORREF textColor);
// Makes the GDI font for `design` at `dpi`.
Font MakeFont(const FontDesign& design, int dpi);
// The pixel rectangle of `bounds` at `dpi`.
RECT ScaleBounds(const Bounds& bounds, int dpi);

// A child window with a designed place and font, laid out again when the DPI changes.
class Control : public Wnd {
public:
    // The window goes before the font it was given.
    ~Control() override { DestroyHandle(); }

    const Bounds& DesignBounds() const { return bounds_; }
    const FontDesign& DesignFont() const { return font_; }
    bool Visible() const { return IsWindowVisible(Handle()) != FALSE; }
    void SetVisible(bool visible) { ShowWindow(Handle(), visible ? SW_SHOWNA : SW_HIDE); }

    // Places the control and makes its font for `dpi`; controls that size themselves to
    // their content override it.
    virtual void ApplyDpi(int dpi);

protected:
    // Creates the window: a standard control class, or one of ours when `ownClass` is set.
    void CreateControl(Wnd& parent, const wchar_t* className, std::string_view text, DWORD style, DWORD exStyle,
                       const Bounds& bounds, const FontDesign& font, bool ownClass = false);
    HFONT CurrentFont() const { return hfont_.Get(); }
    void SetDesignBounds(const Bounds& bounds) { bounds_ = bounds; }

private:
    Bounds bounds_;
    FontDesign font_;
    Font hfont_;
};

}  // namespace ui
