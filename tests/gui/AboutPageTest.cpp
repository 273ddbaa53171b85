#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "MainWindowFixture.h"
#include "ui/Gdi.h"

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
    // The icon resource holds 16, 32 and 48 pixel images at 256 colours and a 256 pixel PNG:
    // read its directory, since loading at a size would stretch whatever image there is.
    HRSRC found = FindResourceW(nullptr, L"MAINICON", RT_GROUP_ICON);
    ASSERT_NE(found, nullptr);
    const auto* directory = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
    ASSERT_NE(directory, nullptr);
    const WORD count = *reinterpret_cast<const WORD*>(directory + 4);
    ASSERT_EQ(count, 4);
    std::vector<int> widths;
    for (WORD i = 0; i < count; ++i) {
        const BYTE* entry = directory + 6 + 14 * i;  // packed entries of 14 bytes
        const int width = entry[0] ? entry[0] : 256;
        widths.push_back(width);
        EXPECT_EQ(entry[1], entry[0]);  // square
        if (width < 256) {
            EXPECT_EQ(*reinterpret_cast<const WORD*>(entry + 6), 8) << width;  // 8 bits per pixel
            continue;
        }
        HRSRC image = FindResourceW(nullptr, MAKEINTRESOURCEW(*reinterpret_cast<const WORD*>(entry + 12)), RT_ICON);
        ASSERT_NE(image, nullptr);
        ASSERT_GE(SizeofResource(nullptr, image), 8u);
        const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, image)));
        EXPECT_EQ(std::memcmp(data, "\x89PNG\r\n\x1a\n", 8), 0);
    }
    std::sort(widths.begin(), widths.end());
    EXPECT_EQ(widths, (std::vector<int>{16, 32, 48, 256}));

    // Loaded at 256 it comes from the PNG, not stretched from the 48: only the PNG has edges
    // that are partly transparent.
    const ui::Icon large(
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, 256, 256, 0)));
    ASSERT_NE(large.Get(), nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(large.Get(), &info));
    const ui::Bitmap colour(info.hbmColor), mask(info.hbmMask);
    BITMAP bitmap{};
    ASSERT_TRUE(GetObjectW(colour.Get(), sizeof bitmap, &bitmap));
    EXPECT_EQ(bitmap.bmWidth, 256);
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), 256, -256, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> pixels(256 * 256);
    const ui::ClientDc screen(nullptr);
    ASSERT_EQ(GetDIBits(screen.Get(), colour.Get(), 0, 256, pixels.data(), &format, DIB_RGB_COLORS), 256);
    EXPECT_GT(
        std::count_if(pixels.begin(), pixels.end(), [](std::uint32_t p) { return p >> 24 != 0 && p >> 24 != 0xFF; }),
        0);
}

}  // namespace
