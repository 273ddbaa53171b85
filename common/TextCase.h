#pragma once
#include <string>
#include <string_view>

// ASCII-only case mapping: every other byte, UTF-8 sequences included, stays as it is, so
// lengths and positions never change.
std::string AsciiUpper(std::string_view text);
std::string AsciiLower(std::string_view text);
