#include "common/WindowsError.h"

#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "common/Unicode.h"

namespace {

struct LocalFreeDeleter {
    void operator()(wchar_t* text) const { LocalFree(text); }
};

// The system's text for `code` in the user's language, without the line break that ends
// it; the number in decimal and hex when the system has no text for it.
std::string SystemText(unsigned long code) {
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    const std::unique_ptr<wchar_t, LocalFreeDeleter> owner(buffer);
    std::wstring_view text(buffer, buffer ? length : 0);
    const std::size_t last = text.find_last_not_of(L" \t\r\n");
    text = text.substr(0, last == std::wstring_view::npos ? 0 : last + 1);
    if (!text.empty()) return Narrow(text);
    char number[48];
    std::snprintf(number, sizeof number, "error %lu (0x%08lX)", code, code);
    return number;
}

std::string Message(std::string_view failed, unsigned long code) {
    if (code == 0) return std::string(failed) + " failed";
    return std::string(failed) + ": " + SystemText(code);
}

}  // namespace

WindowsError::WindowsError(std::string_view failed, unsigned long code)
    : std::runtime_error(Message(failed, code)), code_(code) {}

void ThrowLastError(std::string_view failed) {
    const DWORD code = GetLastError();  // before anything else can change it
    throw WindowsError(failed, code);
}
