// The window layer's lists and drop-down box as the pages use them, on a form of their own.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include "MainWindowFixture.h"

#include <chrono>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/Application.h"
#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/ListBox.h"
#include "ui/ListView.h"
#include "ui/Shell.h"

namespace {

using namespace std::chrono_literals;

class ControlsTest : public testing::Test {
protected:
    void SetUp() override {
        form_.CreateForm(
            {.caption = "Controls", .clientWidth = 360, .clientHeight = 300, .className = L"ControlsTest"});
        combo_.Create(form_, {.bounds = {10, 10, 190, 20}, .withIcons = true});
        combo_.OnChange = [this] { picks_.push_back(combo_.SelectedIndex()); };
        list_.Create(form_, {.bounds = {10, 50, 150, 100}});
        view_.Create(form_, {.bounds = {170, 50, 180, 240}});
        ShowWindow(form_.Handle(), SW_SHOW);
        SetForegroundWindow(form_.Handle());
        Pump(100ms);
    }

    void Pump(std::chrono::milliseconds duration) {
        const auto end = std::chrono::steady_clock::now() + duration;
        while (std::chrono::steady_clock::now() < end) {
            MSG message;
            if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                app_.Deliver(form_, message);
            else
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        }
    }

    void PressKeys(std::vector<WORD> keys) {
        SendKeys(keys);
        Pump(150ms);
    }

    // A left click at a point of `window`'s client area, as the mouse makes it.
    void Click(HWND window, POINT at) {
        ClientToScreen(window, &at);
        SetCursorPos(at.x, at.y);
        INPUT inputs[2] = {{INPUT_MOUSE, {.mi = {0, 0, 0, MOUSEEVENTF_LEFTDOWN, 0, 0}}},
                           {INPUT_MOUSE, {.mi = {0, 0, 0, MOUSEEVENTF_LEFTUP, 0, 0}}}};
        SendInput(2, inputs, sizeof(INPUT));
        Pump(200ms);
    }

    void FillDrives() {
        combo_.SetIcons(ui::SystemSmallIcons());
        combo_.Add("c:", 'C', ui::ShellIconIndex("C:\\"));
        combo_.Add("d: [Backup 备份]", 'D', ui::ShellIconIndex("C:\\windows"));
        combo_.Add("z: \\\\server\\share", 'Z', ui::ShellIconIndex("Z:\\"));
    }

    ui::Application app_;
    ui::Form form_{app_};
    ui::ComboBox combo_;
    ui::ListBox list_;
    ui::ListView view_;
    std::vector<int> picks_;
};

// Counts the WM_PAINT messages a window receives.
class PaintCounter {
public:
    explicit PaintCounter(HWND window) : window_(window) {
        SetWindowSubclass(window_, Count, kId, reinterpret_cast<DWORD_PTR>(this));
    }
    ~PaintCounter() { RemoveWindowSubclass(window_, Count, kId); }
    int Paints() const { return paints_; }

private:
    static constexpr UINT_PTR kId = 99;
    static LRESULT CALLBACK Count(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
        if (message == WM_PAINT) ++reinterpret_cast<PaintCounter*>(self)->paints_;
        return DefSubclassProc(window, message, wParam, lParam);
    }
    HWND window_;
    int paints_ = 0;
};

TEST_F(ControlsTest, DropDownEntriesKeepTheirTextsDataAndIcons) {
    ASSERT_NE(ui::SystemSmallIcons(), nullptr);
    FillDrives();
    ASSERT_EQ(combo_.Count(), 3);
    // Owner-drawn, yet every entry holds its string for screen readers.
    EXPECT_TRUE(GetWindowLongW(combo_.Handle(), GWL_STYLE) & CBS_HASSTRINGS);
    wchar_t text[64] = {};
    SendMessageW(combo_.Handle(), CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"d: [Backup 备份]");
    EXPECT_EQ(combo_.ItemText(2), "z: \\\\server\\share");
    EXPECT_EQ(combo_.ItemData(1), 'D');
    EXPECT_GE(ui::ShellIconIndex("C:\\"), 0);

    combo_.SetSelectedIndex(1);  // set by the program: no event
    EXPECT_EQ(combo_.SelectedIndex(), 1);
    Pump(100ms);
    EXPECT_TRUE(picks_.empty());

    // The closed box shows the entry's icon left of its text: more ink there than for the
    // same text without an icon.
    const int withoutIcon = combo_.Add("c:", 'C', -1);
    const auto inkLeftOfText = [this](int entry) {
        combo_.SetSelectedIndex(entry);
        RedrawWindow(combo_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        GetComboBoxInfo(combo_.Handle(), &info);
        int iconWidth = 0, iconHeight = 0;
        ImageList_GetIconSize(ui::SystemSmallIcons(), &iconWidth, &iconHeight);
        HDC dc = GetDC(combo_.Handle());
        const COLORREF face = GetPixel(dc, info.rcItem.right - 4, (info.rcItem.top + info.rcItem.bottom) / 2);
        int inked = 0;
        for (int x = info.rcItem.left; x < info.rcItem.left + iconWidth; ++x)
            for (int y = info.rcItem.top; y < info.rcItem.bottom; ++y) inked += GetPixel(dc, x, y) != face;
        ReleaseDC(combo_.Handle(), dc);
        return inked;
    };
    EXPECT_GT(inkLeftOfText(0), inkLeftOfText(withoutIcon) + 16);

    combo_.Clear();
    EXPECT_EQ(combo_.Count(), 0);
    EXPECT_EQ(combo_.SelectedIndex(), -1);
}

TEST_F(ControlsTest, EveryPickRaisesOneChangeByKeyboardOrMouse) {
    FillDrives();
    combo_.SetSelectedIndex(0);
    SetFocus(combo_.Handle());
    PressKeys({VK_DOWN});  // in the closed box
    EXPECT_EQ(picks_, std::vector<int>{1});
    PressKeys({VK_DOWN});
    PressKeys({VK_DOWN});  // already at the last entry: nothing chosen anew
    EXPECT_EQ(picks_, (std::vector<int>{1, 2}));

    // In the open list the arrows only browse; Enter picks once.
    PressKeys({VK_MENU, VK_DOWN});
    ASSERT_TRUE(SendMessageW(combo_.Handle(), CB_GETDROPPEDSTATE, 0, 0));
    PressKeys({VK_UP});
    PressKeys({VK_UP});
    PressKeys({VK_RETURN});
    EXPECT_FALSE(SendMessageW(combo_.Handle(), CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(picks_, (std::vector<int>{1, 2, 0}));

    // The mouse: open the box, click the second entry.
    RECT box;
    GetClientRect(combo_.Handle(), &box);
    Click(combo_.Handle(), {box.right - 5, box.bottom / 2});
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(combo_.Handle(), &info));
    ASSERT_TRUE(SendMessageW(combo_.Handle(), CB_GETDROPPEDSTATE, 0, 0));
    RECT entry;
    SendMessageW(info.hwndList, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&entry));
    Click(info.hwndList, {(entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2});
    EXPECT_EQ(picks_, (std::vector<int>{1, 2, 0, 1}));
    EXPECT_EQ(combo_.SelectedIndex(), 1);
}

TEST_F(ControlsTest, ListLinesAreReplacedInOneGoAndTheSameLinesChangeNothing) {
    std::vector<std::string> lines;
    for (int i = 0; i < 100; ++i) lines.push_back("服务 " + std::to_string(i));
    list_.SetLines(lines);
    EXPECT_EQ(list_.Count(), 100);
    EXPECT_EQ(list_.Line(42), "服务 42");
    EXPECT_EQ(list_.Lines(), lines);

    // The user scrolled and picked a line: the same lines again keep both and paint nothing.
    SendMessageW(list_.Handle(), LB_SETTOPINDEX, 50, 0);
    SendMessageW(list_.Handle(), LB_SETCURSEL, 55, 0);
    Pump(100ms);
    PaintCounter paints(list_.Handle());
    list_.SetLines(lines);
    Pump(100ms);
    EXPECT_EQ(paints.Paints(), 0);
    EXPECT_EQ(SendMessageW(list_.Handle(), LB_GETCURSEL, 0, 0), 55);

    // New lines replace the old ones, keeping the scroll position.
    lines.erase(lines.begin() + 10);
    list_.SetLines(lines);
    EXPECT_EQ(list_.Count(), 99);
    EXPECT_EQ(list_.Line(10), "服务 11");
    EXPECT_EQ(SendMessageW(list_.Handle(), LB_GETTOPINDEX, 0, 0), 50);
    list_.SetLines({});
    EXPECT_EQ(list_.Count(), 0);
}

TEST_F(ControlsTest, ListViewItemsSortOnceWithTheirSubItemsAndPaintOnlyAfterTheUpdate) {
    PaintCounter paints(view_.Handle());
    view_.BeginUpdate();
    view_.Add("Zeta", {"zeta.exe /uninstall"});
    view_.Add("alpha", {"alpha.exe"});
    view_.Add("Beta");
    for (int i = 0; i < 200; ++i) view_.Add("Item " + std::to_string(i), {std::to_string(i)});
    Pump(150ms);
    EXPECT_EQ(paints.Paints(), 0);
    view_.Sort([](const ui::ListView::Item& a, const ui::ListView::Item& b) {
        return a.caption < b.caption ? -1 : a.caption > b.caption ? 1 : 0;
    });
    view_.EndUpdate();
    Pump(150ms);
    EXPECT_GT(paints.Paints(), 0);

    ASSERT_EQ(view_.Count(), 203);
    EXPECT_EQ(view_.Caption(0), "Beta");  // plain byte order: capitals first
    EXPECT_EQ(view_.Caption(202), "alpha");
    EXPECT_EQ(view_.SubItem(202, 0), "alpha.exe");
    EXPECT_EQ(view_.Caption(201), "Zeta");
    EXPECT_EQ(view_.SubItem(201, 0), "zeta.exe /uninstall");
    EXPECT_EQ(view_.SubItem(0, 0), "");  // Beta has none
    EXPECT_EQ(view_.SubItem(201, 1), "");

    // A comparison that fails leaves every item in the list and says so.
    EXPECT_THROW(view_.Sort([](const auto&, const auto&) -> int { throw std::runtime_error("compare"); }),
                 std::runtime_error);
    EXPECT_EQ(view_.Count(), 203);
    view_.Clear();
    EXPECT_EQ(view_.Count(), 0);
}

TEST_F(ControlsTest, ResumingRedrawLeavesAHiddenControlHidden) {
    list_.SetVisible(false);
    list_.SetLines({"a", "b"});
    EXPECT_FALSE(IsWindowVisible(list_.Handle()));
    list_.SetVisible(true);
    EXPECT_TRUE(IsWindowVisible(list_.Handle()));
}

}  // namespace
