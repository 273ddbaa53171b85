// The main window's design: every component with its place (at 96 DPI), font, colour and
// design-time text, created in declaration order. Run-time texts come from FormCreate.
#include "app/ProductInfo.h"
#include "app/UnitFormMain.h"

namespace {

using ui::Bounds;
using Align = ui::Label::Align;
using BrushStyle = ui::Shape::BrushStyle;

constexpr int kClientWidth = 369;
constexpr int kClientHeight = 377;

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGray = RGB(128, 128, 128);
constexpr ui::FontDesign kBoldTitleFont{L"Arial", -13, true, false};
constexpr ui::FontDesign kLinkFont{L"Arial", -11, false, true};
constexpr ui::FontDesign kListViewFont{L"MS Sans Serif", -11, false, false};

enum PageIndex { kProcessorPage, kMemoryPage, kDiskPage, kSystemPage, kPrinterPage, kOtherPage, kAboutPage };

}  // namespace

void TFormMain::CreateComponents() {
    CreateForm("Kestrane", kClientWidth, kClientHeight);

    Timer1.Create(*this, 1, [this] { Timer1Timer(); });
    TabbedNotebook1.Create(*this, {0, 0, kClientWidth, kClientHeight}, ui::kWindowFont,
                           {"CPU", "RAM", "HDD", "System", "Printer", "Other", "About"});
    TabbedNotebook1.OnChange = [this](int newTab, bool& allowChange) { TabbedNotebook1Change(newTab, allowChange); };
    Timer2.Create(*this, 1, [this] { Timer2Timer(); });

    ui::Page& memory = TabbedNotebook1.Pages(kMemoryPage);
    GroupBox1.Create(memory, {8, 16, 345, 89}, "");
    Label1.Create(GroupBox1, {16, 16, 110, 14}, "Total Physical Memory:", ui::kWindowFont, ui::kRed);
    Label3.Create(GroupBox1, {16, 32, 127, 14}, "Availible Physical Memory:", ui::kWindowFont, ui::kRed);
    Label5.Create(GroupBox1, {16, 48, 113, 14}, "Total Page File Memory:", ui::kWindowFont, ui::kRed);
    Label7.Create(GroupBox1, {16, 64, 130, 14}, "Availible Page File Memory:", ui::kWindowFont, ui::kRed);
    Label8.Create(GroupBox1, {152, 64, 6, 14}, "0");
    Label6.Create(GroupBox1, {152, 48, 6, 14}, "0");
    Label4.Create(GroupBox1, {152, 32, 6, 14}, "0");
    Label2.Create(GroupBox1, {152, 16, 6, 14}, "0");
    GroupBox2.Create(memory, {8, 112, 345, 73}, "");
    Label9.Create(GroupBox2, {16, 16, 80, 14}, "Loaded Memory:", ui::kWindowFont, ui::kRed);
    ProgressBar1.Create(GroupBox2, {48, 40, 241, 17});
    Label10.Create(GroupBox2, {104, 16, 19, 14}, "0 %");
    GroupBox3.Create(memory, {8, 192, 345, 145}, "");
    Shape2.Create(GroupBox3, {16, 24, 313, 89}, kBlack, BrushStyle::Solid, kBlack);
    Shape1.Create(GroupBox3, {16, 24, 313, 89}, kGray, BrushStyle::Cross, kBlack);
    Timer3.Create(*this, 200, [this] { Timer3Timer(); });
    PaintBox1.Create(GroupBox3, {16, 24, 313, 89});
    PaintBox2.Create(GroupBox3, {16, 24, 313, 89});
    Shape3.Create(GroupBox3, {16, 120, 9, 9}, kWhite, BrushStyle::Solid, kBlack);
    Shape4.Create(GroupBox3, {144, 120, 9, 9}, ui::kRed, BrushStyle::Solid, kBlack);
    Label11.Create(GroupBox3, {32, 118, 81, 14}, "Physical Memory");
    Label12.Create(GroupBox3, {160, 118, 84, 14}, "Page File Memory");
    Timer4.Create(*this, 1, [this] { Timer4Timer(); });

    ui::Page& disk = TabbedNotebook1.Pages(kDiskPage);
    GroupBox5.Create(disk, {8, 24, 345, 153}, "HDD");
    Timer5.Create(*this, 1000, [this] { Timer5Timer(); });
    Label15.Create(GroupBox5, {16, 56, 98, 14}, "Drive Serial Number:", ui::kWindowFont, ui::kRed);
    Label16.Create(GroupBox5, {128, 56, 58, 14}, "<Unknown>");

    ui::Page& system = TabbedNotebook1.Pages(kSystemPage);
    GroupBox4.Create(system, {3, 16, 345, 153}, "Installed Services");
    ListBox1.Create(GroupBox4, {16, 24, 313, 113});
    Img_Info.Create(TabbedNotebook1.Pages(kProcessorPage), {8, 16, 345, 321});
    DriveComboBox1.Create(GroupBox5, {16, 24, 193, 20});
    Label13.Create(GroupBox5, {16, 72, 96, 14}, "Drive Partition Type:", ui::kWindowFont, ui::kRed);
    Label14.Create(GroupBox5, {128, 72, 58, 14}, "<Unknown>");
    Label21.Create(GroupBox5, {16, 112, 73, 14}, "Total Disk Size:", ui::kWindowFont, ui::kRed);
    Label22.Create(GroupBox5, {128, 112, 58, 14}, "<Unknown>");
    Label23.Create(GroupBox5, {16, 128, 72, 14}, "Free Disk Size:", ui::kWindowFont, ui::kRed);
    Label24.Create(GroupBox5, {128, 128, 58, 14}, "<Unknown>");
    GroupBox6.Create(system, {3, 184, 342, 161}, "Installed Softwares");
    Timer6.Create(*this, 500, [this] { Timer6Timer(); });
    ListView1.Create(GroupBox6, {16, 24, 313, 129}, kListViewFont);
    Timer7.Create(*this, 1000, [this] { Timer7Timer(); });

    ui::Page& printer = TabbedNotebook1.Pages(kPrinterPage);
    Label25.Create(printer, {8, 224, 58, 14}, "<Unknown>");
    Label26.Create(printer, {8, 168, 58, 14}, "<Unknown>");
    Label27.Create(printer, {8, 184, 58, 14}, "<Unknown>");
    Label28.Create(printer, {8, 152, 101, 14}, "Default Printer Name:", ui::kWindowFont, ui::kRed);
    Label29.Create(printer, {8, 208, 85, 14}, "Printer Accuracy:", ui::kWindowFont, ui::kRed);
    ListBox2.Create(printer, {8, 40, 257, 89});
    Label30.Create(printer, {8, 24, 82, 14}, "Installed Printers:");

    ui::Page& other = TabbedNotebook1.Pages(kOtherPage);
    GroupBox7.Create(other, {8, 32, 337, 65}, "Network");
    Label19.Create(GroupBox7, {104, 40, 58, 14}, "<Unknown>");
    Label17.Create(GroupBox7, {104, 24, 58, 14}, "<Unknown>");
    Label20.Create(GroupBox7, {16, 40, 79, 14}, "Computer Name:", ui::kWindowFont, ui::kRed);
    Label18.Create(GroupBox7, {16, 24, 60, 14}, "Computer IP:", ui::kWindowFont, ui::kRed);
    GroupBox8.Create(other, {8, 104, 337, 73}, "Windows");
    Label31.Create(GroupBox8, {16, 40, 58, 14}, "<Unknown>");
    Label32.Create(GroupBox8, {16, 24, 87, 14}, "Windows Up time:", ui::kWindowFont, ui::kRed);
    Label33.Create(GroupBox5, {128, 88, 58, 14}, "<Unknown>");
    Label34.Create(GroupBox5, {16, 88, 55, 14}, "Drive Type:", ui::kWindowFont, ui::kRed);

    ui::Page& about = TabbedNotebook1.Pages(kAboutPage);
    Image1.Create(about, {144, 24, 32, 32});
    Image1.SetIcon(L"MAINICON");
    Label35.Create(about, {96, 72, 159, 16}, "Kestrane", kBoldTitleFont);
    LabVer.Create(about, {144, 96, 49, 14}, "(Ver $V$)");
    Label37.Create(about, {41, 128, 54, 14}, "HomePage:", ui::kWindowFont, std::nullopt, Align::Right);
    Label38.Create(about, {69, 152, 27, 14}, "EMail:", ui::kWindowFont, std::nullopt, Align::Right);
    RzURLLabel1.Create(about, {112, 128, 140, 14}, kHomePage, kHomePage, kLinkFont);
    RzURLLabel2.Create(about, {112, 152, 103, 14}, kMailAddress, std::string("mailto:") + kMailAddress, kLinkFont);
}
