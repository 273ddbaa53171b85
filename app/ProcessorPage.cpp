// The processor page: the CPUID report, drawn once on the report canvas (ReportCanvas.cpp).
#include "app/UnitFormMain.h"

void TFormMain::SetProcessorCaptions() { TabbedNotebook1.SetPageCaption(kProcessorPage, "处理器"); }

// One complete report switches the timer off. Errors reach the default handler and the timer
// stays on, so the next tick makes the whole report again; while the box about one failure
// is open, further failures are not reported again.
void TFormMain::Timer1Timer() {
    reportErrors_.Run(Errors(), [this] {
        ClearReport();
        const TCpuidSnapshot snapshot = probes.readCpuidSnapshot();
        for (const TReportLine& line : DecodeProcessorReport(snapshot)) WriteReportLine(line.label, line.value);
        Timer1.SetEnabled(false);
    });
}
