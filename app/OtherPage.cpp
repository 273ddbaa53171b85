// The other page: the computer's name and IP address and the time since the system started,
// written by the one-second tick (OneSecondTick.cpp).
#include "app/UnitFormMain.h"

void TFormMain::SetOtherCaptions() {
    TabbedNotebook1.SetPageCaption(kOtherPage, "其他");
    GroupBox7.SetText("网络");
    Label18.SetCaption("计算机IP地址:");
    Label20.SetCaption("计算机名");
    GroupBox8.SetText("操作系统");
    Label32.SetCaption("系统运行时间:");
}

void TFormMain::ShowIpAddress() { Label17.SetCaption(probes.getHostIdentity(1)); }
void TFormMain::ShowComputerName() { Label19.SetCaption(probes.getHostIdentity(2)); }
void TFormMain::ShowUptime() { Label31.SetCaption(probes.formatUptime()); }
