#pragma once
#include <functional>
#include <memory>

#include "ui/Canvas.h"
#include "ui/Control.h"

namespace ui {

// A picture: an icon drawn at the control's size, a bitmap to draw on, or nothing. Its
// window text carries what the picture says, for screen readers and copying.
class Image : public Control {
public:
    // Raised after the control took its size and font for a new DPI: the time to draw a
    // canvas again at the new size.
    std::function<void()> OnDpiChanged;

    struct Args {
        Bounds bounds = {};
        const wchar_t* icon = nullptr;  // an icon resource, shown at the control's size
    };
    void Create(Wnd& parent, const Args& args);
    // Loads icon resource `name` at the control's size (scaled with the DPI).
    void SetIcon(const wchar_t* name);
    // The bitmap to draw on, made at the control's size on first use and kept for the
    // control's life. Call Invalidate after drawing.
    Canvas& GetCanvas();
    bool HasCanvas() const { return canvas_ != nullptr; }
    // Lets the bitmap go; the next GetCanvas makes a new one at the control's size.
    void DiscardCanvas() { canvas_.reset(); }
    void Invalidate() { InvalidateRect(Handle(), nullptr, FALSE); }

    void ApplyDpi(int dpi) override;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc);
    void LoadIconForSize();

    const wchar_t* iconName_ = nullptr;
    Icon icon_;
    std::unique_ptr<Canvas> canvas_;
};

}  // namespace ui
