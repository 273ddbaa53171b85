#include <windows.h>
#include <commctrl.h>

#include <stdexcept>
#include <vector>

#include "MainWindowFixture.h"

namespace {

// Records every page change the notebook raises, and whether the new page was already
// showing at that moment; the window's own handler still runs after.
class PageChangeTest : public MainWindowTest {
protected:
    void SetUp() override {
        CreateAndShow();
        ui::Notebook& notebook = form_->TabbedNotebook1;
        notebook.OnChange = [this, &notebook, handler = notebook.OnChange](int newTab, bool& allow) {
            changes_.push_back(newTab);
            newPageShownAlready_ = newPageShownAlready_ || notebook.Pages(newTab).Visible();
            handler(newTab, allow);
        };
    }

    void ClickTab(int index) {
        HWND tabs = form_->TabbedNotebook1.Handle();
        RECT tab;
        SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tab));
        const LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
        PostMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(tabs, WM_LBUTTONUP, 0, at);
        PumpFor(std::chrono::milliseconds(100));
    }

    void PressKeys(std::vector<WORD> keys) {
        SendKeys(keys);
        PumpFor(std::chrono::milliseconds(150));
    }

    std::vector<int> changes_;
    bool newPageShownAlready_ = false;
};

TEST_F(PageChangeTest, NothingDuringStartUpAndOneChangePerClickOnAnotherTab) {
    PumpFor(std::chrono::milliseconds(100));
    EXPECT_TRUE(changes_.empty());

    ClickTab(3);
    EXPECT_EQ(changes_, std::vector<int>{3});
    EXPECT_FALSE(newPageShownAlready_);
    EXPECT_TRUE(form_->TabbedNotebook1.Pages(3).Visible());
    EXPECT_FALSE(form_->TabbedNotebook1.Pages(0).Visible());

    ClickTab(3);  // the tab already in front
    EXPECT_EQ(changes_, std::vector<int>{3});

    ClickTab(1);
    EXPECT_EQ(changes_, (std::vector<int>{3, 1}));
    EXPECT_EQ(form_->TabbedNotebook1.PageIndex(), 1);
}

TEST_F(PageChangeTest, KeyboardSwitchesPagesLikeAClick) {
    SetForegroundWindow(form_->Handle());
    SetFocus(form_->TabbedNotebook1.Handle());
    PumpFor(std::chrono::milliseconds(100));

    PressKeys({VK_CONTROL, VK_TAB});
    EXPECT_EQ(changes_, std::vector<int>{1});
    PressKeys({VK_CONTROL, VK_SHIFT, VK_TAB});
    PressKeys({VK_CONTROL, VK_SHIFT, VK_TAB});
    EXPECT_EQ(changes_, (std::vector<int>{1, 0, 6}));
    // Arrow keys move between tabs while the tab row has the focus.
    SetFocus(form_->TabbedNotebook1.Handle());
    PressKeys({VK_LEFT});
    EXPECT_EQ(changes_, (std::vector<int>{1, 0, 6, 5}));
    EXPECT_FALSE(newPageShownAlready_);
    EXPECT_TRUE(form_->TabbedNotebook1.Pages(5).Visible());
}

TEST_F(PageChangeTest, AFailingPageChangeFromTheKeyboardIsReportedNotFatal) {
    MessageBoxWatcher boxes;
    form_->TabbedNotebook1.OnChange = [](int, bool&) { throw std::runtime_error("page change failed"); };
    SetForegroundWindow(form_->Handle());
    SetFocus(form_->TabbedNotebook1.Handle());
    PressKeys({VK_CONTROL, VK_TAB});
    ASSERT_TRUE(PumpUntil([&] { return boxes.Count() > 0; }));
    EXPECT_EQ(boxes.Count(), 1);
    EXPECT_EQ(boxes.LastText(), "page change failed");
    EXPECT_TRUE(IsWindow(form_->Handle()));
}

TEST_F(PageChangeTest, ARefusedOrFailingClickLeavesTheTabRowOnThePageInFront) {
    MessageBoxWatcher boxes;
    ui::Notebook& notebook = form_->TabbedNotebook1;
    const auto expectStillOnPage = [&](int page) {
        EXPECT_EQ(notebook.PageIndex(), page);
        EXPECT_EQ(SendMessageW(notebook.Handle(), TCM_GETCURSEL, 0, 0), page);
        EXPECT_TRUE(notebook.Pages(page).Visible());
    };
    notebook.OnChange = [](int, bool& allow) { allow = false; };
    ClickTab(2);
    expectStillOnPage(0);
    notebook.OnChange = [](int, bool&) { throw std::runtime_error("page change failed"); };
    ClickTab(4);
    ASSERT_TRUE(PumpUntil([&] { return boxes.Count() > 0; }));
    EXPECT_EQ(boxes.LastText(), "page change failed");
    expectStillOnPage(0);
    EXPECT_FALSE(notebook.Pages(4).Visible());
}

TEST_F(PageChangeTest, TabKeyReachesTheListsOfThePageInFront) {
    SetForegroundWindow(form_->Handle());
    ClickTab(3);  // the system page: the services list, then the programs list
    SetFocus(form_->TabbedNotebook1.Handle());
    PressKeys({VK_TAB});
    EXPECT_EQ(GetFocus(), form_->ListBox1.Handle());
    PressKeys({VK_TAB});
    EXPECT_EQ(GetFocus(), form_->ListView1.Handle());
    PressKeys({VK_TAB});
    EXPECT_EQ(GetFocus(), form_->TabbedNotebook1.Handle());
    PressKeys({VK_SHIFT, VK_TAB});
    EXPECT_EQ(GetFocus(), form_->ListView1.Handle());
}

}  // namespace
