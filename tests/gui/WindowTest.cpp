#include <windows.h>
#include <commctrl.h>

#include <utility>
#include <vector>

#include "MainWindowFixture.h"
#include "common/Placement.h"
#include "ui/Dpi.h"

namespace {

int Scaled(int length, HWND window) { return ScaleForDpi(length, ui::WindowDpi(window)); }

TEST_F(MainWindowTest, FixedSizeWindowCentredWithoutMaximiseBox) {
    CreateAndShow();
    HWND window = form_->Handle();
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(WindowText(window), "Kestrane");

    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, Scaled(369, window));
    EXPECT_EQ(client.bottom, Scaled(377, window));

    RECT outer;
    GetWindowRect(window, &outer);
    const Point expected = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                         outer.right - outer.left, outer.bottom - outer.top);
    EXPECT_EQ(outer.left, expected.x);
    EXPECT_EQ(outer.top, expected.y);
}

TEST_F(MainWindowTest, SevenTabsWithRunTimeCaptionsAndTheProcessorPageInFront) {
    CreateAndShow();
    ui::Notebook& notebook = form_->TabbedNotebook1;
    HWND tabs = notebook.Handle();
    const std::vector<std::string> expected{"处理器", "内存", "硬盘", "系统", "打印机", "其他", "关于"};
    ASSERT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 7);
    RECT client;
    GetClientRect(tabs, &client);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(notebook.PageCaption(i), expected[static_cast<std::size_t>(i)]);
        EXPECT_EQ(notebook.Pages(i).Visible(), i == 0) << i;
        // Every tab shows in full: none hides behind scroll arrows.
        RECT tab;
        SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tab));
        EXPECT_LE(tab.right, client.right) << i;
    }
    EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 0);
    // The pages' client areas start at (4, 25) inside the notebook.
    const RECT page = RectInParent(notebook.Pages(3).Handle());
    EXPECT_EQ(page.left, Scaled(4, tabs));
    EXPECT_EQ(page.top, Scaled(25, tabs));
}

TEST_F(MainWindowTest, RunTimeCaptionsReplaceTheDesignTextsAndTheRestStay) {
    Create();  // before any timer ticks, so the placeholders still show
    TFormMain& f = *form_;
    const std::vector<std::pair<HWND, std::string>> texts{
        {f.Label1.Handle(), "总的物理内存:"},
        {f.Label3.Handle(), "可用物理内存:"},
        {f.Label5.Handle(), "总的虚拟内存:"},
        {f.Label7.Handle(), "可用虚拟内存:"},
        {f.Label9.Handle(), "已加载内存:"},
        {f.Label11.Handle(), "物理内存"},
        {f.Label12.Handle(), "虚拟内存"},
        {f.Label15.Handle(), "驱动器序列号:"},
        {f.Label13.Handle(), "驱动器分区类型:"},
        {f.Label34.Handle(), "驱动器类型:"},
        {f.Label21.Handle(), "总磁盘大小:"},
        {f.Label23.Handle(), "磁盘空闲:"},
        {f.GroupBox4.Handle(), "已安装的服务"},
        {f.GroupBox6.Handle(), "已安装的软件"},
        {f.Label30.Handle(), "已安装打印机"},
        {f.Label28.Handle(), "默认打印机名称:"},
        {f.Label29.Handle(), "打印机精度:"},
        {f.GroupBox7.Handle(), "网络"},
        {f.Label18.Handle(), "计算机IP地址:"},
        {f.Label20.Handle(), "计算机名"},
        {f.GroupBox8.Handle(), "操作系统"},
        {f.Label32.Handle(), "系统运行时间:"},
        {f.Label35.Handle(), "Kestrane"},
        {f.Label37.Handle(), "主页:"},
        {f.Label38.Handle(), "邮箱:"},
        {f.RzURLLabel1.Handle(), "https://kestrane.example/"},
        {f.RzURLLabel2.Handle(), "kestrane@kestrane.example"},
        {f.LabVer.Handle(), "(Ver 2.7)"},
        // Texts that keep their design values.
        {f.GroupBox5.Handle(), "HDD"},
        {f.GroupBox1.Handle(), ""},
        {f.GroupBox2.Handle(), ""},
        {f.GroupBox3.Handle(), ""},
        {f.Label2.Handle(), "0"},
        {f.Label4.Handle(), "0"},
        {f.Label6.Handle(), "0"},
        {f.Label8.Handle(), "0"},
        {f.Label10.Handle(), "0 %"},
        {f.Label16.Handle(), "<Unknown>"},
        {f.Label14.Handle(), "<Unknown>"},
        {f.Label33.Handle(), "<Unknown>"},
        {f.Label22.Handle(), "<Unknown>"},
        {f.Label24.Handle(), "<Unknown>"},
        {f.Label17.Handle(), "<Unknown>"},
        {f.Label19.Handle(), "<Unknown>"},
        {f.Label31.Handle(), "<Unknown>"},
        {f.Label25.Handle(), "<Unknown>"},
        {f.Label26.Handle(), "<Unknown>"},
        {f.Label27.Handle(), "<Unknown>"},
    };
    for (const auto& [window, text] : texts) EXPECT_EQ(WindowText(window), text) << text;
    EXPECT_EQ(f.RzURLLabel1.Url(), "https://kestrane.example/");
    EXPECT_EQ(f.RzURLLabel2.Url(), "mailto:kestrane@kestrane.example");
}

TEST_F(MainWindowTest, LabelsSizeToTheirTextKeepingTheirAlignedEdge) {
    CreateAndShow();
    TFormMain& f = *form_;
    HWND page = f.Label37.Handle();
    // Right-aligned captions keep their right edges (95 and 96), just left of the links at 112.
    EXPECT_EQ(RectInParent(f.Label37.Handle()).right, Scaled(95, page));
    EXPECT_EQ(RectInParent(f.Label38.Handle()).right, Scaled(96, page));
    EXPECT_LT(RectInParent(f.Label37.Handle()).right, RectInParent(f.RzURLLabel1.Handle()).left);
    // A left-aligned label grows to the right from its left edge.
    const RECT before = RectInParent(f.Label2.Handle());
    f.Label2.SetCaption("123456 MB");
    const RECT after = RectInParent(f.Label2.Handle());
    EXPECT_EQ(after.left, before.left);
    EXPECT_GT(after.right, before.right);
}

TEST_F(MainWindowTest, SettingTheTextAlreadyShownRepaintsNothing) {
    CreateAndShow();
    form_->TabbedNotebook1.SelectPage(6);  // a hidden window has nothing to repaint
    PumpFor(std::chrono::milliseconds(100));
    ui::Label& label = form_->Label35;
    ValidateRect(label.Handle(), nullptr);
    label.SetCaption(label.Caption());
    EXPECT_FALSE(GetUpdateRect(label.Handle(), nullptr, FALSE));
    label.SetCaption("Kestrane!");
    EXPECT_TRUE(GetUpdateRect(label.Handle(), nullptr, FALSE));
}

TEST_F(MainWindowTest, MovingToAMonitorOf144DpiScalesTheWholeLayout) {
    CreateAndShow();
    TFormMain& f = *form_;
    // What Windows 10 1703 and later send when the window moves onto a 144-DPI monitor: it
    // asks for the size at the new DPI, then suggests a rectangle of that size. The system
    // itself still answers 96 here, so the layout must follow the messages, not ask again.
    SIZE size{};
    ASSERT_TRUE(SendMessageW(f.Handle(), 0x02E4 /* WM_GETDPISCALEDSIZE */, 144, reinterpret_cast<LPARAM>(&size)));
    RECT suggested;
    GetWindowRect(f.Handle(), &suggested);
    suggested.left += 7;  // Windows may move the window too: the suggestion is taken as it is
    suggested.right = suggested.left + size.cx;
    suggested.bottom = suggested.top + size.cy;
    SendMessageW(f.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    PumpFor(std::chrono::milliseconds(100));
    RECT outer;
    GetWindowRect(f.Handle(), &outer);
    EXPECT_EQ(outer.left, suggested.left);
    EXPECT_EQ(outer.right - outer.left, size.cx);

    RECT client;
    GetClientRect(f.Handle(), &client);
    EXPECT_EQ(client.right, ScaleForDpi(369, 144));
    EXPECT_EQ(client.bottom, ScaleForDpi(377, 144));
    const RECT page = RectInParent(f.TabbedNotebook1.Pages(6).Handle());
    EXPECT_EQ(page.left, ScaleForDpi(4, 144));
    EXPECT_EQ(page.top, ScaleForDpi(25, 144));
    EXPECT_EQ(RectInParent(f.Label37.Handle()).right, ScaleForDpi(95, 144));
    EXPECT_EQ(RectInParent(f.RzURLLabel1.Handle()).left, ScaleForDpi(112, 144));
    // Fonts grow too: the label's text is taller than at 96 DPI.
    const RECT label = RectInParent(f.Label37.Handle());
    EXPECT_GE(label.bottom - label.top, ScaleForDpi(14, 144));
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(f.Label37.Handle(), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, ScaleForDpi(-11, 144));
}

// Every font may borrow glyphs of any script; the programs list uses a TrueType face.
TEST_F(MainWindowTest, FontsCanShowAnyLanguage) {
    Create();
    for (HWND window : {form_->Label1.Handle(), form_->ListView1.Handle(), form_->ListBox1.Handle()}) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_EQ(font.lfCharSet, DEFAULT_CHARSET);
    }
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(form_->ListView1.Handle(), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, L"Microsoft Sans Serif");
}

}  // namespace
