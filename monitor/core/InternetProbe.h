// InternetProbe.h - one ICMP echo to the probe host on a short-lived thread; the answer goes to InternetState.
#pragma once

#include <windows.h>
#include <winsock2.h>

#include <atomic>
#include <cstdint>

#include "monitor/core/portable/IcmpEcho.h"

// One echo request over a raw ICMP socket and the wait for its answer.
class CPinger {
public:
    CPinger() = default;
    ~CPinger();
    CPinger(const CPinger&) = delete;
    CPinger& operator=(const CPinger&) = delete;

    // 1 when an echo reply arrives within `timeoutMs`, else 0.
    int32_t Probe(const char* host, uint32_t timeoutMs);

private:
    int32_t Fail();

    sockaddr_in destination_{};
    sockaddr_in source_{};
    SOCKET socket_ = INVALID_SOCKET;
    uint8_t packet_[icmp::PacketBufferSize] = {};
};

class CInternetProbe {
public:
    static constexpr uint32_t TimeoutMs = 200;

    CInternetProbe() = default;
    ~CInternetProbe();
    CInternetProbe(const CInternetProbe&) = delete;
    CInternetProbe& operator=(const CInternetProbe&) = delete;

    // Starts a probe unless one runs; returns whether it started.
    bool StartIfIdle();
    DWORD ThreadId() const { return threadId_; }
    // 1 reachable, 0 not: the last probe's result.
    int32_t InternetState() const { return internetState_; }

private:
    static DWORD WINAPI Entry(void* self);
    DWORD Run();

    std::atomic<DWORD> threadId_{0};
    std::atomic<int32_t> internetState_{0};
    std::atomic<int> running_{0};
};
