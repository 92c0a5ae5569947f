// ConnectionSupervisor.h - binding and applying the current profile, the connect worker, the Zero Configuration watcher.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

#include "adapter/wifiapi.h"
#include "monitor/core/AppState.h"

class IMonitorWindow;

// Private frame messages the workers send or post.
inline constexpr UINT WM_WATCHER_REPORT = WM_APP + 0x10;   // wParam: the service's new answer
inline constexpr UINT WM_CONNECT_FINISHED = WM_APP + 0x11;  // a connect worker ended

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
    // Sets `profile.AssociationMode` to 0 (join a cell in range) or 2 (create one); refills the
    // Site Survey list when `openedWindow` is given.
    void DecideAdhoc(WLAN_PROFILE& profile, IMonitorWindow* openedWindow);
    // Drops the previous worker without waiting and starts one that applies `profile`.
    void StartConnectWorker(WLAN_PROFILE* profile);

    // The Zero Configuration exports, one caller at a time: the library keeps the adapter's
    // instance id between its steps, and the watcher asks while the user-interface thread does.
    int32_t ZeroControlEnabled();
    int32_t EnableZeroControl(int32_t enable);

    // The profile the Link Information page shows and the last connection applied.
    std::atomic<WLAN_PROFILE*>& InUseProfile() { return inUseProfile_; }
    std::atomic<WLAN_PROFILE*>& WorkerSlot() { return workerSlot_; }

    // Zero Configuration watcher: started once; a pass every `WatcherPeriodMs`.
    bool StartWatcher();
    DWORD WatcherThreadId() const { return watcherThreadId_; }
    // Closed around the frame's switch commands: the watcher skips its passes and the frame
    // ignores a report that was already under way. Neither side waits for the other.
    void CloseGate() { gateOpen_ = false; }
    void OpenGate() { gateOpen_ = true; }
    bool GateOpen() const { return gateOpen_; }

    static constexpr uint32_t WatcherPeriodMs = 2000;
    // Tests only: a shorter pass period.
    void SetWatcherPeriodForTests(uint32_t ms) { watcherPeriodMs_ = ms; }

private:
    struct WorkerArgs;
    static DWORD WINAPI ConnectWorkerEntry(void* args);
    static DWORD WINAPI WatcherEntry(void* self);
    void RunConnectWorker(std::atomic<WLAN_PROFILE*>& slot);
    void RunWatcher();
    void ReadBaselines();

    AppState& state_;
    HWND frame_ = nullptr;
    std::unique_ptr<WLAN_PROFILE> currentProfile_;
    std::atomic<WLAN_PROFILE*> inUseProfile_{nullptr};
    std::atomic<WLAN_PROFILE*> workerSlot_{nullptr};
    HANDLE worker_ = nullptr;  // the last connect worker, or none
    std::atomic<int> runningWorkers_{0};
    alignas(4) uint8_t scanBuffer_[WIFIAPI_SCAN_BUFFER_SIZE] = {};

    std::mutex zeroControlCalls_;  // never held across a message to the frame
    HANDLE watcher_ = nullptr;
    DWORD watcherThreadId_ = 0;
    HANDLE stopWatcher_ = nullptr;
    std::atomic<bool> gateOpen_{true};
    std::atomic<uint32_t> watcherPeriodMs_{WatcherPeriodMs};
};
