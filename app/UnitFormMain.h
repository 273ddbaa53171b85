#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/ExceptionPolicies.h"
#include "probes/Cpuid.h"
#include "probes/Drive.h"
#include "probes/Host.h"
#include "probes/MemoryStatus.h"
#include "probes/Services.h"
#include "probes/Uptime.h"
#include "ui/Application.h"
#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/Graphic.h"
#include "ui/GroupBox.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/LinkLabel.h"
#include "ui/ListBox.h"
#include "ui/ListView.h"
#include "ui/Notebook.h"
#include "ui/ProgressBar.h"
#include "ui/Timer.h"

// The notebook's pages, in tab order.
enum PageIndex : int { kProcessorPage, kMemoryPage, kDiskPage, kSystemPage, kPrinterPage, kOtherPage, kAboutPage };

// What the handlers ask of the machine: the probes' queries, called through here so that a
// test can put one that fails in their place.
struct ProbeSet {
    std::function<TCpuidSnapshot()> readCpuidSnapshot = ReadCpuidSnapshot;
    std::function<MemoryStatus()> queryMemoryStatus = QueryMemoryStatus;
    std::function<std::string(char)> getVolumeSerialText = GetVolumeSerialText;
    std::function<std::string(char)> getFileSystemName = GetFileSystemName;
    std::function<std::int64_t(char)> driveTotalBytes = DriveTotalBytes;
    std::function<std::int64_t(char)> driveFreeBytes = DriveFreeBytes;
    std::function<int(char)> queryDriveType = QueryDriveType;
    std::function<std::vector<LogicalDrive>()> listDrives = ListDrives;
    std::function<std::string(int)> getHostIdentity = GetHostIdentity;
    std::function<std::string()> formatUptime = FormatUptime;
    std::function<bool(const std::string&, std::uint32_t, std::uint32_t, std::vector<std::string>&)> listServices =
        ListServices;
};

// Stands for the application manifest, which lives in the executable's resources; the
// component itself does nothing at run time.
struct ManifestComponent {};

// The main window: the notebook of seven pages, its controls and the refresh timers.
class TFormMain : public ui::Form {
public:
    explicit TFormMain(ui::ExceptionSink& errors);
    ~TFormMain() override;

    // Components, in the order they are created.
    ui::Timer Timer1;
    ManifestComponent XPManifest1;
    ui::Notebook TabbedNotebook1;
    ui::Timer Timer2;
    ui::GroupBox GroupBox1;
    ui::Label Label1, Label3, Label5, Label7, Label8, Label6, Label4, Label2;
    ui::GroupBox GroupBox2;
    ui::Label Label9;
    ui::ProgressBar ProgressBar1;
    ui::Label Label10;
    ui::GroupBox GroupBox3;
    ui::Shape Shape2, Shape1;
    ui::Timer Timer3;
    ui::PaintBox PaintBox1, PaintBox2;
    ui::Shape Shape3, Shape4;
    ui::Label Label11, Label12;
    ui::Timer Timer4;
    ui::GroupBox GroupBox5;
    ui::Timer Timer5;
    ui::Label Label15, Label16;
    ui::GroupBox GroupBox4;
    ui::ListBox ListBox1;
    ui::Image Img_Info;
    ui::ComboBox DriveComboBox1;
    ui::Label Label13, Label14, Label21, Label22, Label23, Label24;
    ui::GroupBox GroupBox6;
    ui::Timer Timer6;
    ui::ListView ListView1;
    ui::Timer Timer7;
    ui::Label Label25, Label26, Label27, Label28, Label29;
    ui::ListBox ListBox2;
    ui::Label Label30;
    ui::GroupBox GroupBox7;
    ui::Label Label19, Label17, Label20, Label18;
    ui::GroupBox GroupBox8;
    ui::Label Label31, Label32;
    ui::Label Label33, Label34;
    ui::Image Image1;
    ui::Label Label35, LabVer, Label37, Label38;
    ui::LinkLabel RzURLLabel1, RzURLLabel2;

    // Handlers.
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void TabbedNotebook1Change(int newTab, bool& allowChange);
    void Timer4Timer();
    void Timer5Timer();
    void FormShow();
    void DriveComboBox1Change();
    void Timer6Timer();
    void Timer7Timer();
    void FormCreate();

    // The report canvas on Img_Info: ClearReport whitens it and puts ReportLineY back at the
    // top; WriteReportLine writes a red label and a black value on one line and moves down.
    void ClearReport();
    void WriteReportLine(const std::string& label, const std::string& value);
    // Makes the bitmap again at Img_Info's size and draws the report's lines on it: after a
    // DPI change the report stays sharp and its text the same.
    void RedrawReport();

    void DoShow() override { FormShow(); }
    bool PreTranslateMessage(const MSG& message) override;

    ProbeSet probes;

private:
    // Builds every component from the window's design, in declaration order.
    void CreateComponents();
    // Each page's run-time captions; FormCreate calls them in tab order, which is the order
    // of the whole caption table.
    void SetProcessorCaptions();
    void SetMemoryCaptions();
    void SetDiskCaptions();
    void SetSystemCaptions();
    void SetPrinterCaptions();
    void SetOtherCaptions();
    void SetAboutCaptions();
    // Wipes the memory chart and starts its next sweep at the bottom-left corner.
    void RestartChart();
    // The disk page's steps of the one-second tick, and what its first showing does.
    char ChosenDrive() const;
    void ShowVolumeText();
    void ShowFileSystem();
    void ShowTotalSize();
    void ShowFreeSize();
    void FirstShowOfDiskPage();
    // The other page's steps of the one-second tick.
    void ShowIpAddress();
    void ShowComputerName();
    void ShowUptime();

    OneErrorBoxAtATime reportErrors_;
    // The drive of the current directory at start: the drive box's choice until it is filled,
    // the first time the disk page is shown.
    char startDrive_ = CurrentDirectoryDrive();
    bool driveBoxFilled_ = false;
    struct KeptLine {
        int y;  // top, in 96-DPI units
        std::string label;
        std::string value;
    };
    std::vector<KeptLine> reportLines_;  // what the canvas shows, to draw it again
    std::string reportText_;             // the report as text: Img_Info's window text
};

// The one main window, from the moment its construction begins until it is destroyed.
extern TFormMain* FormMain;
// The x, at 96 DPI, of the point the memory chart's next tick draws to: 0 to 309 between ticks.
extern int ChartX;
// The top of the next line of the processor report, in pixels at 96 DPI.
extern int ReportLineY;
