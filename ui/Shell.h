#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string_view>

namespace ui {

// Hands `target` (a web address, a "mailto:" address, a file) to the shell's "open" verb in
// a normal window, with the shell's own error messages suppressed. True when it opened.
bool OpenWithShell(std::string_view target);

// The system's image list of small icons: the shell owns it, it is never destroyed by us.
// Null when the shell cannot give it.
HIMAGELIST SystemSmallIcons();
// The index in that list of the shell's stock icon `id` (a SHSTOCKICONID), or -1 where the
// shell has none (Wine has no stock icons).
int StockIconIndex(int id);
// The index in that list of the icon the shell shows for `path` (a file, a folder, a drive's
// root), or -1. The shell may look at the path itself: a drive's root is read.
int ShellIconIndex(std::string_view path);
// The index of the icon for a drive of Windows' type `driveType` (GetDriveType's number):
// the stock icon, or where the shell has none the icon of the root of a fixed drive. No
// removable or network drive is read for its icon. -1 when there is none.
int DriveIconIndex(int driveType, std::string_view rootPath);

}  // namespace ui
