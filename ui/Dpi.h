#pragma once
#include <windows.h>

namespace ui {

inline constexpr int kDesignDpi = 96;

// The DPI a window is drawn at: the window's own (Windows 10 1607 and later), else its
// monitor's (Windows 8.1 and later), else the system DPI. The newer functions are looked
// up at run time, so the program still starts on Windows 7.
int WindowDpi(HWND window);

// The outer size of a window whose client area is `client`, at `dpi`.
RECT WindowRectForClient(RECT client, DWORD style, DWORD exStyle, int dpi);

}  // namespace ui
