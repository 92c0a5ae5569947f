// ConnectionSupervisor.cpp - see ConnectionSupervisor.h.
#include "monitor/core/ConnectionSupervisor.h"

#include <chrono>
#include <cstring>

#include "adapter/StoredProfiles.h"
#include "adapter/portable/AdhocDecision.h"
#include "adapter/portable/ProfileKinds.h"
#include "monitor/core/MonitorWindow.h"
#include "monitor/core/Platform.h"
#include "monitor/core/portable/DeviceChange.h"
#include "monitor/core/portable/MonitorTexts.h"
#include "monitor/core/portable/ZeroControlWatch.h"
#include "monitor/res/Messages.h"

// One connect worker: its thread and the event that cancels it.
struct CConnectionSupervisor::Worker {
    CHandle thread;
    CHandle cancel{CreateEventA(nullptr, TRUE, FALSE, nullptr)};
};

struct CConnectionSupervisor::WorkerArgs {
    CConnectionSupervisor* supervisor;
    std::atomic<WLAN_PROFILE*>* slot;
    std::shared_ptr<Worker> self;
    std::shared_ptr<Worker> previous;  // cancelled; this worker talks to the adapter once it stopped
    uint32_t request;                  // its number among the connect requests
};

namespace {

bool Signalled(HANDLE event) { return event && WaitForSingleObject(event, 0) == WAIT_OBJECT_0; }

// Waits for `done` while still handing out messages sent to this thread's windows,
// so a worker inside SendMessage to the frame can finish.
template <typename Done>
void PumpUntil(Done done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!done() && GetTickCount() - start < timeoutMs) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_SENDMESSAGE);
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

}  // namespace

CConnectionSupervisor::CConnectionSupervisor(AppState& state) : state_(state) {}

CConnectionSupervisor::~CConnectionSupervisor() {
    // The program ends its process without coming here (its threads end with it); a test's
    // supervisor outlives its threads.
    if (watcher_) {
        SetEvent(stopWatcher_.get());
        PumpUntil([&] { return WaitForSingleObject(watcher_.get(), 0) == WAIT_OBJECT_0; }, 10000);
    }
    if (worker_) SetEvent(worker_->cancel.get());
    WaitForWorkers(15000);
    worker_.reset();
    if (state_.currentProfile == currentProfile_.get()) state_.currentProfile = nullptr;
    const uint8_t* survey = scanBuffer_;
    state_.currentSurvey.compare_exchange_strong(survey, nullptr);
}

void CConnectionSupervisor::WaitForWorkers(uint32_t ms) {
    PumpUntil([&] { return runningWorkers_ == 0; }, ms);
}

template <typename Call>
bool CConnectionSupervisor::AdapterStep(HANDLE cancel, Call call) {
    std::lock_guard<std::timed_mutex> hold(adapterSteps_);
    if (linkClosed_ || Signalled(cancel)) return false;
    call();
    return true;
}

void CConnectionSupervisor::ReadBaselines() {
    NETWORK_STATISTICS statistics{};
    GetNetworkStatistics(texts::HardwareId, &statistics);
    state_.StoreBaselines(statistics);
}

int32_t CConnectionSupervisor::StartupBind() {
    // A bound adapter is "present": the device-change handling reads 0 as lost and would unbind it
    // again at the next unrelated broadcast.
    const bool bound = ConnectToAdapter() == 0;
    state_.adapterBound = bound ? 1 : 0;
    state_.deviceState = device::Present;
    monitor_platform::SleepMs(1000);

    if (!currentProfile_) {
        currentProfile_ = std::make_unique<WLAN_PROFILE>();
        std::memset(currentProfile_.get(), 0, sizeof(WLAN_PROFILE));
        state_.currentProfile = currentProfile_.get();
    }
    WLAN_PROFILE& profile = *currentProfile_;

    // GetCurrentProfile leaves the buffer as it was when CurProfile is missing and ends what it read
    // within the buffer: one still without a NUL tells no current profile from an empty name.
    char name[sizeof profile.ProfileName];
    std::memset(name, '?', sizeof name);
    if (GetCurrentProfile(name) != 0 || !std::memchr(name, 0, sizeof name)) return 0;
    const size_t length = std::strlen(name);
    std::memcpy(profile.ProfileName, name, length);
    std::memset(profile.ProfileName + length, 0, sizeof profile.ProfileName - length);
    if (!profile::Exists(profile.ProfileName)) return 0;
    // Cleared but for the name: after a rebind, a value this profile lacks (or stores with another
    // type) must not come from the profile read before.
    WLAN_PROFILE fresh{};
    std::memcpy(fresh.ProfileName, profile.ProfileName, sizeof fresh.ProfileName);
    profile = fresh;
    ReadProfile(&profile);
    std::memcpy(state_.inUseProfileName, profile.ProfileName, sizeof state_.inUseProfileName);

    if (profile::IsAdhoc(profile)) DecideAdhoc(profile, nullptr);
    if (ZeroControlEnabled() == 0) {
        // A worker may be applying another profile (the adapter came back): not in between its calls.
        std::lock_guard<std::timed_mutex> hold(adapterSteps_);
        ConnectToNetwork(&profile);
        SetNetIPInfo(AdapterDescription(), &profile);
    }
    ReadBaselines();
    return 0;
}

int32_t CConnectionSupervisor::ZeroControlEnabled() {
    std::lock_guard<std::mutex> hold(zeroControlCalls_);
    const int32_t answer = IsWindowsZeroControlEnabled();
    lastZeroControl_ = answer;
    return answer;
}

int32_t CConnectionSupervisor::EnableZeroControl(int32_t enable) {
    int32_t result;
    {
        std::lock_guard<std::mutex> hold(zeroControlCalls_);
        result = EnableWindowsZeroControl(enable);
    }
    RefreshZeroControlAnswer();  // the menu's text follows without asking on the window thread
    return result;
}

void CConnectionSupervisor::RefreshZeroControlAnswer() {
    if (refreshWatcher_) SetEvent(refreshWatcher_.get());
}

int32_t CConnectionSupervisor::CloseAdapterLink() {
    DisconnectToAdapter();
    return 0;
}

void CConnectionSupervisor::Shutdown(uint32_t boundMs) {
    if (stopWatcher_) SetEvent(stopWatcher_.get());
    if (worker_) SetEvent(worker_->cancel.get());
    const DWORD start = GetTickCount();
    // A worker in one of its waits stops at once; one inside a library call stops after it.
    WaitForWorkers(boundMs);
    const DWORD spent = GetTickCount() - start;
    std::unique_lock<std::timed_mutex> hold(adapterSteps_, std::defer_lock);
    (void)hold.try_lock_for(std::chrono::milliseconds(spent < boundMs ? boundMs - spent : 0));
    // Past the bound a worker stuck in a call is left to it: it makes no further call.
    linkClosed_ = true;
    CloseAdapterLink();
}

void CConnectionSupervisor::DecideAdhoc(WLAN_PROFILE& profile, IMonitorWindow* openedWindow) {
    if (ScanSiteInfo() == 0) {
        state_.currentSurvey = scanBuffer_;
        GetSiteInfo(scanBuffer_, sizeof scanBuffer_);
    }
    // Every scan buffer of the monitor has the same size; no survey yet counts as an empty one.
    const uint8_t* list = state_.currentSurvey;
    adhoc::DecideAssociationMode(profile, list, list ? WIFIAPI_SCAN_BUFFER_SIZE : 0);
    if (openedWindow) openedWindow->RefillSiteSurvey();
}

void CConnectionSupervisor::StartConnectWorker(WLAN_PROFILE* profile) {
    workerSlot_ = profile;
    std::shared_ptr<Worker> previous = std::move(worker_);
    if (previous) SetEvent(previous->cancel.get());
    if (linkClosed_) return;
    auto next = std::make_shared<Worker>();
    if (!next->cancel) return;
    ++runningWorkers_;
    auto* args = new WorkerArgs{this, &workerSlot_, next, std::move(previous), ++state_.connectRequests};
    // Suspended until its handle is stored: the next request may wait for it at once.
    next->thread.Reset(CreateThread(nullptr, 0, &ConnectWorkerEntry, args, CREATE_SUSPENDED, nullptr));
    if (!next->thread) {
        delete args;
        --runningWorkers_;
        return;
    }
    worker_ = next;
    ResumeThread(next->thread.get());
}

DWORD WINAPI CConnectionSupervisor::ConnectWorkerEntry(void* p) {
    std::unique_ptr<WorkerArgs> args(static_cast<WorkerArgs*>(p));
    CConnectionSupervisor* supervisor = args->supervisor;
    supervisor->RunConnectWorker(*args);
    args.reset();
    --supervisor->runningWorkers_;
    return 1;
}

void CConnectionSupervisor::RunConnectWorker(WorkerArgs& args) {
    const HANDLE cancel = args.self->cancel.get();
    if (args.previous) {
        // On this thread, never the window's: the cancelled worker stops before its next call.
        HANDLE either[2] = {args.previous->thread.get(), cancel};
        WaitForMultipleObjects(2, either, FALSE, PreviousWorkerWaitMs);
        args.previous.reset();
    }
    // The slot is read each time: a later request that rewrites it changes what this worker applies.
    std::atomic<WLAN_PROFILE*>& slot = *args.slot;
    if (!AdapterStep(cancel, [] { Disconnect(); })) return;
    if (monitor_platform::WaitOrCancel(1500, cancel)) return;
    if (!AdapterStep(cancel, [&] {
            ConnectToNetwork(slot.load());
            ReadBaselines();
        }))
        return;
    state_.connectIssued = args.request;
    state_.statisticsOffset = 0;
    state_.connectionStart = CounterNow();
    state_.lastStatisticsRead = 0;
    if (monitor_platform::WaitOrCancel(2000, cancel)) return;
    if (!AdapterStep(cancel, [&] { SetNetIPInfo(AdapterDescription(), slot.load()); })) return;
    inUseProfile_ = slot.load();
    // Timers belong to the window's own thread: the frame starts the page's refresh.
    if (frame_) PostMessageA(frame_, WM_CONNECT_FINISHED, 0, 0);
}

void CConnectionSupervisor::CloseGate() {
    ++gateEpoch_;
    ++gateClosed_;
}

void CConnectionSupervisor::OpenGate() {
    if (gateClosed_ > 0) --gateClosed_;
}

bool CConnectionSupervisor::StartWatcher() {
    if (watcherThreadId_ != 0) return false;
    stopWatcher_.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    refreshWatcher_.Reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    watcher_.Reset(CreateThread(nullptr, 0, &WatcherEntry, this, 0, &watcherThreadId_));
    return bool(watcher_);
}

DWORD WINAPI CConnectionSupervisor::WatcherEntry(void* self) {
    static_cast<CConnectionSupervisor*>(self)->RunWatcher();
    return 0;
}

void CConnectionSupervisor::RunWatcher() {
    // Nobody has asked yet (no profile to apply at start): the tray menu needs an answer.
    bool refresh = lastZeroControl_ < 0;
    for (;;) {
        const int32_t known = state_.zeroControlState;
        const uint32_t epoch = gateEpoch_;
        if (GateOpen() && zerocontrol::ShouldAsk(known)) {
            const int32_t answer = ZeroControlEnabled();
            // The frame applies the change on its own thread, where it cannot meet a switch half-done.
            if (zerocontrol::Compare(known, answer) != zerocontrol::Change::None && frame_ && !Signalled(stopWatcher_.get())) {
                SendMessageA(frame_, WM_WATCHER_REPORT, WPARAM(answer), LPARAM(epoch));
            }
        } else if (refresh) {
            ZeroControlEnabled();
        }
        HANDLE events[2] = {stopWatcher_.get(), refreshWatcher_.get()};
        const DWORD woke = WaitForMultipleObjects(2, events, FALSE, watcherPeriodMs_);
        if (woke == WAIT_OBJECT_0) return;
        refresh = woke == WAIT_OBJECT_0 + 1;
    }
}
