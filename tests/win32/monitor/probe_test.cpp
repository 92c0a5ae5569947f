// The Internet probe over a real raw ICMP socket: a responder in a network namespace, packets
// crafted on loopback while the probe waits, an unresolvable name, one probe thread at a time.
#include <winsock2.h>
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "adapter/portable/ProfileLayout.h"
#include "monitor/core/InternetProbe.h"
#include "monitor/core/Platform.h"
#include "tests/win32/support/TestSupport.h"

namespace {

const char* Env(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

class ProbeHost {
public:
    explicit ProbeHost(const char* host) {
        monitor_platform::Platform p = monitor_platform::Current();
        p.probeHost = host;
        previous_ = monitor_platform::Replace(p);
    }
    ~ProbeHost() { monitor_platform::Replace(previous_); }

private:
    monitor_platform::Platform previous_;
};

DWORD ReadInternetState() {
    HKEY key;
    DWORD value = 0xDEAD, size = sizeof value;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, profile::KeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return 0xBAD;
    if (RegQueryValueExA(key, profile::InternetStateValue, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) !=
        ERROR_SUCCESS)
        value = 0xBAD;
    RegCloseKey(key);
    return value;
}

// Waits for the running probe to finish; returns the milliseconds it took from `start`.
DWORD WaitForProbe(const CInternetProbe& probe, DWORD start) {
    while (probe.ThreadId() != 0 && GetTickCount() - start < 10000) Sleep(1);
    const DWORD took = GetTickCount() - start;
    Sleep(20);  // the thread publishes its result just after clearing its id
    return took;
}

struct Result {
    int32_t state;
    DWORD ms;
};

Result ProbeOnce(const char* host) {
    ProbeHost seam(host);
    CInternetProbe probe;
    const DWORD start = GetTickCount();
    EXPECT_TRUE(probe.StartIfIdle());
    const DWORD ms = WaitForProbe(probe, start);
    return {probe.InternetState(), ms};
}

// Sends ICMP messages to 127.0.0.1, which every raw ICMP socket of this machine's stack receives.
class LoopbackSender {
public:
    LoopbackSender() { socket_ = WSASocketA(AF_INET, SOCK_RAW, IPPROTO_ICMP, nullptr, 0, 0); }
    ~LoopbackSender() {
        if (socket_ != INVALID_SOCKET) closesocket(socket_);
    }
    bool ok() const { return socket_ != INVALID_SOCKET; }
    void Send(std::vector<uint8_t> message) {
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        sendto(socket_, reinterpret_cast<const char*>(message.data()), int(message.size()), 0,
               reinterpret_cast<sockaddr*>(&to), sizeof to);
    }

private:
    SOCKET socket_ = INVALID_SOCKET;
};

std::vector<uint8_t> Message(uint8_t type, size_t size) {
    std::vector<uint8_t> m(size, 0);
    if (size) m[0] = type;
    return m;
}

// Probes the silent host while `messages` arrive on loopback 30 ms apart.
Result ProbeWhileReceiving(const char* silent, const std::vector<std::vector<uint8_t>>& messages) {
    LoopbackSender sender;
    EXPECT_TRUE(sender.ok());
    ProbeHost seam(silent);
    CInternetProbe probe;
    const DWORD start = GetTickCount();
    EXPECT_TRUE(probe.StartIfIdle());
    for (const auto& m : messages) {
        Sleep(30);
        sender.Send(m);
    }
    const DWORD ms = WaitForProbe(probe, start);
    return {probe.InternetState(), ms};
}

class ProbeTest : public ::testing::Test {
protected:
    void SetUp() override {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        responder_ = Env("WIFIMON_PROBE_RESPONDER");
        unreachable_ = Env("WIFIMON_PROBE_UNREACHABLE");
        silent_ = Env("WIFIMON_PROBE_SILENT");
    }
    void TearDown() override { WSACleanup(); }
    bool HaveNetwork() const { return responder_ && unreachable_ && silent_; }

    const char* responder_ = nullptr;
    const char* unreachable_ = nullptr;
    const char* silent_ = nullptr;
};

#define REQUIRE_NETWORK()                                                                       \
    if (!HaveNetwork()) GTEST_SKIP() << "no test network: run through tests/win32/probe-net, " \
                                        "which needs network namespaces"

}  // namespace

TEST_F(ProbeTest, ResponderInNamespaceIsReachableAndTheKeyIsCreated) {
    REQUIRE_NETWORK();
    testing_support::DeleteTree(profile::KeyPath);
    const Result r = ProbeOnce(responder_);
    EXPECT_EQ(r.state, 1);
    EXPECT_EQ(ReadInternetState(), 1u);
    EXPECT_LT(r.ms, 200u);
}

TEST_F(ProbeTest, DestinationUnreachableAndSilenceGiveNotReachable) {
    REQUIRE_NETWORK();
    const Result unreachable = ProbeOnce(unreachable_);  // the namespace's kernel answers type 3
    EXPECT_EQ(unreachable.state, 0);
    EXPECT_EQ(ReadInternetState(), 0u);
    EXPECT_LT(unreachable.ms, 150u) << "a type 3 reply ends the wait";

    const Result silent = ProbeOnce(silent_);
    EXPECT_EQ(silent.state, 0);
    EXPECT_GE(silent.ms, 190u) << "nothing comes back: the whole 200 ms time-out";
    EXPECT_LT(silent.ms, 600u);
}

TEST_F(ProbeTest, OtherIcmpTrafficIsSkippedWithinTheTimeOut) {
    REQUIRE_NETWORK();
    struct Case {
        const char* what;
        std::vector<std::vector<uint8_t>> messages;
        int32_t state;
        bool early;  // ends before the time-out
    };
    const Case cases[] = {
        {"someone's echo request, then an echo reply", {Message(8, 40), Message(0, 40)}, 1, true},
        {"time exceeded only", {Message(11, 36)}, 0, false},
        {"destination unreachable", {Message(3, 36)}, 0, true},
        // Linux keeps ICMP messages under 8 bytes from raw sockets, so a short reply never
        // arrives here (the host tests read short packets): the probe waits out its time-out.
        {"a reply shorter than header + 8", {Message(0, 4)}, 0, false},
    };
    for (const Case& c : cases) {
        const Result r = ProbeWhileReceiving(silent_, c.messages);
        EXPECT_EQ(r.state, c.state) << c.what;
        if (c.early) {
            EXPECT_LT(r.ms, 180u) << c.what;
        } else {
            EXPECT_GE(r.ms, 190u) << c.what;
        }
    }
}

TEST_F(ProbeTest, TwoQuickRefreshesStartOneProbeThread) {
    REQUIRE_NETWORK();
    ProbeHost seam(silent_);
    CInternetProbe probe;
    auto threads = [] {
        int count = 0;
        HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
        THREADENTRY32 entry{};
        entry.dwSize = sizeof entry;
        for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
            if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
        }
        CloseHandle(snapshot);
        return count;
    };
    const int before = threads();
    const DWORD start = GetTickCount();
    EXPECT_TRUE(probe.StartIfIdle());
    const DWORD id = probe.ThreadId();
    EXPECT_NE(id, 0u);
    EXPECT_FALSE(probe.StartIfIdle());
    EXPECT_EQ(probe.ThreadId(), id);
    EXPECT_EQ(threads(), before + 1);
    WaitForProbe(probe, start);
    EXPECT_TRUE(probe.StartIfIdle()) << "the next refresh after the probe ended starts another";
    WaitForProbe(probe, GetTickCount());
}

TEST_F(ProbeTest, UnresolvableNameGivesNotReachable) {
    if (!Env("WIFIMON_PROBE_ISOLATED")) {
        GTEST_SKIP() << "name lookups leave the machine here: run through tests/win32/probe-net isolated";
    }
    HKEY key;
    DWORD reachable = 1;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, profile::KeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, profile::InternetStateValue, 0, REG_DWORD, reinterpret_cast<BYTE*>(&reachable), 4);
    RegCloseKey(key);
    const Result r = ProbeOnce("no-such-probe-host.invalid");
    EXPECT_EQ(r.state, 0);
    EXPECT_EQ(ReadInternetState(), 0u);
}
