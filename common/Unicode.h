#pragma once
#include <string>
#include <string_view>

// UTF-8 inside the program, UTF-16 at the Win32 boundary: the only two conversions (Windows
// builds only). Invalid input gives U+FFFD in place of the bad sequence.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// Every letter of a UTF-8 text in lower case, by the system's mapping (CharLowerBuffW on the
// UTF-16 text: one UTF-16 unit for one, so Latin, Greek and Cyrillic letters change and
// characters without case, CJK among them, stay as they are). Windows builds only.
std::string LowerCase(std::string_view utf8);
