#pragma once
#include <windows.h>

#include <string_view>

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
// Makes the GDI font for `design` at `dpi`, with DEFAULT_CHARSET: the font mapper and font
// linking may then bring glyphs of any script to a Latin face.
Font MakeFont(const FontDesign& design, int dpi);
// The pixel rectangle of `bounds` at `dpi`.
RECT ScaleBounds(const Bounds& bounds, int dpi);

// The window class and styles a control is made of.
struct WindowKind {
    const wchar_t* className = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    bool ownClass = false;  // a class of ours (OwnProc) rather than a standard control
};

// A child window with a designed place and font, laid out again when the DPI changes.
class Control : public Wnd {
public:
    // The window goes before the font it was given.
    ~Control() override { DestroyHandle(); }

    const Bounds& DesignBounds() const { return bounds_; }
    const FontDesign& DesignFont() const { return font_; }
    bool Visible() const { return IsWindowVisible(Handle()) != FALSE; }
    void SetVisible(bool visible) { ShowWindow(Handle(), visible ? SW_SHOWNA : SW_HIDE); }

    // Stops the control from painting while it changes many times over; resuming paints it
    // once. Calls nest: painting resumes with the last ResumeRedraw.
    void SuspendRedraw();
    void ResumeRedraw();

    // Places the control and makes its font for `dpi`; controls that size themselves to
    // their content override it.
    virtual void ApplyDpi(int dpi);

protected:
    void CreateControl(Wnd& parent, const WindowKind& kind, const Bounds& bounds, std::string_view text = {},
                       const FontDesign& font = kWindowFont);
    HFONT CurrentFont() const { return hfont_.Get(); }

private:
    Bounds bounds_;
    FontDesign font_;
    Font hfont_;
    int redrawSuspended_ = 0;
    bool redrawWasOn_ = false;
};

// Redraw suspended for one scope (an update bracket).
class RedrawSuspended {
public:
    explicit RedrawSuspended(Control& control) : control_(control) { control_.SuspendRedraw(); }
    ~RedrawSuspended() { control_.ResumeRedraw(); }
    RedrawSuspended(const RedrawSuspended&) = delete;
    RedrawSuspended& operator=(const RedrawSuspended&) = delete;

private:
    Control& control_;
};

}  // namespace ui
