// AdapterLock.cpp - the named mutex behind CSequenceLock.
#include "adapter/AdapterLock.h"

#include <sddl.h>

#include <memory>

#include "adapter/DriverLink.h"
#include "adapter/Seams.h"

namespace adapterlock {
namespace {

// Waiting and releasing is all a caller needs; asking for more would fail for a user of
// another session, whose default security the creator's mutex does not share.
constexpr DWORD CallerAccess = SYNCHRONIZE | MUTEX_MODIFY_STATE;

// Everyone may wait for it and release it; SYSTEM and administrators may do anything with it.
constexpr const char* MutexSecurity = "D:(A;;GA;;;SY)(A;;GA;;;BA)(A;;0x00100001;;;WD)";

struct LocalFreer {
    void operator()(void* p) const { LocalFree(p); }
};

HANDLE OpenOrCreate(const std::string& name) {
    PSECURITY_DESCRIPTOR raw = nullptr;
    ConvertStringSecurityDescriptorToSecurityDescriptorA(MutexSecurity, SDDL_REVISION_1, &raw, nullptr);
    const std::unique_ptr<void, LocalFreer> descriptor(raw);
    SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor.get(), FALSE};
    // Twice: another caller may create it between our open and our create, which then is refused.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (HANDLE mutex = OpenMutexA(CallerAccess, FALSE, name.c_str())) return mutex;
        if (HANDLE mutex = CreateMutexA(descriptor ? &attributes : nullptr, FALSE, name.c_str())) return mutex;
        if (GetLastError() != ERROR_ACCESS_DENIED) break;
    }
    return nullptr;
}

}  // namespace

std::string Name() { return std::string("Global\\VelmoraAdapterSequence-") + driverlink::DeviceInterfacePrefix; }

CSequenceLock::CSequenceLock() : mutex_(OpenOrCreate(Name())) {
    if (!mutex_) return;
    const DWORD rc = seams::Current().waitForObject(mutex_, WaitBoundMs);
    // Abandoned: its owner ended inside its sequence. The lock is ours now, and our sequence sets
    // everything it needs whatever the other left half done.
    held_ = rc == WAIT_OBJECT_0 || rc == WAIT_ABANDONED;
}

CSequenceLock::~CSequenceLock() {
    if (held_) ReleaseMutex(mutex_);
    if (mutex_) CloseHandle(mutex_);
}

}  // namespace adapterlock
