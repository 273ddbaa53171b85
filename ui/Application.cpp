#include "ui/Application.h"

#include <commctrl.h>
#include <objbase.h>

#include "common/AppTitle.h"
#include "common/Unicode.h"

namespace ui {
namespace {

std::string ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return Narrow(path);
        }
        path.resize(path.size() * 2);  // a long path was cut: ask again with more room
    }
}

}  // namespace

std::string ExceptionMessage(std::exception_ptr error) {
    try {
        if (error) std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {}
    return "Unknown error";
}

Application::ComApartment::ComApartment()
    : initialised(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}

Application::ComApartment::~ComApartment() {
    if (initialised) CoUninitialize();
}

Application::Application() : title_(ApplicationTitle(ModulePath(), LowerCase)) {
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
}

int Application::Run(Form& main) {
    Show(main);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) Deliver(main, message);
    mainWindow_ = nullptr;
    return 0;
}

void Application::Show(Form& main) {
    mainWindow_ = main.Handle();
    try {
        main.DoShow();
    } catch (...) {
        HandleException(std::current_exception());
    }
    main.ShowCentred();
}

void Application::Deliver(Form& main, MSG& message) {
    bool handled = false;
    try {
        // The form's own keys run its handlers outside any window procedure.
        handled = main.Handle() && main.PreTranslateMessage(message);
    } catch (...) {
        HandleException(std::current_exception());
        return;
    }
    if (handled || (main.Handle() && IsDialogMessageW(main.Handle(), &message))) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void Application::HandleException(std::exception_ptr error) noexcept {
    try {
        const std::wstring text = Widen(ExceptionMessage(error));
        const std::wstring caption = Widen(title_);
        HWND owner = mainWindow_ && IsWindowVisible(mainWindow_) ? mainWindow_ : nullptr;
        MessageBoxW(owner, text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
    } catch (...) {
        // Out of memory while reporting: nothing more can be shown.
    }
}

}  // namespace ui
