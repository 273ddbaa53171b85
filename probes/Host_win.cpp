#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "common/Owned.h"
#include "probes/Host.h"

namespace {

void EndSockets(int) { WSACleanup(); }
// Windows Sockets started for one call: 1 while started, 0 when the start failed.
using SocketsSession = Owned<int, EndSockets, 0>;

std::string DottedQuad(const in_addr& address) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&address);
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", bytes[0], bytes[1], bytes[2], bytes[3]);
    return text;
}

// The first IPv4 address of the interface that carries the default route (an interface
// with a route is up; a loopback one never carries it). The resolver's list often ends with
// a VPN's or a virtual machine host's address instead. The address table is asked rather
// than the adapters' full descriptions: it is what a once-a-second tick can afford.
std::string DefaultRouteAddress() {
    DWORD routeInterface = 0;
    if (GetBestInterface(INADDR_ANY, &routeInterface) != NO_ERROR) return {};
    ULONG size = 0;
    std::vector<unsigned char> buffer;
    DWORD result = ERROR_INSUFFICIENT_BUFFER;
    for (int attempt = 0; attempt < 3 && result == ERROR_INSUFFICIENT_BUFFER; ++attempt) {
        buffer.resize(std::max<ULONG>(size, sizeof(MIB_IPADDRTABLE)));
        size = static_cast<ULONG>(buffer.size());
        result = GetIpAddrTable(reinterpret_cast<MIB_IPADDRTABLE*>(buffer.data()), &size, FALSE);
    }
    if (result != NO_ERROR) return {};
    const auto* table = reinterpret_cast<const MIB_IPADDRTABLE*>(buffer.data());
    for (DWORD i = 0; i < table->dwNumEntries; ++i) {
        const MIB_IPADDRROW& row = table->table[i];
        in_addr address{};
        address.s_addr = row.dwAddr;
        const std::string text = DottedQuad(address);
        if (row.dwIndex == routeInterface && row.dwAddr != 0 && text.rfind("127.", 0) != 0) return text;
    }
    return {};
}

// The last IPv4 address the resolver gives for `host`, or empty text.
std::string LastResolvedAddress(const char* host) {
    const hostent* entry = gethostbyname(host);
    if (!entry || entry->h_addrtype != AF_INET || !entry->h_addr_list) return {};
    std::string last;
    for (char** address = entry->h_addr_list; *address; ++address)
        last = DottedQuad(*reinterpret_cast<const in_addr*>(*address));
    return last;
}

}  // namespace

std::string GetHostIdentity(int mode) try {
    WSADATA data;
    const SocketsSession sockets(WSAStartup(MAKEWORD(1, 1), &data) == 0 ? 1 : 0);
    if (!sockets) return {};
    char host[256] = {};  // room for any host name
    if (gethostname(host, sizeof host) != 0) return {};
    if (mode == 2) return host;
    if (std::string address = DefaultRouteAddress(); !address.empty()) return address;
    return LastResolvedAddress(host);
} catch (...) {
    return {};  // out of memory: the label shows nothing rather than the tick failing
}
