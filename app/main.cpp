#include <windows.h>

#include "app/UnitFormMain.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    ui::Application application;
    try {
        TFormMain form(application);
        return application.Run(form);
    } catch (...) {
        // The window could not be built: say why rather than vanish without a word.
        application.HandleException(std::current_exception());
        return 1;
    }
}
