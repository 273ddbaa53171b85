#include "ui/Shell.h"

#include <windows.h>
#include <shellapi.h>

#include "common/Unicode.h"

namespace ui {

bool OpenWithShell(std::string_view target) {
    const std::wstring file = Widen(target);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&info) != FALSE;
}

}  // namespace ui
