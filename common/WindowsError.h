#pragma once
#include <stdexcept>
#include <string_view>

// A failed Windows call. what() is "<what failed>: <the system's text for the code>" in UTF-8,
// from FormatMessageW: std::system_error's text comes in the ANSI code page, which is
// garbage on any system whose language that page cannot write. Windows builds only.
class WindowsError : public std::runtime_error {
public:
    // `failed` names what failed ("GlobalMemoryStatusEx"); `code` is the Windows error code.
    // Code 0 gives "<failed> failed": the system's text for it says the operation succeeded.
    WindowsError(std::string_view failed, unsigned long code);

    unsigned long Code() const noexcept { return code_; }

private:
    unsigned long code_;
};

// Throws WindowsError with GetLastError(). Many calls (GDI's among them) fail without
// setting a last error: the message is then "<failed> failed".
[[noreturn]] void ThrowLastError(std::string_view failed);
