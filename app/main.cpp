#include <windows.h>

#include "app/UnitFormMain.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    ui::Application application;
    TFormMain form(application);
    return application.Run(form);
}
