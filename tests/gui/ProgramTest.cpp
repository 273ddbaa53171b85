#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

// The real executable, started as a user starts it.
namespace {

std::wstring KestranePath() {
    wchar_t own[MAX_PATH];
    GetModuleFileNameW(nullptr, own, MAX_PATH);
    std::wstring path(own);
    path.resize(path.find_last_of(L'\\'));  // tests/gui
    path.resize(path.find_last_of(L'\\'));  // tests
    path.resize(path.find_last_of(L'\\'));  // the build folder
    return path + L"\\Kestrane.exe";
}

TEST(Program, OpensItsWindowAndEndsWithExitCodeZeroWhenClosed) {
    const std::wstring exe = KestranePath();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + exe + L"\"";
    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process));
    HWND window = nullptr;
    while (!window && std::chrono::steady_clock::now() - started < std::chrono::seconds(20)) {
        HWND candidate = FindWindowW(L"TFormMain", L"Kestrane");
        DWORD owner = 0;
        if (candidate) GetWindowThreadProcessId(candidate, &owner);
        if (candidate && owner == process.dwProcessId && IsWindowVisible(candidate))
            window = candidate;
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    const auto visibleAfter =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
    ASSERT_NE(window, nullptr);
    std::printf("window visible %lld ms after start\n", static_cast<long long>(visibleAfter.count()));

    EXPECT_FALSE(GetWindowLongW(window, GWL_STYLE) & (WS_MAXIMIZEBOX | WS_THICKFRAME));
    PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace
