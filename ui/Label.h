#pragma once
#include <optional>
#include <string>

#include "ui/Control.h"

namespace ui {

// A static text that sizes itself to its caption, keeping its left edge or, right-aligned,
// its right edge. Its colour is its own; the background is the dialog face.
class Label : public Control {
public:
    enum class Align { Left, Right };
    struct Args {
        Bounds bounds = {};
        std::string_view text = {};
        FontDesign font = kWindowFont;
        std::optional<COLORREF> color = {};  // the window text colour when not set
        Align align = Align::Left;
    };

    void Create(Wnd& parent, const Args& args) { CreateLabel(parent, args, 0); }

    const std::string& Caption() const { return caption_; }
    // Setting the text already shown changes nothing and repaints nothing.
    void SetCaption(std::string_view caption);
    COLORREF Color() const;
    void SetColor(COLORREF color);

    void ApplyDpi(int dpi) override;

protected:
    // Extra styles for derived labels (SS_NOTIFY for links).
    void CreateLabel(Wnd& parent, const Args& args, DWORD extraStyle);
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void AutoSize();

    std::string caption_;
    std::optional<COLORREF> color_;
    Align align_ = Align::Left;
};

}  // namespace ui
