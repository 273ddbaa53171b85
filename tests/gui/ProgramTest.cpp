#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <thread>
#include <vector>

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

// The executable's file, its PE headers and the names of the functions it imports.
struct PeFile {
    std::vector<char> bytes;
    const IMAGE_NT_HEADERS* headers = nullptr;

    explicit PeFile(const std::wstring& path) {
        std::ifstream file(std::filesystem::path(path), std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(file), {});
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes.data());
        headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(bytes.data() + dos->e_lfanew);
    }
    // The file offset of a relative virtual address.
    std::size_t Offset(DWORD rva) const {
        const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(headers);
        for (WORD i = 0; i < headers->FileHeader.NumberOfSections; ++i, ++section)
            if (rva >= section->VirtualAddress && rva < section->VirtualAddress + section->Misc.VirtualSize)
                return rva - section->VirtualAddress + section->PointerToRawData;
        return 0;
    }
    std::set<std::string> ImportedFunctions() const {
        std::set<std::string> names;
        const IMAGE_DATA_DIRECTORY& imports = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        for (auto* module = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(&bytes[Offset(imports.VirtualAddress)]);
             module->Name; ++module) {
            const DWORD thunks = module->OriginalFirstThunk ? module->OriginalFirstThunk : module->FirstThunk;
            for (auto* thunk = reinterpret_cast<const IMAGE_THUNK_DATA*>(&bytes[Offset(thunks)]);
                 thunk->u1.AddressOfData; ++thunk)
                if (!IMAGE_SNAP_BY_ORDINAL(thunk->u1.Ordinal))
                    names.insert(reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(
                                     &bytes[Offset(static_cast<DWORD>(thunk->u1.AddressOfData))])
                                     ->Name);
        }
        return names;
    }
};

// Windows 7 SP1 starts the program: the headers ask for no newer system, and nothing newer
// is imported, only looked up at run time.
TEST(Program, RunsOnWindows7AndLoadsNewerFunctionsAtRunTime) {
    const PeFile exe(KestranePath());
    ASSERT_GT(exe.bytes.size(), 1024u);
    EXPECT_EQ(exe.headers->OptionalHeader.MajorSubsystemVersion, 6);
    EXPECT_EQ(exe.headers->OptionalHeader.MinorSubsystemVersion, 1);
    EXPECT_EQ(exe.headers->OptionalHeader.MajorOperatingSystemVersion, 6);
    EXPECT_EQ(exe.headers->OptionalHeader.MinorOperatingSystemVersion, 1);
    const std::set<std::string> imported = exe.ImportedFunctions();
    EXPECT_TRUE(imported.count("CreateWindowExW"));  // the table was read
    for (const char* newer : {"GetDpiForWindow", "AdjustWindowRectExForDpi", "GetDpiForMonitor",
                              "GetSystemMetricsForDpi", "SetThreadDpiAwarenessContext", "EnableNonClientDpiScaling"})
        EXPECT_EQ(imported.count(newer), 0u) << newer;
}

}  // namespace
