// The service listing against Wine's own service control manager, with services the test
// installs and removes itself.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/Owned.h"
#include "probes/Services.h"

namespace {

using ServiceHandle = Owned<SC_HANDLE, CloseServiceHandle>;

// A service installed for one test, stopped, and deleted at the end.
class InstalledService {
public:
    InstalledService(const wchar_t* name, const wchar_t* displayName, DWORD type)
        : manager_(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS)) {
        if (SC_HANDLE old = manager_ ? OpenServiceW(manager_.Get(), name, DELETE) : nullptr) {
            DeleteService(old);  // left over from a run that did not finish
            CloseServiceHandle(old);
        }
        if (manager_)
            service_.Reset(CreateServiceW(
                manager_.Get(), name, displayName, SERVICE_ALL_ACCESS, type, SERVICE_DEMAND_START, SERVICE_ERROR_IGNORE,
                L"C:\\windows\\system32\\notepad.exe", nullptr, nullptr, nullptr, nullptr, nullptr));
    }
    ~InstalledService() {
        if (service_) DeleteService(service_.Get());
    }
    explicit operator bool() const { return static_cast<bool>(service_); }

private:
    ServiceHandle manager_;
    ServiceHandle service_;
};

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

TEST(ListServices, AppendsEveryWin32ServiceRunningOrNotAndNoDriver) {
    const InstalledService service(L"KestraneTestService", L"Kestrane 测试服务", SERVICE_WIN32_OWN_PROCESS);
    const InstalledService driver(L"KestraneTestDriver", L"Kestrane test driver", SERVICE_KERNEL_DRIVER);
    ASSERT_TRUE(service);
    ASSERT_TRUE(driver);

    std::vector<std::string> names{"already there"};
    EXPECT_TRUE(ListServices("", kWin32Services, kAllServiceStates, names));
    ASSERT_GT(names.size(), 3u);
    EXPECT_EQ(names.front(), "already there");              // appended, never cleared
    EXPECT_TRUE(Contains(names, "Kestrane 测试服务"));      // stopped, and listed all the same
    EXPECT_FALSE(Contains(names, "Kestrane test driver"));  // drivers are not Win32 services

    // The same services, in the same order, at every call: the manager's order, not sorted.
    std::vector<std::string> again;
    ListServices("", kWin32Services, kAllServiceStates, again);
    EXPECT_EQ(std::vector<std::string>(names.begin() + 1, names.end()), again);
}

}  // namespace
