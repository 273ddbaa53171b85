#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/Control.h"

namespace ui {

// One page of a notebook: a plain container in the dialog face colour.
class Page : public Control {
public:
    void Create(Wnd& parent, const Bounds& bounds, std::string_view caption);
};

// A tab control with one page per tab; only the page of the selected tab is shown. The
// pages are siblings of the tab row, stacked above it so the tab control never paints
// over them (the keyboard's tab cycle is the same either way).
class Notebook : public Control {
public:
    // Called when the page in front is about to change, with the new index, before the new
    // page is shown; setting allowChange to false keeps the old page.
    std::function<void(int newTab, bool& allowChange)> OnChange;

    struct Args {
        Bounds bounds = {};
        FontDesign font = kWindowFont;
        std::vector<std::string_view> pages = {};  // one caption per page, in tab order
    };
    void Create(Wnd& parent, const Args& args);

    int PageCount() const { return static_cast<int>(pages_.size()); }
    Page& Pages(int index) { return *pages_.at(static_cast<std::size_t>(index)); }
    int PageIndex() const { return current_; }
    std::string PageCaption(int index) const;
    // Sets the page's caption and its tab's text.
    void SetPageCaption(int index, std::string_view caption);
    // Brings page `index` to the front as a click on its tab would.
    void SelectPage(int index);
    // Ctrl+Tab and Ctrl+Shift+Tab from anywhere in the window: true when handled.
    bool HandleNavigationKey(const MSG& message);

    void ApplyDpi(int dpi) override;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void ApplyTabMetrics(int dpi);
    // Draws the tab row and frame into `dc`, the display area inside the frame in the page
    // face, then copies `dirty` to `target`.
    void Paint(HDC target, const RECT& dirty);
    void FillPaneWithFace(HDC dc, const RECT& client);
    // Inserts (TCM_INSERTITEMW) or replaces (TCM_SETITEMW) a tab's text.
    void SendTabText(UINT message, int index, std::string_view caption);
    void ShowOnly(int index);

    std::vector<std::unique_ptr<Page>> pages_;
    int current_ = 0;
};

}  // namespace ui
