#pragma once
#include <cstdint>

// The memory chart's sweep: one point per tick at x = 0, 1, ..., kChartSweepPoints - 1.
// The tick that draws the last point also wipes the chart, so the last point never stays
// on screen, and the 313-pixel box's last three columns are never drawn to.
inline constexpr int kChartSweepPoints = 310;

// True when the x the next tick would draw to (the old x plus one) lies past the sweep:
// the chart restarts at the left edge.
constexpr bool ChartSweepEnds(int nextX) { return nextX >= kChartSweepPoints; }

// The y of a memory figure in a chart `height` high, counted from the top: 0 when none of
// it is free, `height` when all of it is. available / total * height in long double,
// division first, truncated toward zero. Throws std::domain_error for a total of 0 and
// std::overflow_error when the result does not fit an int.
int ChartY(std::uint64_t available, std::uint64_t total, int height);
