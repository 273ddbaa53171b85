// Starts Kestrane.exe several times and prints how long each start took until its main
// window was visible, then the median. Run it from the build folder's bench directory.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::wstring KestranePath() {
    wchar_t own[MAX_PATH];
    GetModuleFileNameW(nullptr, own, MAX_PATH);
    std::wstring path(own);
    path.resize(path.find_last_of(L'\\'));  // bench
    path.resize(path.find_last_of(L'\\'));  // the build folder
    return path + L"\\Kestrane.exe";
}

// Milliseconds from CreateProcess until the process's main window is visible, or -1.
double TimeToVisibleWindow(const std::wstring& exe) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + exe + L"\"";
    const auto started = std::chrono::steady_clock::now();
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return -1;
    double elapsed = -1;
    while (std::chrono::steady_clock::now() - started < std::chrono::seconds(30)) {
        HWND window = FindWindowW(L"TFormMain", nullptr);
        DWORD owner = 0;
        if (window) GetWindowThreadProcessId(window, &owner);
        if (window && owner == process.dwProcessId && IsWindowVisible(window)) {
            elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
            PostMessageW(window, WM_CLOSE, 0, 0);
            break;
        }
        Sleep(1);
    }
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

}  // namespace

int wmain() {
    const std::wstring exe = KestranePath();
    constexpr int kRuns = 7;
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        const double ms = TimeToVisibleWindow(exe);
        std::printf("start %d: %.1f ms\n", run + 1, ms);
        if (ms >= 0) times.push_back(ms);
    }
    if (times.empty()) return 1;
    std::sort(times.begin(), times.end());
    std::printf("time to visible window: median %.1f ms, fastest %.1f ms, slowest %.1f ms (%zu starts)\n",
                times[times.size() / 2], times.front(), times.back(), times.size());
    return 0;
}
