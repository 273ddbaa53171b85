#include <windows.h>

#include <stdexcept>
#include <string>

#include "MainWindowFixture.h"
#include "common/MegabyteText.h"
#include "probes/Drive.h"
#include "probes/Host.h"

namespace {

std::wstring CurrentDirectory() {
    wchar_t directory[MAX_PATH + 1] = {};
    GetCurrentDirectoryW(MAX_PATH + 1, directory);
    return directory;
}

TEST_F(MainWindowTest, TheFirstSecondFillsTheOtherPageAndTheChosenDrivesTexts) {
    CreateAndShow();
    TFormMain& f = *form_;
    ASSERT_TRUE(PumpUntil([&] { return f.Label31.Caption() != "<Unknown>"; }, std::chrono::seconds(5)));
    const char drive = CurrentDirectoryDrive();
    EXPECT_EQ(f.Label19.Caption(), GetHostIdentity(2));
    EXPECT_EQ(f.Label17.Caption(), GetHostIdentity(1));
    EXPECT_EQ(f.Label31.Caption().rfind("运行时间: ", 0), 0u);
    EXPECT_EQ(f.Label16.Caption(), GetVolumeSerialText(drive));
    EXPECT_EQ(f.Label14.Caption(), GetFileSystemName(drive));
    EXPECT_EQ(f.Label22.Caption(), MegabyteText(DriveTotalBytes(drive)));
    EXPECT_NE(f.Label24.Caption().find(" MB"), std::string::npos);
    EXPECT_EQ(f.Label33.Caption(), "<Unknown>");  // the drive type comes with the disk page
}

TEST_F(MainWindowTest, TheDriveBoxListsEveryDriveAndAPickMakesTheDiskLabelsFollowIt) {
    CreateAndShow();
    TFormMain& f = *form_;
    const std::wstring directory = CurrentDirectory();
    EXPECT_EQ(f.DriveComboBox1.Count(), 0);  // nothing read at start-up
    f.TabbedNotebook1.SelectPage(kDiskPage);
    const auto drives = ListDrives();
    ASSERT_EQ(f.DriveComboBox1.Count(), static_cast<int>(drives.size()));
    for (int i = 0; i < f.DriveComboBox1.Count(); ++i)
        EXPECT_EQ(f.DriveComboBox1.ItemText(i), drives[static_cast<std::size_t>(i)].text);
    const char initial = CurrentDirectoryDrive();
    EXPECT_EQ(f.DriveComboBox1.ItemData(f.DriveComboBox1.SelectedIndex()), initial);
    EXPECT_EQ(f.Label33.Caption(), *DriveTypeText(QueryDriveType(initial)));
    EXPECT_EQ(f.Label16.Caption(), GetVolumeSerialText(initial));

    // The user picks the last drive (Wine's Z:, the Linux root) from the keyboard.
    SetForegroundWindow(f.Handle());
    SetFocus(f.DriveComboBox1.Handle());
    SendKeys({VK_END});
    PumpFor(std::chrono::milliseconds(150));
    const char chosen = drives.back().letter;
    ASSERT_EQ(f.DriveComboBox1.ItemData(f.DriveComboBox1.SelectedIndex()), chosen);
    EXPECT_EQ(f.Label16.Caption(), GetVolumeSerialText(chosen));
    EXPECT_EQ(f.Label22.Caption(), MegabyteText(DriveTotalBytes(chosen)));
    EXPECT_EQ(f.Label33.Caption(), *DriveTypeText(QueryDriveType(chosen)));
    f.Timer5Timer();  // the file system name follows with the next tick
    EXPECT_EQ(f.Label14.Caption(), GetFileSystemName(chosen));
    EXPECT_EQ(CurrentDirectory(), directory);  // never changed: the user's drive stays free
}

TEST_F(MainWindowTest, AFailingStepOfTheTickLeavesTheLaterLabelsAsTheyWere) {
    Create();
    TFormMain& f = *form_;
    f.probes.getVolumeSerialText = [](char) { return std::string("Label = NEW   VolSer = 00000001"); };
    f.probes.getHostIdentity = [](int) -> std::string { throw std::runtime_error("no network"); };
    for (ui::Label* label : {&f.Label17, &f.Label19, &f.Label22, &f.Label24, &f.Label31}) label->SetCaption("before");
    f.Timer5Timer();
    EXPECT_EQ(f.Label16.Caption(), "Label = NEW   VolSer = 00000001");  // step 1
    EXPECT_NE(f.Label14.Caption(), "<Unknown>");                        // step 2
    for (ui::Label* label : {&f.Label17, &f.Label19, &f.Label22, &f.Label24, &f.Label31})
        EXPECT_EQ(label->Caption(), "before");  // steps 3 to 7
}

}  // namespace
