#include "ui/Dpi.h"

#include "common/Owned.h"

namespace ui {
namespace {

template <typename Function>
Function SystemFunction(const wchar_t* module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(module), name)));
}

template <typename Function>
Function User32Function(const char* name) {
    return SystemFunction<Function>(L"user32.dll", name);
}

// The effective DPI of the monitor the window is on (Windows 8.1 and later), or 0.
int MonitorDpi(HWND window) {
    if (!window) return 0;
    // shcore is not loaded by every program, and Windows 7 has none: load it for this call.
    const Owned<HMODULE, FreeLibrary> shcore(LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (!shcore) return 0;
    using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    const auto getDpi =
        reinterpret_cast<GetDpiForMonitorFn>(reinterpret_cast<void*>(GetProcAddress(shcore.Get(), "GetDpiForMonitor")));
    if (!getDpi) return 0;
    constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
    UINT x = 0, y = 0;
    if (FAILED(getDpi(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &x, &y))) return 0;
    return static_cast<int>(y);
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
    if (const int dpi = MonitorDpi(window)) return dpi;
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
