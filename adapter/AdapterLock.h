// AdapterLock.h - one connect or disconnect sequence at a time on the adapter, across threads and processes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace adapterlock {

// How long a sequence waits for another caller's to end. The longest sequence is ten driver
// requests (a WEP key on a new ad hoc cell: mode, channel query and set, authentication, four
// keys, cipher, SSID); even at a second each, far slower than a driver answers a set, it ends
// within 10 s. A caller that holds it longer is stuck: the waiter gives up rather than hang.
inline constexpr uint32_t WaitBoundMs = 15000;

// The named mutex, in the global namespace: with fast user switching every logged-on user runs a
// monitor of their own in a session of its own (the Run value starts one at each logon), and they
// all drive the one adapter. Named after the adapter's device interface, as the driver link knows
// it: every caller binds the adapter through the same hardware-id pattern.
std::string Name();

// Holds the adapter for one sequence while it lives.
class CSequenceLock {
public:
    CSequenceLock();
    ~CSequenceLock();
    CSequenceLock(const CSequenceLock&) = delete;
    CSequenceLock& operator=(const CSequenceLock&) = delete;

    // False when another caller kept the adapter past the bound or the mutex could not be opened:
    // the sequence must not run.
    bool held() const { return held_; }

private:
    HANDLE mutex_ = nullptr;
    bool held_ = false;
};

}  // namespace adapterlock
