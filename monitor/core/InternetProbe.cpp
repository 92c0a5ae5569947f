// InternetProbe.cpp - see InternetProbe.h.
#include "monitor/core/InternetProbe.h"

#include <cstring>

#include "adapter/RegKey.h"
#include "adapter/portable/ProfileLayout.h"
#include "monitor/core/Platform.h"
#include "monitor/ui/Handles.h"

CPinger::~CPinger() {
    if (socket_ != INVALID_SOCKET) closesocket(socket_);
}

int32_t CPinger::Fail() {
    if (socket_ != INVALID_SOCKET) closesocket(socket_);
    socket_ = INVALID_SOCKET;
    return 0;
}

int32_t CPinger::Probe(const char* host, uint32_t timeoutMs) {
    std::memset(&destination_, 0, sizeof destination_);
    std::memset(&source_, 0, sizeof source_);
    std::memset(packet_, 0, sizeof packet_);

    socket_ = WSASocketA(AF_INET, SOCK_RAW, IPPROTO_ICMP, nullptr, 0, WSA_FLAG_OVERLAPPED);
    if (socket_ == INVALID_SOCKET) return 0;
    const DWORD timeout = timeoutMs;
    if (setsockopt(socket_, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout) != 0 ||
        setsockopt(socket_, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout) != 0) {
        return Fail();
    }

    const unsigned long dotted = inet_addr(host);
    if (dotted != INADDR_NONE) {
        destination_.sin_family = AF_INET;
        destination_.sin_addr.s_addr = dotted;
    } else if (const hostent* entry = gethostbyname(host);
               entry && entry->h_addr_list && entry->h_addr_list[0] && entry->h_length == 4) {
        destination_.sin_family = short(entry->h_addrtype);
        std::memcpy(&destination_.sin_addr, entry->h_addr_list[0], 4);
    } else {
        // Sent to the unset address 0.0.0.0 the request would reach this machine, whose reply
        // would count as the Internet.
        return Fail();
    }

    icmp::BuildEchoRequest(packet_, GetCurrentProcessId());
    if (sendto(socket_, reinterpret_cast<const char*>(packet_), int(icmp::RequestSize), 0,
               reinterpret_cast<const sockaddr*>(&destination_), sizeof destination_) != int(icmp::RequestSize)) {
        return Fail();
    }

    // Other ICMP traffic reaches a raw socket too (on loopback our own request comes back first):
    // such packets are skipped, the answer still has to arrive within the one time-out.
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs) return Fail();
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(socket_, &readable);
        const DWORD left = timeoutMs - elapsed;
        timeval wait{long(left / 1000), long(left % 1000) * 1000};
        if (select(0, &readable, nullptr, nullptr, &wait) <= 0) return Fail();
        int sourceSize = sizeof source_;
        const int received = recvfrom(socket_, reinterpret_cast<char*>(packet_), int(icmp::ReceiveLimit), 0,
                                      reinterpret_cast<sockaddr*>(&source_), &sourceSize);
        if (received == SOCKET_ERROR) return Fail();
        switch (icmp::ClassifyReply(packet_, size_t(received))) {
            case icmp::Verdict::Reachable: return 1;
            case icmp::Verdict::NotReachable: return Fail();
            case icmp::Verdict::Skip: break;
        }
    }
}

CInternetProbe::~CInternetProbe() {
    // A probe lasts at most the time-out plus a name lookup; a test's probe object outlives it.
    const DWORD start = GetTickCount();
    while (running_ != 0 && GetTickCount() - start < 15000) Sleep(10);
}

bool CInternetProbe::StartIfIdle() {
    if (threadId_ != 0) return false;
    // Created suspended so the id is stored before the thread can clear it.
    ++running_;
    DWORD id = 0;
    const CHandle thread(CreateThread(nullptr, 0, &Entry, this, CREATE_SUSPENDED, &id));
    if (!thread) {
        --running_;
        return false;
    }
    threadId_ = id;
    ResumeThread(thread.get());
    return true;
}

DWORD WINAPI CInternetProbe::Entry(void* self) { return static_cast<CInternetProbe*>(self)->Run(); }

DWORD CInternetProbe::Run() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    int32_t result;
    {
        CPinger pinger;
        result = pinger.Probe(monitor_platform::Current().probeHost, TimeoutMs);

        CRegKey key;
        if (key.Open(HKEY_LOCAL_MACHINE, profile::KeyPath, KEY_ALL_ACCESS) == ERROR_SUCCESS ||
            key.Create(HKEY_LOCAL_MACHINE, profile::KeyPath, KEY_ALL_ACCESS) == ERROR_SUCCESS) {
            key.SetDword(profile::InternetStateValue, DWORD(result));
        }
        threadId_ = 0;
        internetState_ = result;
    }  // the pinger closes its socket
    WSACleanup();
    --running_;
    return DWORD(result);
}
