#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <map>
#include <string>
#include <vector>

#include "app/UnitFormMain.h"
#include "ui/Application.h"

// The whole main window, created as the program creates it, in this test's process. Tests
// look at it through Win32 (window texts, styles, control messages) and pump its messages
// exactly as the program's loop does.
class MainWindowTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the window and runs FormCreate, without showing it.
    void Create();
    // Creates, then shows the window as the program does.
    void CreateAndShow();
    // Moves the window to a monitor of `dpi` as Windows 10 1703 and later do: asks for the
    // size there, then suggests a rectangle of that size where the window is.
    void ChangeDpi(int dpi);
    // Delivers messages for `duration`.
    void PumpFor(std::chrono::milliseconds duration);
    // Delivers messages until `done` is true or `limit` passes; returns `done()`.
    bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(10));

    ui::Application app_;
    std::unique_ptr<TFormMain> form_;
};

// Presses `keys` together, as the keyboard does (all down in order, then up in reverse).
void SendKeys(const std::vector<WORD>& keys);
// The text of a window, in UTF-8, read with WM_GETTEXT as a screen reader would.
std::string WindowText(HWND window);
// The client rectangle of `child` in its parent's client coordinates.
RECT RectInParent(HWND child);

// Watches for message boxes of this thread while the test pumps: counts each one once and
// answers it with OK once it has been open for `keepOpen`, so a test can say how many boxes
// an action raised.
class MessageBoxWatcher {
public:
    explicit MessageBoxWatcher(std::chrono::milliseconds keepOpen = std::chrono::milliseconds(0));
    ~MessageBoxWatcher();
    int Count() const { return static_cast<int>(seen_.size()); }
    const std::string& LastText() const { return lastText_; }
    const std::string& LastCaption() const { return lastCaption_; }
    // Called when a box is first seen, while it is open.
    std::function<void()> OnNewBox;

private:
    static void CALLBACK Poll(HWND, UINT, UINT_PTR, DWORD);
    static BOOL CALLBACK Inspect(HWND window, LPARAM self);

    UINT_PTR timer_ = 0;
    std::chrono::milliseconds keepOpen_;
    std::map<HWND, std::chrono::steady_clock::time_point> seen_;
    std::string lastText_;
    std::string lastCaption_;
};
