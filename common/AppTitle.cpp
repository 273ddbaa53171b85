#include "common/AppTitle.h"

std::string ApplicationTitle(std::string_view modulePath, LowerCaseFunction lower) {
    const std::size_t slash = modulePath.find_last_of("\\/:");
    std::string_view name = slash == std::string_view::npos ? modulePath : modulePath.substr(slash + 1);
    if (const std::size_t dot = name.rfind('.'); dot != std::string_view::npos) name = name.substr(0, dot);
    if (name.empty()) return {};
    // The first character may be a multi-byte UTF-8 sequence: keep its lead and trail bytes as they are.
    std::size_t first = 1;
    while (first < name.size() && (static_cast<unsigned char>(name[first]) & 0xC0) == 0x80) ++first;
    return std::string(name.substr(0, first)) + lower(name.substr(first));
}
