// The system page: the installed services and the installed programs.
#include "app/UnitFormMain.h"

void TFormMain::SetSystemCaptions() {
    TabbedNotebook1.SetPageCaption(kSystemPage, "系统");
    GroupBox4.SetText("已安装的服务");
    GroupBox6.SetText("已安装的软件");
}

// The service list, once: every Win32 service of this computer, running or not, in the
// manager's order. The timer goes off after the first tick, whatever happens in it, and only
// then does an error reach the default handler.
void TFormMain::Timer4Timer() {
    SwitchOffFirst(Timer4, [this] {
        std::vector<std::string> names = ListBox1.Lines();
        probes.listServices("", kWin32Services, kAllServiceStates, names);
        ListBox1.SetLines(names);
    });
}

// The installed programs, until one scan completes without an error: errors are dropped and
// the timer stays on for another scan.
// Still to be written: the scan itself.
void TFormMain::Timer6Timer() {
    DropExceptions([this] { Timer6.SetEnabled(false); });
}
