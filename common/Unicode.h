#pragma once
#include <string>
#include <string_view>

// UTF-8 inside the program, UTF-16 at the Win32 boundary: the only two conversions (Windows
// builds only). Invalid input gives U+FFFD in place of the bad sequence.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
