#include "MainWindowFixture.h"

#include "common/Unicode.h"

namespace {
MessageBoxWatcher* activeWatcher = nullptr;  // thread timers carry no context of their own
}

void MainWindowTest::SetUp() {}

void MainWindowTest::TearDown() { form_.reset(); }

void MainWindowTest::Create() { form_ = std::make_unique<TFormMain>(app_); }

void MainWindowTest::CreateAndShow() {
    Create();
    app_.Show(*form_);
}

void MainWindowTest::ChangeDpi(int dpi) {
    HWND window = form_->Handle();
    SIZE size{};
    SendMessageW(window, 0x02E4 /* WM_GETDPISCALEDSIZE */, static_cast<WPARAM>(dpi), reinterpret_cast<LPARAM>(&size));
    RECT suggested;
    GetWindowRect(window, &suggested);
    suggested.right = suggested.left + size.cx;
    suggested.bottom = suggested.top + size.cy;
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    PumpFor(std::chrono::milliseconds(100));
}

void MainWindowTest::PumpFor(std::chrono::milliseconds duration) {
    PumpUntil([] { return false; }, duration);
}

bool MainWindowTest::PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= end) return false;
        MSG message;
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            app_.Deliver(*form_, message);  // one at a time: a fast timer never lets the queue run dry
        else
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return true;
}

void SendKeys(const std::vector<WORD>& keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys) inputs.push_back({INPUT_KEYBOARD, {.ki = {key, 0, 0, 0, 0}}});
    for (auto key = keys.rbegin(); key != keys.rend(); ++key)
        inputs.push_back({INPUT_KEYBOARD, {.ki = {*key, 0, KEYEVENTF_KEYUP, 0, 0}}});
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

std::string WindowText(HWND window) {
    wchar_t buffer[512] = {};
    SendMessageW(window, WM_GETTEXT, std::size(buffer), reinterpret_cast<LPARAM>(buffer));
    return Narrow(buffer);
}

RECT RectInParent(HWND child) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

MessageBoxWatcher::MessageBoxWatcher(std::chrono::milliseconds keepOpen) : keepOpen_(keepOpen) {
    activeWatcher = this;
    timer_ = SetTimer(nullptr, 0, 20, Poll);
}

MessageBoxWatcher::~MessageBoxWatcher() {
    KillTimer(nullptr, timer_);
    activeWatcher = nullptr;
}

void CALLBACK MessageBoxWatcher::Poll(HWND, UINT, UINT_PTR, DWORD) {
    if (activeWatcher) EnumThreadWindows(GetCurrentThreadId(), Inspect, reinterpret_cast<LPARAM>(activeWatcher));
}

BOOL CALLBACK MessageBoxWatcher::Inspect(HWND window, LPARAM self) {
    wchar_t className[32] = {};
    GetClassNameW(window, className, static_cast<int>(std::size(className)));
    if (std::wstring(className) != L"#32770" || !IsWindowVisible(window)) return TRUE;
    auto* watcher = reinterpret_cast<MessageBoxWatcher*>(self);
    const auto now = std::chrono::steady_clock::now();
    const auto [entry, isNew] = watcher->seen_.try_emplace(window, now);
    if (isNew) {
        watcher->lastCaption_ = WindowText(window);
        watcher->lastText_ = WindowText(GetDlgItem(window, 0xFFFF));  // the box's message text
        if (watcher->OnNewBox) watcher->OnNewBox();
    }
    if (now - entry->second >= watcher->keepOpen_) PostMessageW(window, WM_COMMAND, IDOK, 0);
    return TRUE;
}
