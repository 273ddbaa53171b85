// The disk page: the chosen drive's volume, file system, type and sizes.
#include "app/UnitFormMain.h"

void TFormMain::SetDiskCaptions() {
    TabbedNotebook1.SetPageCaption(kDiskPage, "硬盘");
    Label15.SetCaption("驱动器序列号:");
    Label13.SetCaption("驱动器分区类型:");
    Label34.SetCaption("驱动器类型:");
    Label21.SetCaption("总磁盘大小:");
    Label23.SetCaption("磁盘空闲:");
}

// The drive chosen in the drive box; errors are dropped.
// Still to be written: the drive box's entries and what a pick shows.
void TFormMain::DriveComboBox1Change() {
    DropExceptions([] {});
}
