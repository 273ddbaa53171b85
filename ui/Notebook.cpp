#include "ui/Notebook.h"

#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>

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

LRESULT Notebook::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // erased with the rest in WM_PAINT, off screen
    case WM_PAINT: {
        PaintScope paint(Handle());
        Paint(paint.Dc(), paint.Dirty());
        return 0;
    }
    default:
        return Control::OnMessage(message, wParam, lParam);
    }
}

void Notebook::Paint(HDC target, const RECT& dirty) {
    if (IsRectEmpty(&dirty)) return;
    RECT client;
    GetClientRect(Handle(), &client);
    BackBuffer buffer(target, client.right, client.bottom);
    // The control draws itself, background and theme included, into any DC it is given.
    DefaultProc(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(buffer.Dc()), PRF_CLIENT | PRF_ERASEBKGND);
    FillPaneWithFace(buffer.Dc(), client);
    BitBlt(target, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top, buffer.Dc(), dirty.left,
           dirty.top, SRCCOPY);
}

void Notebook::FillPaneWithFace(HDC dc, const RECT& client) {
    // The pages stand inside the pane at their design origin, a few pixels in from its frame.
    // A theme paints the pane its own way (white on Windows 10 and 11), and so does Wine
    // without one, which would leave a frame of another colour around the grey pages: inside
    // the pane's border the face goes back on.
    RECT firstTab;
    if (PageCount() == 0 || !SendMessageW(Handle(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&firstTab))) return;
    RECT pane = client;
    pane.top = firstTab.bottom;
    // The pane's border: the theme's own where it says, one pixel where it does not, a
    // raised 3D edge without a theme. (The theme's content rectangle is no help: it keeps a
    // margin inside the border that the theme paints too.)
    int borderX = GetSystemMetrics(SM_CXEDGE), borderY = GetSystemMetrics(SM_CYEDGE);
    if (IsAppThemed()) {
        if (const Owned<HTHEME, CloseThemeData> theme(OpenThemeData(Handle(), L"TAB")); theme) {
            int size = 1;
            if (FAILED(GetThemeInt(theme.Get(), TABP_PANE, 0, TMT_BORDERSIZE, &size)) || size < 1) size = 1;
            borderX = borderY = size;
        }
    }
    RECT inside = pane;
    InflateRect(&inside, -borderX, -borderY);
    // The selected tab reaches down over the pane's top edge to join it: leave it whole.
    const SavedDcState saved(dc);
    RECT selected;
    if (SendMessageW(Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(current_), reinterpret_cast<LPARAM>(&selected))) {
        const int reach = GetSystemMetrics(SM_CXEDGE);
        ExcludeClipRect(dc, selected.left - reach, selected.top - reach, selected.right + reach,
                        selected.bottom + reach);
    }
    FillRect(dc, &inside, GetSysColorBrush(COLOR_BTNFACE));
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
