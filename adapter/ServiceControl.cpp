// ServiceControl.cpp - bounded stop and start polls over the service control manager.
#include "adapter/ServiceControl.h"

#include <windows.h>

#include "adapter/Seams.h"

namespace service {
namespace {

class CServiceHandle {
public:
    explicit CServiceHandle(SC_HANDLE h = nullptr) : handle_(h) {}
    CServiceHandle(const CServiceHandle&) = delete;
    CServiceHandle& operator=(const CServiceHandle&) = delete;
    ~CServiceHandle() {
        if (handle_) CloseServiceHandle(handle_);
    }
    SC_HANDLE get() const { return handle_; }

private:
    SC_HANDLE handle_;
};

// The raw state, or 0 when it cannot be read.
DWORD RawState(SC_HANDLE service) {
    SERVICE_STATUS status{};
    return QueryServiceStatus(service, &status) ? status.dwCurrentState : 0;
}

// Polls while `waitWhile` holds for the state, sleeping between looks, for at
// most the wait limit. Returns the last state read (0 when it cannot be read).
template <typename Predicate>
DWORD PollWhile(SC_HANDLE service, Predicate waitWhile) {
    const uint32_t start = seams::Current().tickMs();
    DWORD state = RawState(service);
    while (state != 0 && waitWhile(state) && seams::Current().tickMs() - start < WaitLimitMs) {
        seams::SleepMs(PollIntervalMs);
        state = RawState(service);
    }
    return state;
}

}  // namespace

State QueryState(const char* name) {
    CServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
    if (!manager.get()) return State::Other;
    CServiceHandle svc(OpenServiceA(manager.get(), name, SERVICE_QUERY_STATUS));
    if (!svc.get()) return State::Other;
    switch (RawState(svc.get())) {
    case SERVICE_RUNNING:
        return State::Running;
    case SERVICE_STOPPED:
        return State::Stopped;
    default:
        return State::Other;
    }
}

bool StopAndWait(const char* name) {
    CServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
    if (!manager.get()) return false;
    CServiceHandle svc(OpenServiceA(manager.get(), name, SERVICE_STOP | SERVICE_QUERY_STATUS));
    if (!svc.get()) return false;
    SERVICE_STATUS status{};
    if (!ControlService(svc.get(), SERVICE_CONTROL_STOP, &status) && RawState(svc.get()) == SERVICE_RUNNING)
        return false;  // refused: it will not stop however long we look
    return PollWhile(svc.get(), [](DWORD s) { return s != SERVICE_STOPPED; }) == SERVICE_STOPPED;
}

bool StartAndWait(const char* name) {
    CServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
    if (!manager.get()) return false;
    CServiceHandle svc(OpenServiceA(manager.get(), name, SERVICE_START | SERVICE_QUERY_STATUS));
    if (!svc.get()) return false;
    if (!StartServiceA(svc.get(), 0, nullptr)) return false;
    const DWORD state =
        PollWhile(svc.get(), [](DWORD s) { return s == SERVICE_STOPPED || s == SERVICE_START_PENDING; });
    return state == SERVICE_RUNNING;
}

}  // namespace service
