#include "ui/Dpi.h"

namespace ui {
namespace {

template <typename Function>
Function User32Function(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

int SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDesignDpi;
}

}  // namespace

int WindowDpi(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    if (const auto getDpi = User32Function<GetDpiForWindowFn>("GetDpiForWindow"); getDpi && window) {
        if (const UINT dpi = getDpi(window)) return static_cast<int>(dpi);
    }
    return SystemDpi();
}

RECT WindowRectForClient(RECT client, DWORD style, DWORD exStyle, int dpi) {
    using AdjustForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    if (const auto adjust = User32Function<AdjustForDpiFn>("AdjustWindowRectExForDpi")) {
        if (adjust(&client, style, FALSE, exStyle, static_cast<UINT>(dpi))) return client;
    }
    AdjustWindowRectEx(&client, style, FALSE, exStyle);
    return client;
}

}  // namespace ui
