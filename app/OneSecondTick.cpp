// The one-second tick shared by the disk page and the other page: it calls their steps in
// one fixed order, so that an error stops the tick at a known place.
#include "app/UnitFormMain.h"

// Once a second, in this order: the chosen drive's volume text and file system, the IP
// address and computer name, the drive's total and free size, the uptime. An error ends the
// tick without a message; the labels not reached keep their text until the next tick.
void TFormMain::Timer5Timer() {
    DropExceptions([this] {
        ShowVolumeText();
        ShowFileSystem();
        ShowIpAddress();
        ShowComputerName();
        ShowTotalSize();
        ShowFreeSize();
        ShowUptime();
    });
}
