#include "app/UnitFormMain.h"

#include "app/Handlers.h"
#include "app/ProductInfo.h"
#include "common/ChartMath.h"
#include "common/MegabyteText.h"
#include "common/UPub_Version.h"
#include "probes/Cpuid.h"
#include "probes/MemoryStatus.h"

TFormMain* FormMain = nullptr;
int ChartX = 0;
int ReportLineY = 0;

TFormMain::TFormMain(ui::ExceptionSink& errors) : ui::Form(errors) {
    FormMain = this;
    CreateComponents();
    // A failing caption step is reported; the window is still created and shown.
    try {
        FormCreate();
    } catch (...) {
        Errors().HandleException(std::current_exception());
    }
}

TFormMain::~TFormMain() {
    // Every child goes while all the wrappers are still alive.
    DestroyHandle();
    if (FormMain == this) FormMain = nullptr;
}

bool TFormMain::PreTranslateMessage(const MSG& message) { return TabbedNotebook1.HandleNavigationKey(message); }

void TFormMain::FormCreate() {
    FormMain->SetText("Kestrane");
    TabbedNotebook1.SetPageCaption(0, "处理器");
    Label1.SetCaption("总的物理内存:");
    Label3.SetCaption("可用物理内存:");
    Label5.SetCaption("总的虚拟内存:");
    Label7.SetCaption("可用虚拟内存:");
    Label9.SetCaption("已加载内存:");
    Label11.SetCaption("物理内存");
    Label12.SetCaption("虚拟内存");
    TabbedNotebook1.SetPageCaption(1, "内存");
    TabbedNotebook1.SetPageCaption(2, "硬盘");
    Label15.SetCaption("驱动器序列号:");
    Label13.SetCaption("驱动器分区类型:");
    Label34.SetCaption("驱动器类型:");
    Label21.SetCaption("总磁盘大小:");
    Label23.SetCaption("磁盘空闲:");
    TabbedNotebook1.SetPageCaption(3, "系统");
    GroupBox4.SetText("已安装的服务");
    GroupBox6.SetText("已安装的软件");
    TabbedNotebook1.SetPageCaption(4, "打印机");
    Label30.SetCaption("已安装打印机");
    Label28.SetCaption("默认打印机名称:");
    Label29.SetCaption("打印机精度:");
    TabbedNotebook1.SetPageCaption(5, "其他");
    GroupBox7.SetText("网络");
    Label18.SetCaption("计算机IP地址:");
    Label20.SetCaption("计算机名");
    GroupBox8.SetText("操作系统");
    Label32.SetCaption("系统运行时间:");
    TabbedNotebook1.SetPageCaption(6, "关于");
    Label35.SetCaption("Kestrane");
    Label37.SetCaption("主页:");
    Label38.SetCaption("邮箱:");
    RzURLLabel1.SetCaption(kHomePage);
    RzURLLabel1.SetUrl(kHomePage);
    LabVer.SetCaption(ApplyVersionTag(LabVer.Caption(), kProductVersion));
}

void TFormMain::FormShow() {
    PaintBox1.SetPenColor(RGB(255, 255, 255));
    PaintBox2.SetPenColor(RGB(255, 0, 0));
    RestartChart();  // the first sweep starts where every later one does
}

// The processor report; one complete report switches the timer off. Errors reach the
// default handler and the timer stays on, so the next tick makes the whole report again;
// while the box about one failure is open, further failures are not reported again.
void TFormMain::Timer1Timer() {
    reportErrors_.Run(Errors(), [this] {
        ClearReport();
        const TCpuidSnapshot snapshot = ReadCpuidSnapshot();
        for (const TReportLine& line : DecodeProcessorReport(snapshot)) WriteReportLine(line.label, line.value);
        Timer1.SetEnabled(false);
    });
}

// The memory figures, all six from one query.
void TFormMain::Timer2Timer() {
    DropExceptions([this] {
        const MemoryStatus status = QueryMemoryStatus();
        Label2.SetCaption(MegabyteText(status.totalPhys));
        Label4.SetCaption(MegabyteText(status.availPhys));
        Label6.SetCaption(MegabyteText(status.totalPageFile));
        Label8.SetCaption(MegabyteText(status.availPageFile));
        Label10.SetCaption(std::to_string(status.load) + " %");
        ProgressBar1.SetPosition(static_cast<int>(status.load));
    });
}

// The memory chart: one more point on each line from one query. A zero total ends the tick
// before ChartX moves, so the next tick tries the same x again.
void TFormMain::Timer3Timer() {
    DropExceptions([this] {
        const MemoryStatus status = QueryMemoryStatus();
        PaintBox1.LineTo(ChartX, ChartY(status.availPhys, status.totalPhys, PaintBox1.Height()));
        PaintBox2.LineTo(ChartX, ChartY(status.availPageFile, status.totalPageFile, PaintBox2.Height()));
        ChartX += 1;
        if (ChartSweepEnds(ChartX)) RestartChart();
    });
}

// A page change restarts the memory chart, whichever pages it is between; never refused.
void TFormMain::TabbedNotebook1Change(int, bool&) { RestartChart(); }

void TFormMain::RestartChart() {
    ChartX = 0;
    PaintBox1.Refresh();
    PaintBox2.Refresh();
    PaintBox1.MoveTo(0, PaintBox1.Height());
    PaintBox2.MoveTo(0, PaintBox2.Height());
}

// The service list, once: the timer goes off after the first tick, whatever happens in it,
// and only then does an error reach the default handler.
void TFormMain::Timer4Timer() {
    struct SwitchOff {
        ui::Timer& timer;
        ~SwitchOff() { timer.SetEnabled(false); }
    } switchOff{Timer4};
}

// The drive, network and uptime texts, once a second.
void TFormMain::Timer5Timer() {
    DropExceptions([] {});
}

// The drive chosen in the drive box.
void TFormMain::DriveComboBox1Change() {
    DropExceptions([] {});
}

// The installed programs, until one scan completes without an error.
void TFormMain::Timer6Timer() {
    DropExceptions([this] { Timer6.SetEnabled(false); });
}

// The printers, once a second.
void TFormMain::Timer7Timer() {
    DropExceptions([] {});
}
