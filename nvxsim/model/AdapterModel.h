// AdapterModel.h - the simulated adapter: binding, OID state, association and the call journal.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "adapter/portable/Ndis.h"
#include "nvxsim/model/Scenario.h"

namespace nvxsim {

// Pseudo-OIDs naming the calls that are not OID requests, for the journal and for failure injection.
inline constexpr uint32_t CallConnect = 0xFFFF0001;
inline constexpr uint32_t CallCredentials = 0xFFFF0002;
inline constexpr uint32_t CallDisconnect = 0xFFFF0003;
inline constexpr uint32_t AnyOid = 0xFFFFFFFF;

inline constexpr uint32_t CredentialsSize = 276;

enum class CallKind : uint32_t { Set = 1, Query = 2, Credentials = 3, Connect = 4, Disconnect = 5 };

struct JournalEntry {
    CallKind kind;
    uint32_t oid;     // the OID, or one of the Call* pseudo-OIDs
    uint32_t length;  // the length the caller passed
    int32_t status;   // what the call answered
    std::vector<uint8_t> data;  // sets and credentials: the bytes passed
};

class AdapterModel {
public:
    explicit AdapterModel(Scenario scenario = DefaultScenario());

    int32_t Connect(const char* const* patterns, uint32_t count);
    void Disconnect();
    int32_t Query(uint32_t oid, uint8_t* buffer, uint32_t length, uint32_t* returned, uint64_t nowMs);
    int32_t Set(uint32_t oid, const uint8_t* buffer, uint32_t length, uint64_t nowMs);
    int32_t SetCredentials(const uint8_t* record, uint64_t nowMs);

    // Test control.
    void SetAdapterPresent(bool present);
    void FailNext(uint32_t oid, int32_t status, uint32_t times);
    void SetMediaOverride(std::optional<int32_t> status) { mediaOverride_ = status; }
    const std::vector<JournalEntry>& Journal() const { return journal_; }
    void ClearJournal() { journal_.clear(); }
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
    void Record(CallKind kind, uint32_t oid, const uint8_t* data, uint32_t length, int32_t status);
    int32_t DoQuery(uint32_t oid, uint8_t* buffer, uint32_t length, uint32_t* returned, uint64_t nowMs);
    int32_t DoSet(uint32_t oid, const uint8_t* buffer, uint32_t length, uint64_t nowMs);
    void Associate(uint64_t nowMs);
    bool Admits(const Network& network) const;
    bool KeyMatches(const Network& network) const;
    const Network* LinkedNetwork(uint64_t nowMs) const;

    Scenario scenario_;
    bool bound_ = false;
    std::vector<JournalEntry> journal_;
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
};

}  // namespace nvxsim
