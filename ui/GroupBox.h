#pragma once
#include <vector>

#include "ui/Control.h"

namespace ui {

class Graphic;

// A captioned frame (a BUTTON group box) that is also the parent of the controls inside
// it, and draws its windowless pieces over its own face, double-buffered.
class GroupBox : public Control {
public:
    struct Args {
        Bounds bounds = {};
        std::string_view text = {};
    };
    void Create(Wnd& parent, const Args& args);
    void AddGraphic(Graphic& graphic) { graphics_.push_back(&graphic); }
    void RemoveGraphic(Graphic& graphic) { std::erase(graphics_, &graphic); }
    void InvalidateArea(const RECT& rect) { InvalidateRect(Handle(), &rect, FALSE); }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // Draws the area `dirty` (client coordinates) into `target`, for WM_PAINT and WM_PRINTCLIENT.
    void Paint(HDC target, const RECT& dirty);

    std::vector<Graphic*> graphics_;
};

}  // namespace ui
