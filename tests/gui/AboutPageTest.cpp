#include <algorithm>
#include <vector>

#include "MainWindowFixture.h"

namespace {

TEST_F(MainWindowTest, LinkOpensItsUrlOrItsBlankUrlsCaptionAndTurnsPurpleOnlyOnSuccess) {
    CreateAndShow();
    MessageBoxWatcher boxes;
    ui::LinkLabel& link = form_->RzURLLabel1;
    const COLORREF before = link.Color();

    link.SetUrl("   ");
    EXPECT_EQ(link.Target(), link.Caption());

    link.SetUrl("C:\\no such folder\\no such file.txt");
    EXPECT_FALSE(link.Open());
    PumpFor(std::chrono::milliseconds(300));
    EXPECT_EQ(link.Color(), before);
    EXPECT_EQ(boxes.Count(), 0);  // the shell's own error message is suppressed

    // A real target that opens quietly: Wine's console host-name tool.
    link.SetUrl("C:\\windows\\system32\\hostname.exe");
    EXPECT_TRUE(link.Open());
    EXPECT_EQ(link.Color(), RGB(128, 0, 128));
    EXPECT_TRUE(link.Open());  // a second click opens again
    EXPECT_EQ(link.Color(), RGB(128, 0, 128));
}

TEST_F(MainWindowTest, AboutPageShowsTheIconAndVersion) {
    CreateAndShow();
    TFormMain& f = *form_;
    EXPECT_EQ(f.LabVer.Caption(), "(Ver 2.7)");
    const RECT icon = RectInParent(f.Image1.Handle());
    EXPECT_EQ(icon.right - icon.left, icon.bottom - icon.top);
    // The icon resource holds exactly a 16 and a 32 pixel image, both at 256 colours: read
    // its directory, since loading at a size would stretch whatever image there is.
    HRSRC found = FindResourceW(nullptr, L"MAINICON", RT_GROUP_ICON);
    ASSERT_NE(found, nullptr);
    const auto* directory = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
    ASSERT_NE(directory, nullptr);
    const WORD count = *reinterpret_cast<const WORD*>(directory + 4);
    ASSERT_EQ(count, 2);
    std::vector<int> widths;
    for (WORD i = 0; i < count; ++i) {
        const BYTE* entry = directory + 6 + 14 * i;  // packed entries of 14 bytes
        widths.push_back(entry[0]);
        EXPECT_EQ(entry[1], entry[0]);                                 // square
        EXPECT_EQ(*reinterpret_cast<const WORD*>(entry + 6), 8) << i;  // 8 bits per pixel
    }
    std::sort(widths.begin(), widths.end());
    EXPECT_EQ(widths, (std::vector<int>{16, 32}));
}

}  // namespace
