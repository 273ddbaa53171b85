#pragma once

// Where a window of the given outer size stands when centred on a screen: each coordinate
// is (screen - window) / 2 in whole numbers, raised to 0 when the window is the larger, so
// its title bar never leaves the screen's top or left edge.
struct Point {
    int x = 0;
    int y = 0;
};
Point CentredOrigin(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

// A length given at 96 dots per inch, at `dpi` (rounded to the nearest pixel, halves away
// from zero, as Windows' MulDiv does).
int ScaleForDpi(int length96, int dpi);

// A rectangle given at 96 DPI as left, top, width and height, at `dpi`. Each edge is rounded
// on its own (the right edge is the scaled left + width), so two pieces that meet or align
// at 96 DPI still meet or align: rounding the width separately can put them a pixel apart.
struct Edges {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
Edges ScaleEdges(int left, int top, int width, int height, int dpi);
