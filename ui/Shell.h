#pragma once
#include <string_view>

namespace ui {

// Hands `target` (a web address, a "mailto:" address, a file) to the shell's "open" verb in
// a normal window, with the shell's own error messages suppressed. True when it opened.
bool OpenWithShell(std::string_view target);

}  // namespace ui
