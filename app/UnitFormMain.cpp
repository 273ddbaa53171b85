// The main window's spine: creation, the run-time captions, showing and the page change.
// Each page's handlers live in its own file; the one-second tick that serves two pages in
// OneSecondTick.cpp.
#include "app/UnitFormMain.h"

TFormMain* FormMain = nullptr;
int ChartX = 0;
int ReportLineY = 0;

TFormMain::TFormMain(ui::ExceptionSink& errors) : ui::Form(errors) {
    FormMain = this;
    CreateComponents();
    // A failing caption step is reported; the window is still created and shown.
    try {
        FormCreate();
    } catch (...) {
        Errors().HandleException(std::current_exception());
    }
}

TFormMain::~TFormMain() {
    // Every child goes while all the wrappers are still alive.
    DestroyHandle();
    if (FormMain == this) FormMain = nullptr;
}

bool TFormMain::PreTranslateMessage(const MSG& message) { return TabbedNotebook1.HandleNavigationKey(message); }

// The Chinese captions replace the design texts: the window's, then each page's in tab order.
void TFormMain::FormCreate() {
    FormMain->SetText("Kestrane");
    SetProcessorCaptions();
    SetMemoryCaptions();
    SetDiskCaptions();
    SetSystemCaptions();
    SetPrinterCaptions();
    SetOtherCaptions();
    SetAboutCaptions();
}

void TFormMain::FormShow() {
    PaintBox1.SetPenColor(RGB(255, 255, 255));
    PaintBox2.SetPenColor(RGB(255, 0, 0));
    RestartChart();  // the first sweep starts where every later one does
}

// A page change restarts the memory chart, whichever pages it is between; never refused. The
// disk page's first showing fills its drive box.
void TFormMain::TabbedNotebook1Change(int newTab, bool&) {
    RestartChart();
    if (newTab == kDiskPage) FirstShowOfDiskPage();
}
