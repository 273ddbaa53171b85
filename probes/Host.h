#pragma once
#include <string>

// The computer's identity on the network (Windows builds only). Mode 2: the host name. Any
// other mode: the IPv4 address of the interface that carries the default route (up, not a
// loopback); where there is none, the last address the resolver gives for the host name;
// else empty text. Never raises; every successful WSAStartup is matched by one WSACleanup.
std::string GetHostIdentity(int mode);
