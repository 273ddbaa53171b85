#include <windows.h>

#include "common/Owned.h"
#include "common/Unicode.h"
#include "probes/Services.h"

namespace {
using ServiceManager = Owned<SC_HANDLE, CloseServiceHandle>;
}

bool ListServices(const std::string& machine, std::uint32_t type, std::uint32_t state,
                  std::vector<std::string>& target) {
    // Full access is granted to elevated administrators alone: enumeration is all we need.
    const std::wstring machineName = Widen(machine);
    const ServiceManager manager(OpenSCManagerW(machineName.c_str(), nullptr, SC_MANAGER_ENUMERATE_SERVICE));
    if (!manager) return false;
    std::vector<unsigned char> block(64 * 1024);
    DWORD resume = 0;
    for (;;) {
        DWORD needed = 0, returned = 0;
        const BOOL done =
            EnumServicesStatusW(manager.Get(), type, state, reinterpret_cast<ENUM_SERVICE_STATUSW*>(block.data()),
                                static_cast<DWORD>(block.size()), &needed, &returned, &resume);
        const DWORD error = done ? ERROR_SUCCESS : GetLastError();
        const auto* records = reinterpret_cast<const ENUM_SERVICE_STATUSW*>(block.data());
        if (done || error == ERROR_MORE_DATA)
            for (DWORD i = 0; i < returned; ++i)
                target.push_back(records[i].lpDisplayName ? Narrow(records[i].lpDisplayName) : std::string());
        if (done || error != ERROR_MORE_DATA) break;
        // The rest comes with the next call, from the resume handle; make room if one record
        // alone did not fit.
        if (returned == 0) {
            if (needed <= block.size()) break;  // no progress possible
            block.resize(needed);
        }
    }
    return true;
}
