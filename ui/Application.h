#pragma once
#include <exception>
#include <string>

#include "ui/Form.h"

namespace ui {

// The program's application object: its title, the default error handler and the
// message loop of the main window.
class Application : public ExceptionSink {
public:
    Application();

    // The executable's name without folder and extension, lower case after the first letter.
    const std::string& Title() const { return title_; }

    // Shows `main` (DoShow first, then centred and visible) and runs the message loop
    // until it is closed. Always returns the exit code 0.
    int Run(Form& main);
    // The two halves of Run: showing the main window, and delivering one message of the loop
    // (the form's own keys first, then dialog navigation, then the window procedure).
    void Show(Form& main);
    void Deliver(Form& main, MSG& message);

    // The default error handler: a modal box with the error icon, the exception's message
    // and the application title; the loop goes on afterwards.
    void HandleException(std::exception_ptr error) noexcept override;

private:
    // The shell may hand "open" to COM handlers: the thread is a single-threaded apartment.
    struct ComApartment {
        ComApartment();
        ~ComApartment();
        ComApartment(const ComApartment&) = delete;
        ComApartment& operator=(const ComApartment&) = delete;
        bool initialised;
    } com_;
    std::string title_;
    HWND mainWindow_ = nullptr;
};

// The message of an exception, in UTF-8.
std::string ExceptionMessage(std::exception_ptr error);

}  // namespace ui
