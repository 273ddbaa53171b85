// The main window's design: every component with its place (at 96 DPI), font, colour and
// design-time text, created in declaration order. Run-time texts come from FormCreate.
#include "app/ProductInfo.h"
#include "app/UnitFormMain.h"

namespace {

using Align = ui::Label::Align;
using BrushStyle = ui::Shape::BrushStyle;

constexpr int kClientWidth = 369;
constexpr int kClientHeight = 377;

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGray = RGB(128, 128, 128);
constexpr ui::FontDesign kBoldTitleFont{L"Arial", -13, true, false};
constexpr ui::FontDesign kLinkFont{L"Arial", -11, false, true};
// The TrueType twin of the bitmap font "MS Sans Serif", with the same metrics: the bitmap
// font has no glyphs beyond Western scripts, and programs' names come in every language.
constexpr ui::FontDesign kListViewFont{L"Microsoft Sans Serif", -11, false, false};

}  // namespace

void TFormMain::CreateComponents() {
    CreateForm({.caption = "Kestrane",
                .clientWidth = kClientWidth,
                .clientHeight = kClientHeight,
                .className = L"TFormMain",
                .icon = L"MAINICON"});

    Timer1.Create(*this, 1, [this] { Timer1Timer(); });
    TabbedNotebook1.Create(*this, {.bounds = {0, 0, kClientWidth, kClientHeight},
                                   .pages = {"CPU", "RAM", "HDD", "System", "Printer", "Other", "About"}});
    TabbedNotebook1.OnChange = [this](int newTab, bool& allowChange) { TabbedNotebook1Change(newTab, allowChange); };
    Timer2.Create(*this, 1, [this] { Timer2Timer(); });

    ui::Page& memory = TabbedNotebook1.Pages(kMemoryPage);
    GroupBox1.Create(memory, {.bounds = {8, 16, 345, 89}});
    Label1.Create(GroupBox1, {.bounds = {16, 16, 110, 14}, .text = "Total Physical Memory:", .color = ui::kRed});
    Label3.Create(GroupBox1, {.bounds = {16, 32, 127, 14}, .text = "Availible Physical Memory:", .color = ui::kRed});
    Label5.Create(GroupBox1, {.bounds = {16, 48, 113, 14}, .text = "Total Page File Memory:", .color = ui::kRed});
    Label7.Create(GroupBox1, {.bounds = {16, 64, 130, 14}, .text = "Availible Page File Memory:", .color = ui::kRed});
    Label8.Create(GroupBox1, {.bounds = {152, 64, 6, 14}, .text = "0"});
    Label6.Create(GroupBox1, {.bounds = {152, 48, 6, 14}, .text = "0"});
    Label4.Create(GroupBox1, {.bounds = {152, 32, 6, 14}, .text = "0"});
    Label2.Create(GroupBox1, {.bounds = {152, 16, 6, 14}, .text = "0"});
    GroupBox2.Create(memory, {.bounds = {8, 112, 345, 73}});
    Label9.Create(GroupBox2, {.bounds = {16, 16, 80, 14}, .text = "Loaded Memory:", .color = ui::kRed});
    ProgressBar1.Create(GroupBox2, {.bounds = {48, 40, 241, 17}});
    Label10.Create(GroupBox2, {.bounds = {104, 16, 19, 14}, .text = "0 %"});
    GroupBox3.Create(memory, {.bounds = {8, 192, 345, 145}});
    Shape2.Create(GroupBox3, {.bounds = {16, 24, 313, 89}, .brush = kBlack, .style = BrushStyle::Solid, .pen = kBlack});
    Shape1.Create(GroupBox3, {.bounds = {16, 24, 313, 89}, .brush = kGray, .style = BrushStyle::Cross, .pen = kBlack});
    Timer3.Create(*this, 200, [this] { Timer3Timer(); });
    PaintBox1.Create(GroupBox3, {.bounds = {16, 24, 313, 89}});
    PaintBox2.Create(GroupBox3, {.bounds = {16, 24, 313, 89}});
    Shape3.Create(GroupBox3, {.bounds = {16, 120, 9, 9}, .brush = kWhite, .style = BrushStyle::Solid, .pen = kBlack});
    Shape4.Create(GroupBox3,
                  {.bounds = {144, 120, 9, 9}, .brush = ui::kRed, .style = BrushStyle::Solid, .pen = kBlack});
    Label11.Create(GroupBox3, {.bounds = {32, 118, 81, 14}, .text = "Physical Memory"});
    Label12.Create(GroupBox3, {.bounds = {160, 118, 84, 14}, .text = "Page File Memory"});
    Timer4.Create(*this, 1, [this] { Timer4Timer(); });

    ui::Page& disk = TabbedNotebook1.Pages(kDiskPage);
    GroupBox5.Create(disk, {.bounds = {8, 24, 345, 153}, .text = "HDD"});
    Timer5.Create(*this, 1000, [this] { Timer5Timer(); });
    Label15.Create(GroupBox5, {.bounds = {16, 56, 98, 14}, .text = "Drive Serial Number:", .color = ui::kRed});
    Label16.Create(GroupBox5, {.bounds = {128, 56, 58, 14}, .text = "<Unknown>"});

    ui::Page& system = TabbedNotebook1.Pages(kSystemPage);
    GroupBox4.Create(system, {.bounds = {3, 16, 345, 153}, .text = "Installed Services"});
    ListBox1.Create(GroupBox4, {.bounds = {16, 24, 313, 113}});
    Img_Info.Create(TabbedNotebook1.Pages(kProcessorPage), {.bounds = {8, 16, 345, 321}});
    Img_Info.OnDpiChanged = [this] { reportErrors_.Run(Errors(), [this] { RedrawReport(); }); };
    DriveComboBox1.Create(GroupBox5, {.bounds = {16, 24, 193, 20}, .withIcons = true});
    DriveComboBox1.OnChange = [this] { DriveComboBox1Change(); };
    Label13.Create(GroupBox5, {.bounds = {16, 72, 96, 14}, .text = "Drive Partition Type:", .color = ui::kRed});
    Label14.Create(GroupBox5, {.bounds = {128, 72, 58, 14}, .text = "<Unknown>"});
    Label21.Create(GroupBox5, {.bounds = {16, 112, 73, 14}, .text = "Total Disk Size:", .color = ui::kRed});
    Label22.Create(GroupBox5, {.bounds = {128, 112, 58, 14}, .text = "<Unknown>"});
    Label23.Create(GroupBox5, {.bounds = {16, 128, 72, 14}, .text = "Free Disk Size:", .color = ui::kRed});
    Label24.Create(GroupBox5, {.bounds = {128, 128, 58, 14}, .text = "<Unknown>"});
    GroupBox6.Create(system, {.bounds = {3, 184, 342, 161}, .text = "Installed Softwares"});
    Timer6.Create(*this, 500, [this] { Timer6Timer(); });
    ListView1.Create(GroupBox6, {.bounds = {16, 24, 313, 129}, .font = kListViewFont});
    Timer7.Create(*this, 1000, [this] { Timer7Timer(); });

    ui::Page& printer = TabbedNotebook1.Pages(kPrinterPage);
    Label25.Create(printer, {.bounds = {8, 224, 58, 14}, .text = "<Unknown>"});
    Label26.Create(printer, {.bounds = {8, 168, 58, 14}, .text = "<Unknown>"});
    Label27.Create(printer, {.bounds = {8, 184, 58, 14}, .text = "<Unknown>"});
    Label28.Create(printer, {.bounds = {8, 152, 101, 14}, .text = "Default Printer Name:", .color = ui::kRed});
    Label29.Create(printer, {.bounds = {8, 208, 85, 14}, .text = "Printer Accuracy:", .color = ui::kRed});
    ListBox2.Create(printer, {.bounds = {8, 40, 257, 89}});
    Label30.Create(printer, {.bounds = {8, 24, 82, 14}, .text = "Installed Printers:"});

    ui::Page& other = TabbedNotebook1.Pages(kOtherPage);
    GroupBox7.Create(other, {.bounds = {8, 32, 337, 65}, .text = "Network"});
    Label19.Create(GroupBox7, {.bounds = {104, 40, 58, 14}, .text = "<Unknown>"});
    Label17.Create(GroupBox7, {.bounds = {104, 24, 58, 14}, .text = "<Unknown>"});
    Label20.Create(GroupBox7, {.bounds = {16, 40, 79, 14}, .text = "Computer Name:", .color = ui::kRed});
    Label18.Create(GroupBox7, {.bounds = {16, 24, 60, 14}, .text = "Computer IP:", .color = ui::kRed});
    GroupBox8.Create(other, {.bounds = {8, 104, 337, 73}, .text = "Windows"});
    Label31.Create(GroupBox8, {.bounds = {16, 40, 58, 14}, .text = "<Unknown>"});
    Label32.Create(GroupBox8, {.bounds = {16, 24, 87, 14}, .text = "Windows Up time:", .color = ui::kRed});
    Label33.Create(GroupBox5, {.bounds = {128, 88, 58, 14}, .text = "<Unknown>"});
    Label34.Create(GroupBox5, {.bounds = {16, 88, 55, 14}, .text = "Drive Type:", .color = ui::kRed});

    ui::Page& about = TabbedNotebook1.Pages(kAboutPage);
    Image1.Create(about, {.bounds = {144, 24, 32, 32}, .icon = L"MAINICON"});
    Label35.Create(about, {.bounds = {96, 72, 159, 16}, .text = "Kestrane", .font = kBoldTitleFont});
    LabVer.Create(about, {.bounds = {144, 96, 49, 14}, .text = "(Ver $V$)"});
    Label37.Create(about, {.bounds = {41, 128, 54, 14}, .text = "HomePage:", .align = Align::Right});
    Label38.Create(about, {.bounds = {69, 152, 27, 14}, .text = "EMail:", .align = Align::Right});
    RzURLLabel1.Create(about, {.bounds = {112, 128, 140, 14}, .text = kHomePage, .url = kHomePage, .font = kLinkFont});
    const std::string mailTo = std::string("mailto:") + kMailAddress;
    RzURLLabel2.Create(about, {.bounds = {112, 152, 103, 14}, .text = kMailAddress, .url = mailTo, .font = kLinkFont});
}
