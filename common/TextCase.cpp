#include "common/TextCase.h"

namespace {
template <char From, char To>
std::string MapRange(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= From && c <= static_cast<char>(From + 25)) c = static_cast<char>(c - From + To);
    return out;
}
}  // namespace

std::string AsciiUpper(std::string_view text) { return MapRange<'a', 'A'>(text); }
std::string AsciiLower(std::string_view text) { return MapRange<'A', 'a'>(text); }
