#pragma once
#include "ui/Control.h"

namespace ui {

// A picture: an icon drawn at the control's size, or nothing. Its window text carries
// what the picture says, for screen readers and copying.
class Image : public Control {
public:
    void Create(Wnd& parent, const Bounds& bounds);
    // Loads icon resource `name` at the control's size (scaled with the DPI).
    void SetIcon(const wchar_t* name);

    void ApplyDpi(int dpi) override;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc);
    void LoadIconForSize();

    const wchar_t* iconName_ = nullptr;
    Icon icon_;
};

}  // namespace ui
