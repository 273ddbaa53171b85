#include "ui/Form.h"

#include <vector>

#include "common/Placement.h"
#include "common/Unicode.h"
#include "ui/Control.h"
#include "ui/Dpi.h"
#include "ui/Timer.h"

namespace ui {
namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;
// WM_GETDPISCALEDSIZE, sent by Windows 10 1703 and later; the headers for Windows 7 lack it.
constexpr UINT kGetDpiScaledSize = 0x02E4;

// Every descendant of `window`, parents before their children. Walked by hand, not with
// EnumChildWindows: an exception must never pass through a system callback's frames (the
// 32-bit build's unwinder cannot cross them), and laying out a control may throw.
void CollectDescendants(HWND window, std::vector<HWND>& found) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        found.push_back(child);
        CollectDescendants(child, found);
    }
}

}  // namespace

void Form::CreateForm(const Args& args) {
    clientWidth_ = args.clientWidth;
    clientHeight_ = args.clientHeight;
    RegisterOwnClass(args.className, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), args.icon);
    // Created hidden at the corner: ShowCentred places it once DoShow has run.
    CreateOwn(args.className, Widen(args.caption).c_str(), kStyle, kExStyle, {0, 0, clientWidth_, clientHeight_},
              nullptr);
    dpi_ = WindowDpi(Handle());
    const RECT outer = OuterRect(Dpi());
    SetWindowPos(Handle(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    FitClientArea();
}

void Form::FitClientArea() {
    // The frame's real thickness may differ from what the metrics for this DPI predicted
    // (a system that scales non-client areas itself): correct by what is actually there.
    RECT client, outer;
    GetClientRect(Handle(), &client);
    GetWindowRect(Handle(), &outer);
    const int dx = ScaleForDpi(clientWidth_, dpi_) - client.right;
    const int dy = ScaleForDpi(clientHeight_, dpi_) - client.bottom;
    if (dx == 0 && dy == 0) return;
    SetWindowPos(Handle(), nullptr, 0, 0, outer.right - outer.left + dx, outer.bottom - outer.top + dy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT Form::OuterRect(int dpi) const {
    return WindowRectForClient({0, 0, ScaleForDpi(clientWidth_, dpi), ScaleForDpi(clientHeight_, dpi)}, kStyle,
                               kExStyle, dpi);
}

void Form::ShowCentred() {
    RECT outer;
    GetWindowRect(Handle(), &outer);
    const Point origin = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                       outer.right - outer.left, outer.bottom - outer.top);
    SetWindowPos(Handle(), nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(Handle(), SW_SHOW);
    UpdateWindow(Handle());
}

UINT_PTR Form::AddTimer(Timer& timer) {
    timers_.push_back(&timer);
    return timers_.size();  // ids start at 1
}

void Form::RemoveTimer(UINT_PTR id) {
    if (id >= 1 && id <= timers_.size()) timers_[id - 1] = nullptr;
}

void Form::ApplyDpi(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    std::vector<HWND> descendants;
    CollectDescendants(Handle(), descendants);
    for (HWND window : descendants)
        if (auto* control = dynamic_cast<Control*>(Wnd::FromHandle(window))) control->ApplyDpi(dpi);
    // Windows has worked this rectangle out (from our WM_GETDPISCALEDSIZE answer where it
    // asks): taking it as it is keeps the window under the mouse that moved it.
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // Where the suggestion was scaled from the old size (before 1703) or the frame does not
    // grow as the metrics for the new DPI say, the client area comes out a few pixels off:
    // only then is the size corrected, at the suggested position.
    FitClientArea();
}

LRESULT Form::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam >= 1 && wParam <= timers_.size() && timers_[wParam - 1]) timers_[wParam - 1]->Fire();
        return 0;
    case kGetDpiScaledSize: {
        // Windows 10 1703 and later ask for the size at the new DPI before suggesting a
        // rectangle; a client area scaled from the design is not the old outer size scaled.
        const RECT outer = OuterRect(static_cast<int>(wParam));
        *reinterpret_cast<SIZE*>(lParam) = {outer.right - outer.left, outer.bottom - outer.top};
        return TRUE;
    }
    case WM_DPICHANGED:
        ApplyDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (HWND focus = GetFocus(); focus && IsChild(Handle(), focus)) lastFocus_ = focus;
        } else if (!HIWORD(wParam)) {
            HWND target = lastFocus_ && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_)
                              ? lastFocus_
                              : GetNextDlgTabItem(Handle(), nullptr, FALSE);
            if (target) SetFocus(target);
        }
        return 0;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE: {
        // Only top-level windows hear of new colours or settings (a theme change reaches every
        // window by itself): the common controls keep what they knew until it is passed on.
        std::vector<HWND> descendants;
        CollectDescendants(Handle(), descendants);
        for (HWND window : descendants) SendMessageW(window, message, wParam, lParam);
        RedrawWindow(Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
        return Wnd::OnMessage(message, wParam, lParam);
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return Wnd::OnMessage(message, wParam, lParam);
    }
}

}  // namespace ui
