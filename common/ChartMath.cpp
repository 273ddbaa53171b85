#include "common/ChartMath.h"

#include <limits>
#include <stdexcept>

int ChartY(std::uint64_t available, std::uint64_t total, int height) {
    if (total == 0) throw std::domain_error("memory chart: total is zero");
    const long double y = static_cast<long double>(available) / static_cast<long double>(total) * height;
    // Converting a value outside int's range is undefined; the tick drops this error instead.
    if (y >= static_cast<long double>(std::numeric_limits<int>::max()) + 1 ||
        y <= static_cast<long double>(std::numeric_limits<int>::min()) - 1)
        throw std::overflow_error("memory chart: y out of range");
    return static_cast<int>(y);
}
