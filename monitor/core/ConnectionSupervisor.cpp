// ConnectionSupervisor.cpp - see ConnectionSupervisor.h.
#include "monitor/core/ConnectionSupervisor.h"

#include <cstring>

#include "adapter/RegKey.h"
#include "adapter/portable/AdhocDecision.h"
#include "monitor/core/MonitorWindow.h"
#include "monitor/core/Platform.h"
#include "monitor/core/portable/DeviceChange.h"
#include "monitor/core/portable/MonitorTexts.h"
#include "monitor/core/portable/ZeroControlWatch.h"

struct CConnectionSupervisor::WorkerArgs {
    CConnectionSupervisor* supervisor;
    std::atomic<WLAN_PROFILE*>* slot;
};

namespace {

bool IsAdhoc(const WLAN_PROFILE& p) { return p.AssociationMode == 0 || p.AssociationMode == 2; }

// Waits for `done` while still handing out messages sent to this thread's windows,
// so a worker inside SendMessage to the frame can finish.
template <typename Done>
void PumpUntil(Done done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!done() && GetTickCount() - start < timeoutMs) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_SENDMESSAGE);
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

}  // namespace

CConnectionSupervisor::CConnectionSupervisor(AppState& state) : state_(state) {}

CConnectionSupervisor::~CConnectionSupervisor() {
    // In the program the workers end with the process; a test's supervisor outlives none of them.
    if (watcher_) {
        SetEvent(stopWatcher_);
        PumpUntil([&] { return WaitForSingleObject(watcher_, 0) == WAIT_OBJECT_0; }, 10000);
        CloseHandle(watcher_);
        CloseHandle(stopWatcher_);
    }
    PumpUntil([&] { return runningWorkers_ == 0; }, 15000);
    if (worker_) CloseHandle(worker_);
    if (state_.currentProfile == currentProfile_.get()) state_.currentProfile = nullptr;
    const uint8_t* survey = scanBuffer_;
    state_.currentSurvey.compare_exchange_strong(survey, nullptr);
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

    CRegKey key;
    if (key.Open(HKEY_LOCAL_MACHINE, texts::ProfileKey, KEY_ALL_ACCESS) != ERROR_SUCCESS) return 0;
    char name[sizeof profile.ProfileName] = {};
    DWORD size = sizeof name;
    if (key.Query(texts::CurrentProfileValue, name, size) != ERROR_SUCCESS) return 0;
    // A value of 128 bytes without its NUL is cut to keep ProfileName a text.
    const size_t length = size < sizeof name ? size : sizeof name - 1;
    std::memcpy(profile.ProfileName, name, length);
    profile.ProfileName[length] = '\0';

    CRegKey subkey;
    if (subkey.Open(key.get(), profile.ProfileName, KEY_ALL_ACCESS) != ERROR_SUCCESS) return 0;
    ReadProfile(&profile);
    std::memcpy(state_.inUseProfileName, profile.ProfileName, sizeof state_.inUseProfileName);

    if (IsAdhoc(profile)) DecideAdhoc(profile, nullptr);
    if (ZeroControlEnabled() == 0) {
        ConnectToNetwork(&profile);
        SetNetIPInfo(AdapterDescription(), &profile);
    }
    ReadBaselines();
    return 0;
}

int32_t CConnectionSupervisor::ZeroControlEnabled() {
    std::lock_guard<std::mutex> hold(zeroControlCalls_);
    return IsWindowsZeroControlEnabled();
}

int32_t CConnectionSupervisor::EnableZeroControl(int32_t enable) {
    std::lock_guard<std::mutex> hold(zeroControlCalls_);
    return EnableWindowsZeroControl(enable);
}

int32_t CConnectionSupervisor::CloseAdapterLink() {
    DisconnectToAdapter();
    return 0;
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
    if (worker_) CloseHandle(worker_);  // dropped, neither waited for nor stopped
    worker_ = nullptr;
    workerSlot_ = profile;
    ++runningWorkers_;
    auto* args = new WorkerArgs{this, &workerSlot_};
    worker_ = CreateThread(nullptr, 0, &ConnectWorkerEntry, args, 0, nullptr);
    if (!worker_) {
        delete args;
        --runningWorkers_;
    }
}

DWORD WINAPI CConnectionSupervisor::ConnectWorkerEntry(void* p) {
    std::unique_ptr<WorkerArgs> args(static_cast<WorkerArgs*>(p));
    args->supervisor->RunConnectWorker(*args->slot);
    --args->supervisor->runningWorkers_;
    return 1;
}

void CConnectionSupervisor::RunConnectWorker(std::atomic<WLAN_PROFILE*>& slot) {
    // The slot is read each time: a later request that rewrites it changes what this worker applies.
    Disconnect();
    monitor_platform::SleepMs(1500);
    ConnectToNetwork(slot.load());
    ReadBaselines();
    state_.statisticsOffset = 0;
    state_.connectionStart = CounterNow();
    state_.lastStatisticsRead = 0;
    monitor_platform::SleepMs(2000);
    SetNetIPInfo(AdapterDescription(), slot.load());
    inUseProfile_ = slot.load();
    // Timers belong to the window's own thread: the frame starts the page's refresh.
    if (frame_) PostMessageA(frame_, WM_CONNECT_FINISHED, 0, 0);
}

bool CConnectionSupervisor::StartWatcher() {
    if (watcherThreadId_ != 0) return false;
    stopWatcher_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    watcher_ = CreateThread(nullptr, 0, &WatcherEntry, this, 0, &watcherThreadId_);
    return watcher_ != nullptr;
}

DWORD WINAPI CConnectionSupervisor::WatcherEntry(void* self) {
    static_cast<CConnectionSupervisor*>(self)->RunWatcher();
    return 0;
}

void CConnectionSupervisor::RunWatcher() {
    for (;;) {
        const int32_t known = state_.zeroControlState;
        if (gateOpen_ && zerocontrol::ShouldAsk(known)) {
            const int32_t answer = ZeroControlEnabled();
            // The frame applies the change on its own thread, where it cannot meet a switch half-done.
            if (zerocontrol::Compare(known, answer) != zerocontrol::Change::None && frame_) {
                SendMessageA(frame_, WM_WATCHER_REPORT, WPARAM(answer), 0);
            }
        }
        if (WaitForSingleObject(stopWatcher_, watcherPeriodMs_) == WAIT_OBJECT_0) return;
    }
}
