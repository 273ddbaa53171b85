#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

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

// The first IPv4 address of the adapter that carries the default route, if it is up and no
// loopback. The resolver's list often ends with a VPN's or a virtual machine host's address.
std::string DefaultRouteAddress() {
    DWORD routeInterface = 0;
    if (GetBestInterface(INADDR_ANY, &routeInterface) != NO_ERROR) return {};
    ULONG size = 16 * 1024;
    std::vector<unsigned char> buffer;
    ULONG result = ERROR_BUFFER_OVERFLOW;
    for (int attempt = 0; attempt < 3 && result == ERROR_BUFFER_OVERFLOW; ++attempt) {
        buffer.resize(size);
        result =
            GetAdaptersAddresses(AF_INET, GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER,
                                 nullptr, reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()), &size);
    }
    if (result != NO_ERROR) return {};
    for (auto* adapter = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()); adapter; adapter = adapter->Next) {
        if (adapter->IfIndex != routeInterface || adapter->OperStatus != IfOperStatusUp ||
            adapter->IfType == IF_TYPE_SOFTWARE_LOOPBACK)
            continue;
        for (auto* unicast = adapter->FirstUnicastAddress; unicast; unicast = unicast->Next) {
            const SOCKADDR* address = unicast->Address.lpSockaddr;
            if (address && address->sa_family == AF_INET)
                return DottedQuad(reinterpret_cast<const sockaddr_in*>(address)->sin_addr);
        }
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
