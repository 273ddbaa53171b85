#pragma once
#include <windows.h>

namespace ui {

inline constexpr int kDesignDpi = 96;

// The DPI a window is drawn at. Per-monitor DPI functions exist only on Windows 10 1607
// and later, so they are looked up at run time; older systems give the system DPI.
int WindowDpi(HWND window);

// The outer size of a window whose client area is `client`, at `dpi`.
RECT WindowRectForClient(RECT client, DWORD style, DWORD exStyle, int dpi);

}  // namespace ui
