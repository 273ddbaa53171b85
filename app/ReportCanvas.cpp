// The processor page's report canvas: lines of red labels and black values on a white
// bitmap, one every 13 pixels from the top. The lines are kept, so that at another DPI the
// bitmap is made again at the new size and the report drawn sharp, never stretched.
#include "app/UnitFormMain.h"
#include "common/Placement.h"

namespace {
constexpr int kReportLeft = 15;
constexpr int kReportTop = 5;
constexpr int kReportLineHeight = 13;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// The line's text for screen readers and copying: 0 characters would end it early.
std::string ReadableText(const std::string& label, const std::string& value) {
    std::string text = label + value;
    std::erase(text, '\0');
    return text;
}

// The whole canvas white, with the window font at `dpi`.
void Whiten(ui::Canvas& canvas, int dpi) {
    canvas.SetBrushColor(kWhite);
    canvas.SetFont(ui::kWindowFont, dpi);
    canvas.FillRect({0, 0, canvas.Width(), canvas.Height()});
}

// One line with its top at y (96-DPI units): the label red, the value black right after it.
void DrawLine(ui::Canvas& canvas, int dpi, int y, const std::string& label, const std::string& value) {
    const int left = ScaleForDpi(kReportLeft, dpi);
    const int top = ScaleForDpi(y, dpi);
    if (!label.empty()) {
        canvas.SetBrushColor(kWhite);
        canvas.SetFontColor(ui::kRed);
        canvas.WriteText(left, top, label);
    }
    if (!value.empty()) {
        canvas.SetBrushColor(kWhite);
        canvas.SetFontColor(kBlack);
        canvas.WriteText(left + (label.empty() ? 0 : canvas.TextWidth(label)), top, value);
    }
}
}  // namespace

void TFormMain::ClearReport() {
    ui::Canvas& canvas = Img_Info.GetCanvas();  // the first use makes the bitmap
    Whiten(canvas, Img_Info.Dpi());
    ReportLineY = kReportTop;
    reportLines_.clear();
    reportText_.clear();
    Img_Info.SetText(reportText_);
    Img_Info.Invalidate();
}

void TFormMain::WriteReportLine(const std::string& label, const std::string& value) {
    DrawLine(Img_Info.GetCanvas(), Img_Info.Dpi(), ReportLineY, label, value);
    reportLines_.push_back({ReportLineY, label, value});
    if (ReportLineY != kReportTop) reportText_ += "\r\n";  // lines are joined, not ended
    reportText_ += ReadableText(label, value);
    ReportLineY += kReportLineHeight;
    Img_Info.SetText(reportText_);
    Img_Info.Invalidate();
}

void TFormMain::RedrawReport() {
    if (!Img_Info.HasCanvas()) return;  // nothing drawn yet: the first report makes the bitmap
    Img_Info.DiscardCanvas();
    ui::Canvas& canvas = Img_Info.GetCanvas();
    const int dpi = Img_Info.Dpi();
    Whiten(canvas, dpi);
    for (const KeptLine& line : reportLines_) DrawLine(canvas, dpi, line.y, line.label, line.value);
    Img_Info.Invalidate();
}
