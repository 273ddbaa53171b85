// The processor page's report canvas: lines of red labels and black values on a white
// bitmap, one every 13 pixels from the top.
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
}  // namespace

void TFormMain::ClearReport() {
    ui::Canvas& canvas = Img_Info.GetCanvas();  // the first use makes the bitmap
    canvas.SetBrushColor(kWhite);
    canvas.SetFont(ui::kWindowFont, Img_Info.Dpi());
    canvas.FillRect({0, 0, canvas.Width(), canvas.Height()});
    ReportLineY = kReportTop;
    reportText_.clear();
    Img_Info.SetText(reportText_);
    Img_Info.Invalidate();
}

void TFormMain::WriteReportLine(const std::string& label, const std::string& value) {
    ui::Canvas& canvas = Img_Info.GetCanvas();
    const int dpi = Img_Info.Dpi();
    const int left = ScaleForDpi(kReportLeft, dpi);
    const int top = ScaleForDpi(ReportLineY, dpi);
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
    if (ReportLineY != kReportTop) reportText_ += "\r\n";  // lines are joined, not ended
    reportText_ += ReadableText(label, value);
    ReportLineY += kReportLineHeight;
    Img_Info.SetText(reportText_);
    Img_Info.Invalidate();
}
