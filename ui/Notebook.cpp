#include "ui/Notebook.h"

#include <commctrl.h>

#include "common/Placement.h"
#include "common/Unicode.h"

namespace ui {
namespace {

constexpr wchar_t kPageClass[] = L"ui.Page";
// Each page's client area begins 4 pixels in and 25 down from the notebook's corner.
constexpr int kPageLeft = 4;
constexpr int kPageTop = 25;
constexpr int kTabHeight = 21;

}  // namespace

void Page::Create(Wnd& parent, const Bounds& bounds, std::string_view caption) {
    RegisterOwnClass(kPageClass, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    CreateControl(parent,
                  {.className = kPageClass,
                   .style = WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                   .exStyle = WS_EX_CONTROLPARENT,
                   .ownClass = true},
                  bounds, caption);
}

void Notebook::Create(Wnd& parent, const Args& args) {
    CreateControl(parent,
                  {.className = WC_TABCONTROLW, .style = WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | TCS_FIXEDWIDTH},
                  args.bounds, {}, args.font);
    const Bounds& bounds = args.bounds;
    const Bounds pageBounds{bounds.left + kPageLeft, bounds.top + kPageTop, bounds.width - 2 * kPageLeft,
                            bounds.height - kPageTop - kPageLeft};
    for (std::size_t i = 0; i < args.pages.size(); ++i) {
        SendTabText(TCM_INSERTITEMW, static_cast<int>(i), args.pages[i]);
        auto page = std::make_unique<Page>();
        page->Create(parent, pageBounds, args.pages[i]);
        pages_.push_back(std::move(page));
    }
    SetWindowPos(Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ApplyTabMetrics(Dpi());
    ShowOnly(0);
}

std::string Notebook::PageCaption(int index) const {
    wchar_t buffer[256] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = static_cast<int>(std::size(buffer));
    SendMessageW(Handle(), TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return Narrow(item.pszText);
}

void Notebook::SetPageCaption(int index, std::string_view caption) {
    Pages(index).SetText(caption);
    SendTabText(TCM_SETITEMW, index, caption);
}

void Notebook::SendTabText(UINT message, int index, std::string_view caption) {
    std::wstring text = Widen(caption);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(Handle(), message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void Notebook::SelectPage(int index) {
    if (index == current_ || index < 0 || index >= PageCount()) return;
    bool allow = true;
    if (OnChange) OnChange(index, allow);
    if (!allow) return;
    SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    // Focus inside the page going away would be lost: the tab row takes it.
    HWND focus = GetFocus();
    const bool focusOnOldPage = focus && IsChild(Pages(current_).Handle(), focus);
    ShowOnly(index);
    if (focusOnOldPage) SetFocus(Handle());
}

bool Notebook::HandleNavigationKey(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || GetKeyState(VK_CONTROL) >= 0) return false;
    const int step = GetKeyState(VK_SHIFT) < 0 ? PageCount() - 1 : 1;
    SelectPage((current_ + step) % PageCount());
    return true;
}

bool Notebook::OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != WM_NOTIFY || reinterpret_cast<const NMHDR*>(lParam)->code != static_cast<UINT>(TCN_SELCHANGE))
        return Control::OnReflected(message, wParam, lParam, result);
    const int selected = static_cast<int>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
    if (selected == current_) return true;
    // The tab row has moved already: when the change is refused or fails, it goes back to
    // the page that stays in front.
    const auto keepPage = [this] { SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(current_), 0); };
    bool allow = true;
    try {
        if (OnChange) OnChange(selected, allow);
    } catch (...) {
        keepPage();
        throw;
    }
    if (allow)
        ShowOnly(selected);
    else
        keepPage();
    result = 0;
    return true;
}

void Notebook::ShowOnly(int index) {
    current_ = index;
    for (int i = 0; i < PageCount(); ++i)
        if (i != index) Pages(i).SetVisible(false);
    Pages(index).SetVisible(true);
}

void Notebook::ApplyDpi(int dpi) {
    Control::ApplyDpi(dpi);
    ApplyTabMetrics(dpi);
}

void Notebook::ApplyTabMetrics(int dpi) {
    // Fixed-width tabs: the default padding makes seven tabs wider than the notebook,
    // and the last ones would hide behind scroll arrows.
    const int width = (DesignBounds().width - 2 * kPageLeft) / std::max(1, PageCount());
    SendMessageW(Handle(), TCM_SETITEMSIZE, 0, MAKELPARAM(ScaleForDpi(width, dpi), ScaleForDpi(kTabHeight, dpi)));
}

}  // namespace ui
