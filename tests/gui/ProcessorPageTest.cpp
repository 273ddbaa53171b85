#include <stdexcept>
#include <vector>

#include "MainWindowFixture.h"
#include "common/Placement.h"
#include "probes/Cpuid.h"

namespace {

// The canvas's pixels, top row first, as 0x00RRGGBB.
class Pixels {
public:
    explicit Pixels(ui::Canvas& canvas) : width_(canvas.Width()), height_(canvas.Height()) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        pixels_.resize(static_cast<std::size_t>(width_) * height_);
        GetDIBits(canvas.Dc(), canvas.Bitmap(), 0, static_cast<UINT>(height_), pixels_.data(), &info, DIB_RGB_COLORS);
    }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int R(int x, int y) const { return (At(x, y) >> 16) & 0xFF; }
    int G(int x, int y) const { return (At(x, y) >> 8) & 0xFF; }
    int B(int x, int y) const { return At(x, y) & 0xFF; }
    bool White(int x, int y) const { return (At(x, y) & 0xFFFFFF) == 0xFFFFFF; }
    // Glyphs blend into the white cells, grey or with ClearType's coloured fringes: judge ink
    // by its hue, not exact values. Red text on white keeps its red channel full in every
    // pixel, fringes included, so it is never dark; black text has a dark core, but its
    // fringes can look red, so red is looked for only where a label stands.
    bool Red(int x, int y) const { return R(x, y) > 160 && G(x, y) < R(x, y) - 60 && B(x, y) < R(x, y) - 60; }
    bool Dark(int x, int y) const { return R(x, y) < 128 && G(x, y) < 128 && B(x, y) < 128; }

private:
    std::uint32_t At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
};

// The canvas fills the image control and shows each report line at its place at the
// image's DPI: red ink exactly where a label is, dark ink where a value is, white elsewhere.
void ExpectReportDrawn(ui::Image& image, const std::vector<TReportLine>& report) {
    ASSERT_TRUE(image.HasCanvas());
    ui::Canvas& canvas = image.GetCanvas();
    const Pixels pixels(canvas);
    RECT client;
    GetClientRect(image.Handle(), &client);
    EXPECT_EQ(pixels.Width(), client.right);
    EXPECT_EQ(pixels.Height(), client.bottom);

    const int dpi = image.Dpi();
    const int left = ScaleForDpi(15, dpi);
    for (int x = 0; x < pixels.Width(); ++x)  // the rows above the first line stay white
        for (int y = 0; y < ScaleForDpi(5, dpi); ++y) ASSERT_TRUE(pixels.White(x, y)) << x << "," << y;
    for (std::size_t i = 0; i < report.size(); ++i) {
        const int top = ScaleForDpi(5 + 13 * static_cast<int>(i), dpi);
        const int bottom = std::min(pixels.Height(), ScaleForDpi(5 + 13 * static_cast<int>(i + 1), dpi));
        const TReportLine& line = report[i];
        // The label stands from the margin to where the value starts (a pixel's overlap allowed).
        const int labelEnd = left + (line.label.empty() ? 0 : canvas.TextWidth(line.label));
        int firstRed = pixels.Width(), redInLabel = 0, darkInLabel = 0, darkInValue = 0, inkLeftOfMargin = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < pixels.Width(); ++x) {
                if (x < left) {
                    inkLeftOfMargin += !pixels.White(x, y);
                } else if (x < labelEnd - 1) {
                    if (pixels.Red(x, y)) firstRed = std::min(firstRed, x), ++redInLabel;
                    darkInLabel += pixels.Dark(x, y);
                } else if (x > labelEnd) {
                    darkInValue += pixels.Dark(x, y);
                }
            }
        EXPECT_EQ(redInLabel > 0, !line.label.empty()) << "line " << i + 1;
        EXPECT_EQ(darkInLabel, 0) << "line " << i + 1;
        EXPECT_EQ(darkInValue > 0, !line.value.empty()) << "line " << i + 1;
        EXPECT_EQ(inkLeftOfMargin, 0) << "line " << i + 1;
        if (redInLabel > 0 && line.label.front() != ' ') {  // a label's leading blanks are ink-free
            EXPECT_LE(firstRed, left + ScaleForDpi(3, dpi)) << "line " << i + 1;
        }
    }
    // Below the last line the canvas is white.
    for (int y = ScaleForDpi(ReportLineY, dpi); y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x) ASSERT_TRUE(pixels.White(x, y)) << x << "," << y;
}

TEST_F(MainWindowTest, ProcessorReportIsDrawnOnceAsRedLabelsAndBlackValues) {
    CreateAndShow();
    ASSERT_TRUE(PumpUntil([this] { return !form_->Timer1.Enabled(); }));
    PumpFor(std::chrono::milliseconds(100));
    EXPECT_FALSE(form_->Timer1.Enabled());  // once off, it stays off

    const std::vector<TReportLine> report = DecodeProcessorReport(ReadCpuidSnapshot());
    EXPECT_EQ(ReportLineY, 5 + 13 * static_cast<int>(report.size()));
    EXPECT_EQ(ReportLineY, HasExtendedReport(ReadCpuidSnapshot()) ? 317 : 278);
    ui::Image& image = form_->Img_Info;
    ExpectReportDrawn(image, report);

    // The same report as text, one line per report line.
    const std::string text = image.Text();
    EXPECT_EQ(text.substr(0, std::string("处理器\r\n   - 供货商ID: ").size()), "处理器\r\n   - 供货商ID: ");
    std::size_t lines = 1;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lines;
    EXPECT_EQ(lines, report.size());
}

// At another DPI the report is drawn again at the new size, not stretched; its text stays.
TEST_F(MainWindowTest, TheReportIsDrawnAgainSharpAtANewDpi) {
    CreateAndShow();
    ASSERT_TRUE(PumpUntil([this] { return !form_->Timer1.Enabled(); }));
    const std::string text = form_->Img_Info.Text();
    const int lineY = ReportLineY;
    const int dpi = form_->Dpi() == 144 ? 96 : 144;
    ChangeDpi(dpi);
    EXPECT_EQ(form_->Img_Info.Dpi(), dpi);
    ExpectReportDrawn(form_->Img_Info, DecodeProcessorReport(ReadCpuidSnapshot()));
    EXPECT_EQ(form_->Img_Info.Text(), text);
    EXPECT_EQ(ReportLineY, lineY);
}

TEST_F(MainWindowTest, AFailingReportShowsOneBoxAtATimeAndAppearsOnceTheFailureStops) {
    Create();
    int attempts = 0;
    bool failing = true;
    form_->probes.readCpuidSnapshot = [&] {
        ++attempts;
        if (failing) throw std::runtime_error("report failed");
        return ReadCpuidSnapshot();
    };
    // Each box stays open for 300 ms while the 1 ms timer keeps failing.
    MessageBoxWatcher boxes(std::chrono::milliseconds(300));
    app_.Show(*form_);
    ASSERT_TRUE(PumpUntil([&] { return boxes.Count() >= 2; }));
    EXPECT_EQ(boxes.LastText(), "report failed");
    EXPECT_TRUE(form_->Timer1.Enabled());  // tried again at the next tick
    EXPECT_GT(attempts, 2);                // failures while a box was open were tried, not reported
    const int boxesWhileFailing = boxes.Count();

    failing = false;
    ASSERT_TRUE(PumpUntil([this] { return !form_->Timer1.Enabled(); }));
    PumpFor(std::chrono::milliseconds(200));
    EXPECT_EQ(boxes.Count(), boxesWhileFailing);
    EXPECT_EQ(ReportLineY, 5 + 13 * static_cast<int>(DecodeProcessorReport(ReadCpuidSnapshot()).size()));
    EXPECT_EQ(form_->Img_Info.Text().rfind("处理器\r\n", 0), 0u);
}

// A report whose bitmap cannot be made fails instead of passing for done.
TEST(ReportCanvas, ABitmapWindowsCannotMakeRaises) {
    EXPECT_THROW(ui::Canvas(200000, 200000), std::exception);
    const ui::Canvas small(8, 8);
    EXPECT_NE(small.Bitmap(), nullptr);
}

}  // namespace
