// ConnectionSupervisor.h - binding and applying the current profile, the connect worker, the Zero Configuration watcher.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

#include "adapter/wifiapi.h"
#include "monitor/core/AppState.h"
#include "monitor/ui/Handles.h"

class IMonitorWindow;

class CConnectionSupervisor {
public:
    explicit CConnectionSupervisor(AppState& state);
    ~CConnectionSupervisor();
    CConnectionSupervisor(const CConnectionSupervisor&) = delete;
    CConnectionSupervisor& operator=(const CConnectionSupervisor&) = delete;

    // The frame the workers report to.
    void SetFrame(HWND frame) { frame_ = frame; }

    // Binds the adapter and applies the profile named by CurProfile. Always 0.
    int32_t StartupBind();
    // DisconnectToAdapter; 0.
    int32_t CloseAdapterLink();
    // The program ends: cancels the connect worker and the watcher, waits at most `boundMs` for the
    // worker to stop, then closes the adapter link; no worker calls the library after that.
    void Shutdown(uint32_t boundMs = ShutdownWaitMs);
    // Sets `profile.AssociationMode` to 0 (join a cell in range) or 2 (create one); refills the
    // Site Survey list when `openedWindow` is given.
    void DecideAdhoc(WLAN_PROFILE& profile, IMonitorWindow* openedWindow);
    // The last request wins: cancels the running worker and starts one that applies `profile`
    // once the earlier one has stopped (it waits for that on its own thread, at most
    // `PreviousWorkerWaitMs`). One worker at a time talks to the adapter.
    void StartConnectWorker(WLAN_PROFILE* profile);
    // A connect worker is applying a profile (the link it drops on the way is the user's doing).
    bool ConnectWorkerRunning() const { return runningWorkers_ > 0; }

    // The Zero Configuration exports, one caller at a time: the library keeps the adapter's
    // instance id between its steps, and the watcher asks while the user-interface thread does.
    int32_t ZeroControlEnabled();
    int32_t EnableZeroControl(int32_t enable);
    // The last answer of IsWindowsZeroControlEnabled, whoever asked (-1 before the first), and a
    // request that the watcher ask afresh on its thread.
    int32_t LastZeroControlAnswer() const { return lastZeroControl_; }
    void RefreshZeroControlAnswer();

    // The profile the Link Information page shows and the last connection applied.
    std::atomic<WLAN_PROFILE*>& InUseProfile() { return inUseProfile_; }
    std::atomic<WLAN_PROFILE*>& WorkerSlot() { return workerSlot_; }

    // Zero Configuration watcher: started once; a pass every `WatcherPeriodMs`.
    bool StartWatcher();
    DWORD WatcherThreadId() const { return watcherThreadId_; }
    // Closed around the frame's switch commands, nesting: the watcher skips its passes and the
    // frame drops a report computed before the gate last closed. Neither side waits for the other.
    void CloseGate();
    void OpenGate();
    bool GateOpen() const { return gateClosed_ == 0; }
    uint32_t GateEpoch() const { return gateEpoch_; }

    static constexpr uint32_t WatcherPeriodMs = 2000;
    static constexpr uint32_t ShutdownWaitMs = 1000;
    static constexpr uint32_t PreviousWorkerWaitMs = 5000;
    // Tests only: a shorter pass period.
    void SetWatcherPeriodForTests(uint32_t ms) { watcherPeriodMs_ = ms; }

private:
    struct Worker;
    struct WorkerArgs;
    static DWORD WINAPI ConnectWorkerEntry(void* args);
    static DWORD WINAPI WatcherEntry(void* self);
    void RunConnectWorker(WorkerArgs& args);
    void RunWatcher();
    void ReadBaselines();
    // Runs `call` unless the worker was cancelled or the link closed; one caller at a time.
    template <typename Call>
    bool AdapterStep(HANDLE cancel, Call call);
    void WaitForWorkers(uint32_t ms);

    AppState& state_;
    HWND frame_ = nullptr;
    std::unique_ptr<WLAN_PROFILE> currentProfile_;
    std::atomic<WLAN_PROFILE*> inUseProfile_{nullptr};
    std::atomic<WLAN_PROFILE*> workerSlot_{nullptr};
    std::shared_ptr<Worker> worker_;  // the last connect worker, or none
    std::atomic<int> runningWorkers_{0};
    std::timed_mutex adapterSteps_;    // a worker's library call, and the closing of the link
    std::atomic<bool> linkClosed_{false};  // set at shut-down: no worker calls the library after it
    alignas(4) uint8_t scanBuffer_[WIFIAPI_SCAN_BUFFER_SIZE] = {};

    std::mutex zeroControlCalls_;  // never held across a message to the frame
    std::atomic<int32_t> lastZeroControl_{-1};
    CHandle watcher_;
    DWORD watcherThreadId_ = 0;
    CHandle stopWatcher_;
    CHandle refreshWatcher_;
    std::atomic<int> gateClosed_{0};
    std::atomic<uint32_t> gateEpoch_{0};
    std::atomic<uint32_t> watcherPeriodMs_{WatcherPeriodMs};
};
