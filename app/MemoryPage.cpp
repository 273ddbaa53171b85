// The memory page: the six figures and the usage chart.
#include "app/UnitFormMain.h"
#include "common/ChartMath.h"
#include "common/MegabyteText.h"

void TFormMain::SetMemoryCaptions() {
    Label1.SetCaption("总的物理内存:");
    Label3.SetCaption("可用物理内存:");
    Label5.SetCaption("总的虚拟内存:");
    Label7.SetCaption("可用虚拟内存:");
    Label9.SetCaption("已加载内存:");
    Label11.SetCaption("物理内存");
    Label12.SetCaption("虚拟内存");
    TabbedNotebook1.SetPageCaption(kMemoryPage, "内存");
}

// The memory figures, all six from one query.
void TFormMain::Timer2Timer() {
    DropExceptions([this] {
        const MemoryStatus status = probes.queryMemoryStatus();
        Label2.SetCaption(MegabyteText(status.totalPhys));
        Label4.SetCaption(MegabyteText(status.availPhys));
        Label6.SetCaption(MegabyteText(status.totalPageFile));
        Label8.SetCaption(MegabyteText(status.availPageFile));
        Label10.SetCaption(MemoryLoadText(status.load));
        ProgressBar1.SetPosition(static_cast<int>(status.load));
    });
}

// The memory chart: one more point on each line from one query. A zero total ends the tick
// before ChartX moves, so the next tick tries the same x again.
void TFormMain::Timer3Timer() {
    DropExceptions([this] {
        const MemoryStatus status = probes.queryMemoryStatus();
        PaintBox1.LineTo(ChartX, ChartY(status.availPhys, status.totalPhys, PaintBox1.Height()));
        PaintBox2.LineTo(ChartX, ChartY(status.availPageFile, status.totalPageFile, PaintBox2.Height()));
        ChartX += 1;
        if (ChartSweepEnds(ChartX)) RestartChart();
    });
}

void TFormMain::RestartChart() {
    ChartX = 0;
    PaintBox1.Refresh();
    PaintBox2.Refresh();
    PaintBox1.MoveTo(0, PaintBox1.Height());
    PaintBox2.MoveTo(0, PaintBox2.Height());
}
