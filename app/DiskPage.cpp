// The disk page: the chosen drive's volume, file system, type and sizes. The sizes are those
// of the drive in the box, asked for by its root; the process's current directory is never
// changed (holding it would keep the user from removing a USB stick).
#include "app/UnitFormMain.h"
#include "common/MegabyteText.h"
#include "ui/Shell.h"

void TFormMain::SetDiskCaptions() {
    TabbedNotebook1.SetPageCaption(kDiskPage, "硬盘");
    Label15.SetCaption("驱动器序列号:");
    Label13.SetCaption("驱动器分区类型:");
    Label34.SetCaption("驱动器类型:");
    Label21.SetCaption("总磁盘大小:");
    Label23.SetCaption("磁盘空闲:");
}

char TFormMain::ChosenDrive() const {
    const int index = DriveComboBox1.SelectedIndex();
    return index >= 0 ? static_cast<char>(DriveComboBox1.ItemData(index)) : startDrive_;
}

void TFormMain::ShowVolumeText() { Label16.SetCaption(probes.getVolumeSerialText(ChosenDrive())); }
void TFormMain::ShowFileSystem() { Label14.SetCaption(probes.getFileSystemName(ChosenDrive())); }
void TFormMain::ShowTotalSize() { Label22.SetCaption(MegabyteText(probes.driveTotalBytes(ChosenDrive()))); }
void TFormMain::ShowFreeSize() { Label24.SetCaption(MegabyteText(probes.driveFreeBytes(ChosenDrive()))); }

// The drive box is filled the first time its page comes to the front, not at start-up: the
// volume labels of every drive and the system's icons take time. It then reports its
// initial drive once.
void TFormMain::FirstShowOfDiskPage() {
    if (driveBoxFilled_) return;
    driveBoxFilled_ = true;
    DropExceptions([this] {
        DriveComboBox1.SetIcons(ui::SystemSmallIcons());
        for (const LogicalDrive& drive : probes.listDrives()) {
            const std::string root{drive.letter, ':', '\\'};
            const int index = DriveComboBox1.Add(drive.text, drive.letter, ui::DriveIconIndex(drive.type, root));
            if (drive.letter == startDrive_) DriveComboBox1.SetSelectedIndex(index);
        }
        if (DriveComboBox1.SelectedIndex() < 0 && DriveComboBox1.Count() > 0) DriveComboBox1.SetSelectedIndex(0);
    });
    DriveComboBox1Change();
}

// The drive chosen in the box: both sizes "0 MB" first, then the volume text, the sizes and
// the drive type. Errors are dropped; what was not reached keeps its text.
void TFormMain::DriveComboBox1Change() {
    DropExceptions([this] {
        Label22.SetCaption(MegabyteText(std::int64_t{0}));
        Label24.SetCaption(MegabyteText(std::int64_t{0}));
        ShowVolumeText();
        ShowTotalSize();
        ShowFreeSize();
        if (const auto type = DriveTypeText(probes.queryDriveType(ChosenDrive()))) Label33.SetCaption(*type);
    });
}
