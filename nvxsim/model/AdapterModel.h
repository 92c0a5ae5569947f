// AdapterModel.h - the simulated adapter: binding, OID state, association and the call journal.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "adapter/portable/Ndis.h"
#include "nvxsim/model/Journal.h"
#include "nvxsim/model/Scenario.h"

namespace nvxsim {

inline constexpr uint32_t CredentialsSize = 276;

// Disconnect sets this SSID so that the driver leaves its network; nothing carries it.
inline constexpr const char* DummySsid = "ONRAT-QUILLMXVWRadio2";

class AdapterModel {
public:
    // `loadedAtMs`: the clock's time when the scenario was loaded; its timeline counts from there.
    explicit AdapterModel(Scenario scenario = DefaultScenario(), uint64_t loadedAtMs = 0);

    int32_t Connect(const char* const* patterns, uint32_t count, uint64_t nowMs);
    // Closes the binding; like a driver handle closing, the link stays as it is.
    void Disconnect();
    int32_t Query(uint32_t oid, uint8_t* buffer, uint32_t length, uint32_t* returned, uint64_t nowMs);
    int32_t Set(uint32_t oid, const uint8_t* buffer, uint32_t length, uint64_t nowMs);
    int32_t SetCredentials(const uint8_t* record, uint64_t nowMs);

    // Applies the timeline's items that are due at `nowMs` (every call does this first).
    void AdvanceTimeline(uint64_t nowMs);
    // When the next timeline item is due, if any.
    std::optional<uint64_t> NextTimelineMs() const;
    // How often the adapter came or went since the last call: each is a device-nodes-changed event.
    uint32_t TakeDeviceEvents();

    // Test control.
    void SetAdapterPresent(bool present);
    void FailNext(uint32_t oid, int32_t status, uint32_t times);
    void SetMediaOverride(std::optional<int32_t> status) { mediaOverride_ = status; }
    const std::vector<JournalEntry>& Journal() const { return journal_; }
    void ClearJournal() { journal_.clear(); }
    // Called with every entry as it is recorded (the journal file of other processes).
    void SetJournalObserver(std::function<void(const JournalEntry&)> observer) { observer_ = std::move(observer); }
    bool Bound() const { return bound_; }
    const Scenario& scenario() const { return scenario_; }

    // What the link looks like at `nowMs`; -1 when not associated.
    int AssociatedNetwork(uint64_t nowMs) const;

private:
    struct WepSlot {
        bool present = false;
        uint32_t keyLength = 0;
        std::array<uint8_t, 32> material{};
    };
    struct Link {
        int network = -1;         // index into the scenario, or OwnCell
        uint64_t readyAtMs = 0;   // association completes then
        uint64_t sinceMs = 0;
        Network cell;             // the ad hoc cell we started ourselves
    };
    static constexpr int OwnCell = 1 << 20;

    std::optional<int32_t> TakeInjected(uint32_t oid);
    std::optional<int32_t> Refuse(uint32_t oid, const uint8_t* buffer, uint32_t length);
    void Record(CallKind kind, uint32_t oid, const uint8_t* data, uint32_t length, int32_t status);
    int32_t DoQuery(uint32_t oid, uint8_t* buffer, uint32_t length, uint32_t* returned, uint64_t nowMs);
    int32_t DoSet(uint32_t oid, const uint8_t* buffer, uint32_t length, uint64_t nowMs);
    void Associate(uint64_t nowMs);
    void EndLink(uint64_t nowMs);
    void CompleteScan(uint64_t nowMs);
    void ApplyTimed(const TimedItem& item, uint64_t atMs);
    void AddNetwork(const Network& network, uint64_t atMs);
    void RemoveNetworks(const std::string& ssid, uint64_t atMs);
    uint64_t TrafficMs(uint64_t nowMs) const;
    bool Admits(const Network& network) const;
    bool KeyMatches(const Network& network) const;
    const Network* LinkedNetwork(uint64_t nowMs) const;

    Scenario scenario_;
    bool bound_ = false;
    std::vector<JournalEntry> journal_;
    std::function<void(const JournalEntry&)> observer_;
    struct Injected {
        uint32_t oid;
        int32_t status;
        uint32_t remaining;
    };
    std::vector<Injected> failures_;
    std::optional<int32_t> mediaOverride_;

    // Configured state, as the OIDs set it.
    ndis::Ssid ssid_{};
    uint32_t infrastructureMode_ = ndis::ModeInfrastructure;
    uint32_t authMode_ = ndis::AuthOpen;
    uint32_t encryption_ = ndis::EncDisabled;
    ndis::Configuration config_{};
    std::array<WepSlot, 4> wep_{};
    uint32_t transmitKey_ = 0;
    std::vector<uint8_t> credentials_;
    Link link_;
    uint64_t earlierTrafficMs_ = 0;  // link time of earlier links: the counters never go back

    // Scanning: the results of the last completed scan, as the driver delivers them.
    std::optional<uint64_t> scanDoneAtMs_;
    std::optional<uint64_t> boundAtMs_;  // background scans run from here while bound
    uint64_t heardAtMs_ = 0;             // when the list's scan completed
    std::vector<uint8_t> bssidList_;

    // The timeline and the plug-and-play changes it (or the test control) made.
    uint64_t loadedAtMs_ = 0;
    size_t nextTimed_ = 0;
    uint32_t deviceEvents_ = 0;
    bool deviceChanged_ = false;  // the adapter came or went since the last binding: requests answer 4
};

}  // namespace nvxsim
