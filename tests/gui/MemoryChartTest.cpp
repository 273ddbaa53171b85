#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "MainWindowFixture.h"
#include "common/Placement.h"
#include "ui/Gdi.h"

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kGrey = 0x808080;
constexpr std::uint32_t kBlack = 0x000000;

bool IsLine(std::uint32_t pixel) { return pixel == kWhite || pixel == kRed; }

// Pixels of a rectangle as 0xRRGGBB, top row first.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> data;

    std::uint32_t At(int x, int y) const { return data[static_cast<std::size_t>(y * width + x)]; }
    bool ColumnHasLine(int x) const {
        for (int y = 0; y < height; ++y)
            if (IsLine(At(x, y))) return true;
        return false;
    }
    int Count(std::uint32_t colour) const { return static_cast<int>(std::count(data.begin(), data.end(), colour)); }
    // The first and last column holding a line pixel, or {-1, -1}.
    std::pair<int, int> LineColumns() const {
        int first = -1;
        int last = -1;
        for (int x = 0; x < width; ++x)
            if (ColumnHasLine(x)) {
                if (first < 0) first = x;
                last = x;
            }
        return {first, last};
    }
};

// Pixels that differ between two pictures of the same size, in columns [0, columns).
int Differences(const Pixels& a, const Pixels& b, int columns) {
    int count = 0;
    for (int x = 0; x < columns; ++x)
        for (int y = 0; y < a.height; ++y) count += a.At(x, y) != b.At(x, y);
    return count;
}

// A black 32-bit top-down DIB that `draw` paints on; its pixels afterwards.
Pixels Draw(int width, int height, const std::function<void(HDC)>& draw) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const ui::MemoryDc dc(CreateCompatibleDC(nullptr));
    const ui::Bitmap bitmap(CreateDIBSection(dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    Pixels pixels{width, height, {}};
    {
        const ui::SelectObjectScope select(dc.Get(), bitmap.Get());
        PatBlt(dc.Get(), 0, 0, width, height, BLACKNESS);
        draw(dc.Get());
        GdiFlush();
    }
    const auto* words = static_cast<const std::uint32_t*>(bits);
    for (int i = 0; i < width * height; ++i) pixels.data.push_back(words[i] & 0xFFFFFF);
    return pixels;
}

class MemoryChartTest : public MainWindowTest {
protected:
    void SetUp() override {
        CreateAndShow();
        form_->TabbedNotebook1.SelectPage(1);
    }

    int Dpi() const { return form_->GroupBox3.Dpi(); }
    int Px(int length) const { return ScaleForDpi(length, Dpi()); }
    int PenWidth() const { return std::max(1, Px(1)); }

    // The chart field as the screen shows it, once every pending paint is done.
    Pixels Field() const {
        RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        const RECT field = form_->PaintBox1.PixelRect();
        const ui::ClientDc screen(form_->GroupBox3.Handle());
        return Draw(field.right - field.left, field.bottom - field.top, [&](HDC dc) {
            BitBlt(dc, 0, 0, field.right - field.left, field.bottom - field.top, screen.Get(), field.left, field.top,
                   SRCCOPY);
        });
    }

    void PumpUntilChartX(int x) {
        ASSERT_TRUE(PumpUntil([x] { return ChartX >= x; }));
    }

    // Every column from the left edge to the last point drawn holds a line pixel, and no
    // column from ChartX on (the next point) holds one.
    void ExpectLinesUpToChartX(const Pixels& field) const {
        ASSERT_GE(ChartX, 2);
        for (int x = 0; x < Px(ChartX - 1); ++x) EXPECT_TRUE(field.ColumnHasLine(x)) << "column " << x;
        for (int x = Px(ChartX) + PenWidth() - 1; x < field.width; ++x)
            EXPECT_FALSE(field.ColumnHasLine(x)) << "column " << x << ", ChartX " << ChartX;
    }
};

TEST_F(MemoryChartTest, WhiteAndRedLinesGrowFromTheLeftOverTheGrid) {
    EXPECT_EQ(form_->PaintBox1.Height(), 89);
    PumpUntilChartX(8);
    const Pixels field = Field();
    ExpectLinesUpToChartX(field);
    EXPECT_GT(field.Count(kRed), 0);
    // The black field and its grey cross-hatch stand around the lines.
    EXPECT_GT(field.Count(kGrey), field.width * field.height / 10);
    EXPECT_GT(field.Count(kBlack), field.width * field.height / 2);

    // The red line lies over the white one, and without swap they coincide: wipe the red
    // to see the white.
    form_->PaintBox2.Refresh();
    const Pixels white = Field();
    ExpectLinesUpToChartX(white);
    EXPECT_EQ(white.Count(kRed), 0);
    EXPECT_GT(white.Count(kWhite), 0);
}

TEST_F(MemoryChartTest, ATickRepaintsOnlyItsNewSegment) {
    PumpUntilChartX(3);
    HWND box = form_->GroupBox3.Handle();
    ValidateRect(box, nullptr);
    form_->Timer3Timer();  // drew to ChartX - 1
    RECT dirty;
    ASSERT_TRUE(GetUpdateRect(box, &dirty, FALSE));
    const RECT field = form_->PaintBox1.PixelRect();
    const int reach = 2 * PenWidth() + 1;
    EXPECT_GE(dirty.left, field.left + Px(ChartX - 2) - reach);
    EXPECT_LE(dirty.right, field.left + Px(ChartX - 1) + reach);
    EXPECT_LE(dirty.right - dirty.left, Px(1) + 2 * reach);
}

TEST_F(MemoryChartTest, RepaintingForAnyReasonShowsTheSameLines) {
    PumpUntilChartX(8);
    const Pixels before = Field();
    const int drawnBefore = ChartX;

    InvalidateRect(form_->GroupBox3.Handle(), nullptr, TRUE);
    EXPECT_EQ(Differences(Field(), before, before.width), 0);

    ShowWindow(form_->Handle(), SW_MINIMIZE);
    PumpFor(std::chrono::milliseconds(300));
    ShowWindow(form_->Handle(), SW_RESTORE);
    PumpFor(std::chrono::milliseconds(300));
    const Pixels after = Field();
    ASSERT_GT(ChartX, drawnBefore) << "the chart restarted or stopped while minimised";
    // Later ticks only add to the right of what was there.
    EXPECT_EQ(Differences(after, before, Px(drawnBefore - 1) - PenWidth()), 0);
    ExpectLinesUpToChartX(after);
}

TEST_F(MemoryChartTest, EveryPageChangeWipesTheChartAndItRefillsFromTheLeft) {
    PumpUntilChartX(8);
    ASSERT_GT(Field().Count(kRed), 0);

    form_->TabbedNotebook1.SelectPage(2);
    EXPECT_EQ(ChartX, 0);
    PumpUntilChartX(2);
    form_->TabbedNotebook1.SelectPage(3);  // between two other pages too
    EXPECT_EQ(ChartX, 0);
    for (ui::PaintBox* box : {&form_->PaintBox1, &form_->PaintBox2}) {
        EXPECT_EQ(box->PenPos().x, 0);
        EXPECT_EQ(box->PenPos().y, 89);
    }
    form_->TabbedNotebook1.SelectPage(1);
    EXPECT_EQ(ChartX, 0);
    const Pixels empty = Field();
    EXPECT_EQ(empty.LineColumns().first, -1);
    EXPECT_GT(empty.Count(kGrey), 0);

    PumpUntilChartX(4);
    ExpectLinesUpToChartX(Field());
}

TEST_F(MemoryChartTest, ASweepHas310PointsAndTheTickThatDrawsTo309WipesIt) {
    ui::PaintBox& white = form_->PaintBox1;
    ASSERT_EQ(ChartX, 0);
    for (int tick = 0; tick < 309; ++tick) form_->Timer3Timer();
    EXPECT_EQ(ChartX, 309);
    EXPECT_EQ(white.PenPos().x, 308);
    const auto [first, last] = Field().LineColumns();
    EXPECT_EQ(first, 0);
    EXPECT_GE(last, Px(307));
    EXPECT_LT(last, Px(309));

    form_->Timer3Timer();  // draws to 309 and wipes
    EXPECT_EQ(ChartX, 0);
    EXPECT_EQ(white.PenPos().x, 0);
    EXPECT_EQ(white.PenPos().y, 89);
    EXPECT_EQ(form_->PaintBox2.PenPos().y, 89);
    EXPECT_EQ(Field().LineColumns().first, -1);

    form_->Timer3Timer();  // rises from the bottom-left corner
    EXPECT_EQ(ChartX, 1);
    EXPECT_EQ(white.PenPos().x, 0);
    EXPECT_LE(Field().LineColumns().second, PenWidth());
}

// Painted at 144 DPI the lines cover the same share of the box, with a pen two pixels
// wide, and nothing reaches outside the box.
TEST_F(MemoryChartTest, PaintedAtAnotherDpiTheChartScalesAndStaysInsideTheBox) {
    for (int tick = 0; tick < 100; ++tick) form_->Timer3Timer();
    constexpr int kMargin = 20;
    const auto paint = [this](int dpi) {
        const int width = ScaleForDpi(313, dpi);
        const int height = ScaleForDpi(89, dpi);
        return Draw(width + 2 * kMargin, height + 2 * kMargin, [&](HDC dc) {
            form_->PaintBox1.Paint(dc, {kMargin, kMargin, kMargin + width, kMargin + height}, dpi);
        });
    };
    const Pixels at96 = paint(96);
    const Pixels at144 = paint(144);
    const auto [first96, last96] = at96.LineColumns();
    const auto [first144, last144] = at144.LineColumns();
    ASSERT_EQ(first96, kMargin);
    EXPECT_EQ(first144, kMargin);
    EXPECT_NEAR(last144 - kMargin, ScaleForDpi(last96 - kMargin, 144), 2);
    // The first stroke rises from the bottom edge: the box's edge cuts it.
    for (int x = 0; x < at144.width; ++x)
        for (int y = at144.height - kMargin; y < at144.height; ++y)
            ASSERT_FALSE(IsLine(at144.At(x, y))) << x << "," << y;
    for (int x = kMargin; x < kMargin + ScaleForDpi(90, 144); ++x) {
        int thickness = 0;
        for (int y = 0; y < at144.height; ++y) thickness += at144.At(x, y) == kWhite;
        EXPECT_GE(thickness, 2) << "column " << x;
    }
}

}  // namespace
