// MonitorTestSupport.h - the monitor's code in a test process: recorded tray and waits, a fake
// monitor window, staged registry state, message pumping.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "adapter/wifiapi.h"
#include "monitor/core/MonitorWindow.h"
#include "monitor/core/Platform.h"
#include "adapter/Seams.h"

namespace monitor_test {

struct TrayCall {
    DWORD operation;
    HICON icon;
    std::string tip;
    DWORD at;  // GetTickCount when the shell was called
    UINT flags = 0;
    std::string infoTitle{}, info{};  // a balloon's, with NIF_INFO
    DWORD infoFlags = 0;
    bool IsBalloon() const { return (flags & NIF_INFO) != 0; }
};

// Replaces the monitor's and the adapter library's seams for the life of the object:
// tray calls are recorded, waits are recorded and skipped (or handed to `onWait`).
class Recorder {
public:
    Recorder();
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    std::vector<TrayCall> Tray() const;
    // The balloons among the tray calls.
    std::vector<TrayCall> Balloons() const;
    TrayCall LastTray() const;
    size_t TrayCount() const;
    std::vector<uint32_t> MonitorWaits() const;
    // Waits of the adapter library (its presence probe waits 500 ms on each call).
    size_t AdapterWaits() const;
    void ClearWaits();
    // Called on the waiting thread for each monitor wait, instead of returning at once; the second
    // form also gets the wait's cancel event (null for a plain wait). A wait reports itself
    // cancelled when that event is signalled once the hook returns.
    void OnMonitorWait(std::function<void(uint32_t)> hook);
    void OnMonitorWait(std::function<void(uint32_t, HANDLE)> hook);
    void SetProbeHost(const char* host);

private:
    monitor_platform::Platform previousMonitor_;
    seams::Platform previousAdapter_;
};

// The icon the frame shows for resource `id`, as the tray receives it.
HICON TrayIconHandle(unsigned id);

// What the frame asked of the monitor window.
struct WindowCalls {
    std::atomic<int> created{0}, runModal{0}, show{0}, hide{0}, reevaluate{0}, refill{0}, mark{0}, refresh{0};
    std::atomic<uint32_t> refreshPeriod{0};
    std::atomic<bool> lastUsable{false}, lastZeroControl{false}, lastBound{false};
};

class FakeWindow : public IMonitorWindow {
public:
    explicit FakeWindow(WindowCalls& calls) : calls_(calls) { ++calls_.created; }
    void RunModal() override { ++calls_.runModal; }
    void Show() override { ++calls_.show; }
    void Hide() override { ++calls_.hide; }
    void Reevaluate(const Reevaluation& r) override {
        calls_.lastUsable = r.usable;
        calls_.lastZeroControl = r.zeroControlInCharge;
        calls_.lastBound = r.adapterBound;
        ++calls_.reevaluate;
    }
    void RefillSiteSurvey() override { ++calls_.refill; }
    void MarkLinkInfoStatusView() override { ++calls_.mark; }
    void StartLinkInfoRefresh(uint32_t ms) override {
        calls_.refreshPeriod = ms;
        ++calls_.refresh;
    }

private:
    WindowCalls& calls_;
};

MonitorUi FakeUi(WindowCalls& calls);

// Removes the WM_QUIT an ended frame left in this thread's queue.
void DropQuit();
// Dispatches this thread's messages for `ms` milliseconds, or until `done` holds.
void Pump(DWORD ms, const std::function<bool()>& done = {});

// Registry: removes the monitor's keys (profiles, installer marks, staged interfaces).
void ClearRegistry();
void SetFirstStart(DWORD value);
DWORD ReadFirstStart();  // 0xFFFFFFFF when absent
// Writes `profile` and makes it the current profile.
void StoreCurrentProfile(const WLAN_PROFILE& profile);
// Writes the default site profile's key.
void StoreDefaultProfile();
WLAN_PROFILE OpenProfile(const char* name, const char* ssid, uint32_t channel = 6);

// The adapter as the Zero Configuration control finds it, with the service managing it or not.
class StagedAdapter {
public:
    StagedAdapter();
    ~StagedAdapter();
    void SetManaged(bool managed);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Loads a scenario text into the simulator; fails the test on a parse error.
void LoadScenario(const std::string& text);

// Eight networks of every security kind, one without an SSID, one ad hoc cell; signals far enough
// apart that the simulator's jitter of 2 dBm keeps their order. Scenario lines.
extern const char* const kEightNetworks;
// nvxsimReset and nvxsimAdvanceClock, keeping count of the simulator's clock.
void ResetSimulator();
void AdvanceClock(uint32_t ms);
// The simulator's RSSI jitter changes each second of its clock: moves its clock to the start of
// a second in which the jitter is 0, leaving about a second for the reads.
void AlignSignalJitter();

// A fresh simulator and registry (with the default site profile) for each test.
class MonitorFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ResetSimulator();
        ClearRegistry();
        StoreDefaultProfile();
        DropQuit();
    }
    void TearDown() override { ClearRegistry(); }
};

// Answers the message boxes this thread shows with the program's caption: keeps each box's
// caption and text and presses `answer` (IDYES, IDNO, IDOK, ...). One at a time.
class MessageBoxAnswerer {
public:
    struct Box {
        std::string caption, text;
    };
    explicit MessageBoxAnswerer(int answer);
    ~MessageBoxAnswerer();
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;
    void SetAnswer(int answer);
    std::vector<Box> Boxes() const;
    // The texts of the boxes shown, in order.
    std::vector<std::string> Texts() const;

private:
    HHOOK hook_;
};

// Runs `body` on this thread from the next message loop that turns (a modal one too), after
// `delayMs`: how a test acts inside a window's modal run.
void RunSoon(std::function<void()> body, UINT delayMs = 10);

// Runs `act` on the dialog `find` returns once its modal run has shown it: a modal run shows
// its dialog when it first has nothing else to do, which on a slow machine comes after the first
// timer. Looks again every 20 ms; past `tries` looks the test fails, and a dialog that was found
// but never shown is ended so that the test does not wait for it forever.
void WhenShown(std::function<HWND()> find, std::function<void(HWND)> act, int tries = 100);

// SSIDs set through OID_802_11_SSID, in journal order (the dummy SSID of Disconnect included).
std::vector<std::string> SsidSets();

}  // namespace monitor_test
