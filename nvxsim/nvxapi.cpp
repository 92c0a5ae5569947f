// nvxapi.cpp - the driver-access operations over the simulated adapter, and its test control.
#include <windows.h>
#include <dbt.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <mutex>
#include <sstream>
#include <string>

#include "nvxsim/model/AdapterModel.h"
#include "nvxsim/model/Journal.h"
#include "nvxsim/model/Status.h"
#include "nvxsim/nvxsim.h"

namespace {

DWORD WINAPI TimelineEntry(void*);

// One adapter per process, shared by every thread that calls in.
struct Simulator {
    std::mutex lock;
    HANDLE wake = nullptr;  // the timeline's thread looks at the clock again
    bool timelineRuns = false;
    std::unique_ptr<nvxsim::AdapterModel> model;
    std::string startupError;
    uint64_t clockOffsetMs = 0;
    uint64_t lastTick = 0;
    uint64_t tickHigh = 0;

    // GetTickCount widened past its 49-day wrap (XP has no GetTickCount64).
    uint64_t NowMs() {
        const uint64_t tick = GetTickCount();
        if (tick < lastTick) tickHigh += 1ull << 32;
        lastTick = tick;
        return tickHigh + tick + clockOffsetMs;
    }

    // Every model this process makes reports to the journal file, when one is named.
    void Install(const nvxsim::Scenario& scenario) {
        model = std::make_unique<nvxsim::AdapterModel>(scenario, NowMs());
        if (model->NextTimelineMs()) FollowTimeline();
        char path[MAX_PATH];
        const DWORD n = GetEnvironmentVariableA("NVXSIM_JOURNAL", path, sizeof path);
        if (n == 0 || n >= sizeof path) return;
        model->SetJournalObserver([file = std::string(path)](const nvxsim::JournalEntry& entry) {
            AppendLine(file, nvxsim::JournalLine(entry));
        });
    }

    // A thread applies the timeline's items when they are due, also while nobody calls in, and
    // broadcasts the device-nodes-changed event when the adapter comes or goes. Called under the lock.
    void FollowTimeline() {
        if (!wake) wake = CreateEventA(nullptr, FALSE, FALSE, nullptr);
        if (!timelineRuns && wake) {
            // Never joined: it waits for the next item, and ends with the process.
            if (HANDLE thread = CreateThread(nullptr, 0, &TimelineEntry, nullptr, 0, nullptr)) {
                CloseHandle(thread);
                timelineRuns = true;
            }
        }
        if (wake) SetEvent(wake);
    }

    // Opened per line and shared, so that another process can follow the file as it grows.
    static void AppendLine(const std::string& file, std::string line) {
        HANDLE h = CreateFileA(file.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) return;
        line += "\r\n";
        DWORD written = 0;
        WriteFile(h, line.data(), DWORD(line.size()), &written, nullptr);
        CloseHandle(h);
    }

    nvxsim::AdapterModel& Model() {
        if (!model) {
            nvxsim::Scenario scenario = nvxsim::DefaultScenario();
            char path[MAX_PATH];
            const DWORD n = GetEnvironmentVariableA("NVXSIM_SCENARIO", path, sizeof path);
            if (n > 0 && n < sizeof path) {
                std::ifstream file(path, std::ios::binary);
                std::stringstream text;
                text << file.rdbuf();
                nvxsim::ParseResult parsed = nvxsim::ParseScenario(text.str());
                if (!file)
                    startupError = std::string("cannot read ") + path, scenario.adapter.present = false;
                else if (!parsed.ok)
                    startupError = std::string(path) + ": " + parsed.error, scenario.adapter.present = false;
                else
                    scenario = parsed.scenario;
            }
            Install(scenario);
        }
        return *model;
    }
};

Simulator& Sim() {
    static Simulator sim;
    return sim;
}

DWORD WINAPI TimelineEntry(void*) {
    Simulator& sim = Sim();
    for (;;) {
        DWORD waitMs = INFINITE;
        uint32_t events = 0;
        {
            std::lock_guard guard(sim.lock);
            const uint64_t now = sim.NowMs();
            nvxsim::AdapterModel& model = sim.Model();
            model.AdvanceTimeline(now);
            events = model.TakeDeviceEvents();
            if (const auto next = model.NextTimelineMs()) waitMs = DWORD(std::min<uint64_t>(*next - now, 60000));
        }
        // As Windows does when a device is plugged in or out; posted, so no window holds this thread up.
        for (; events > 0; --events) PostMessageA(HWND_BROADCAST, WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0);
        WaitForSingleObject(sim.wake, waitMs);
    }
}

void CopyText(const std::string& text, char* out, uint32_t size) {
    if (!out || size == 0) return;
    std::snprintf(out, size, "%s", text.c_str());
}

int32_t LoadText(const std::string& text, char* error, uint32_t errorSize) {
    nvxsim::ParseResult parsed = nvxsim::ParseScenario(text);
    if (!parsed.ok) {
        CopyText(parsed.error, error, errorSize);
        return nvxsim::StatusInvalidData;
    }
    Simulator& sim = Sim();
    std::lock_guard guard(sim.lock);
    sim.Install(parsed.scenario);
    CopyText("", error, errorSize);
    return 0;
}

}  // namespace

extern "C" {

int32_t __cdecl nvxConnectByHardwareId(const char* const* patterns, uint32_t count, uint32_t, uint32_t) {
    Simulator& sim = Sim();
    std::lock_guard guard(sim.lock);
    return sim.Model().Connect(patterns, count, sim.NowMs());
}

int32_t __cdecl nvxIssueQueryOid(uint32_t oid, void* buffer, uint32_t length, uint32_t* returned) {
    Simulator& sim = Sim();
    std::lock_guard guard(sim.lock);
    return sim.Model().Query(oid, static_cast<uint8_t*>(buffer), length, returned, sim.NowMs());
}

int32_t __cdecl nvxIssueSetOid(uint32_t oid, const void* buffer, uint32_t length) {
    Simulator& sim = Sim();
    int32_t status = 0;
    uint32_t delayMs = 0;
    {
        std::lock_guard guard(sim.lock);
        status = sim.Model().Set(oid, static_cast<const uint8_t*>(buffer), length, sim.NowMs());
        delayMs = sim.Model().scenario().setDelayMs;
    }
    // Outside the lock: other callers go on meanwhile, as they do with a real driver.
    if (delayMs) Sleep(delayMs);
    return status;
}

int32_t __cdecl nvxSet8021xCredentials(const void* record) {
    Simulator& sim = Sim();
    std::lock_guard guard(sim.lock);
    return sim.Model().SetCredentials(static_cast<const uint8_t*>(record), sim.NowMs());
}

void __cdecl nvxDisconnect(void) {
    Simulator& sim = Sim();
    std::lock_guard guard(sim.lock);
    sim.Model().Disconnect();
}

void __cdecl nvxsimReset(void) {
    Simulator& sim = Sim();
    std::lock_guard guard(sim.lock);
    sim.Install(nvxsim::DefaultScenario());
    sim.clockOffsetMs = 0;
}

int32_t __cdecl nvxsimLoadScenarioText(const char* text, char* error, uint32_t errorSize) {
    return LoadText(text ? text : "", error, errorSize);
}

int32_t __cdecl nvxsimLoadScenarioFile(const char* path, char* error, uint32_t errorSize) {
    std::ifstream file(path ? path : "", std::ios::binary);
    if (!file) {
        CopyText(std::string("cannot read ") + (path ? path : "(null)"), error, errorSize);
        return nvxsim::StatusFailure;
    }
    std::stringstream text;
    text << file.rdbuf();
    return LoadText(text.str(), error, errorSize);
}

void __cdecl nvxsimStartupError(char* error, uint32_t errorSize) {
    Simulator& sim = Sim();
    std::lock_guard guard(sim.lock);
    sim.Model();
    CopyText(sim.startupError, error, errorSize);
}

void __cdecl nvxsimSetAdapterPresent(int32_t present) {
    Simulator& sim = Sim();
    std::lock_guard guard(sim.lock);
    sim.Model().SetAdapterPresent(present != 0);
    sim.Model().TakeDeviceEvents();  // the test sends the broadcast itself, if it wants one
}

void __cdecl nvxsimFailNext(uint32_t oid, int32_t status, uint32_t times) {
    Simulator& sim = Sim();
    std::lock_guard guard(sim.lock);
    sim.Model().FailNext(oid, status, times);
}

void __cdecl nvxsimForceMediaStatus(int32_t status) {
    Simulator& sim = Sim();
    std::lock_guard guard(sim.lock);
    sim.Model().SetMediaOverride(status < 0 ? std::nullopt : std::optional<int32_t>(status));
}

void __cdecl nvxsimAdvanceClock(uint32_t ms) {
    Simulator& sim = Sim();
    std::lock_guard guard(sim.lock);
    sim.clockOffsetMs += ms;
    if (sim.wake) SetEvent(sim.wake);  // items may be due now
}

int32_t __cdecl nvxsimIsBound(void) {
    Simulator& sim = Sim();
    std::lock_guard guard(sim.lock);
    return sim.Model().Bound() ? 1 : 0;
}

uint32_t __cdecl nvxsimJournalCount(void) {
    Simulator& sim = Sim();
    std::lock_guard guard(sim.lock);
    return uint32_t(sim.Model().Journal().size());
}

int32_t __cdecl nvxsimJournalEntry(uint32_t index, NVXSIM_CALL* call, uint8_t* data, uint32_t dataSize) {
    Simulator& sim = Sim();
    std::lock_guard guard(sim.lock);
    const auto& journal = sim.Model().Journal();
    if (index >= journal.size() || !call) return nvxsim::StatusInvalidData;
    const nvxsim::JournalEntry& e = journal[index];
    *call = NVXSIM_CALL{uint32_t(e.kind), e.oid, e.length, e.status, uint32_t(e.data.size())};
    if (data && dataSize) std::memcpy(data, e.data.data(), e.data.size() < dataSize ? e.data.size() : dataSize);
    return 0;
}

void __cdecl nvxsimClearJournal(void) {
    Simulator& sim = Sim();
    std::lock_guard guard(sim.lock);
    sim.Model().ClearJournal();
}

}  // extern "C"
