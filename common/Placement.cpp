#include "common/Placement.h"

#include <algorithm>
#include <cstdint>

Point CentredOrigin(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
    return {std::max(0, (screenWidth - windowWidth) / 2), std::max(0, (screenHeight - windowHeight) / 2)};
}

Edges ScaleEdges(int left, int top, int width, int height, int dpi) {
    return {ScaleForDpi(left, dpi), ScaleForDpi(top, dpi), ScaleForDpi(left + width, dpi),
            ScaleForDpi(top + height, dpi)};
}

int ScaleForDpi(int length96, int dpi) {
    const std::int64_t product = std::int64_t{length96} * dpi;
    const std::int64_t half = product >= 0 ? 48 : -48;
    return static_cast<int>((product + half) / 96);
}
