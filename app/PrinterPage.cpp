// The printer page: the printers and the default printer's settings.
#include "app/UnitFormMain.h"

void TFormMain::SetPrinterCaptions() {
    TabbedNotebook1.SetPageCaption(kPrinterPage, "打印机");
    Label30.SetCaption("已安装打印机");
    Label28.SetCaption("默认打印机名称:");
    Label29.SetCaption("打印机精度:");
}

// The printers, once a second; errors are dropped.
// Still to be written: the printer list and the default printer's settings.
void TFormMain::Timer7Timer() {
    DropExceptions([] {});
}
