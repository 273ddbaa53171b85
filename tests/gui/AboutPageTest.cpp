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
    // The icon resource has the 16 and 32 pixel images.
    for (int size : {16, 32}) {
        HICON loaded = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, size, size, 0));
        ASSERT_NE(loaded, nullptr) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(loaded, &info));
        BITMAP bitmap{};
        GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(loaded);
    }
}

}  // namespace
