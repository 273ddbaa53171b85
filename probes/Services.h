#pragma once
#include <cstdint>
#include <string>
#include <vector>

// What to list, as the service control manager numbers it.
inline constexpr std::uint32_t kWin32Services = 0x30;  // SERVICE_WIN32: own and shared processes, no drivers
inline constexpr std::uint32_t kAllServiceStates = 3;  // SERVICE_STATE_ALL: running or not

// Appends the display name of every service of `type` in `state` on `machine` (empty: this
// computer) to `target`, in the order the service control manager delivers them; never
// sorts or clears. The manager is opened for enumeration only, which every user may, and
// asked until every service is delivered. True when the manager could be opened (Windows
// builds only).
bool ListServices(const std::string& machine, std::uint32_t type, std::uint32_t state,
                  std::vector<std::string>& target);
