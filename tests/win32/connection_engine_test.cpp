// ConnectToNetwork, Disconnect and GetConnectionStatus against the simulated adapter's journal.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "adapter/portable/Ndis.h"
#include "adapter/wifiapi.h"
#include "nvxsim/model/Status.h"
#include "tests/win32/support/TestSupport.h"

using namespace testing_support;

namespace {

class ConnectionEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        nvxsimReset();
        ASSERT_EQ(ConnectToAdapter(), 0);
        nvxsimClearJournal();
    }
};

WLAN_PROFILE Profile(const char* ssid, uint32_t securityMode = 0, uint32_t associationMode = 1) {
    WLAN_PROFILE p{};
    std::snprintf(p.SSID, sizeof p.SSID, "%s", ssid);
    p.AssociationMode = associationMode;
    p.SecurityMode = securityMode;
    return p;
}

// The calls since the last clear, readable: "set 0D010118 =7", "query 0D010211 32", "credentials".
std::vector<std::string> Calls() {
    std::vector<std::string> out;
    for (const Call& c : Journal()) {
        char text[64];
        if (c.kind == NVXSIM_CREDENTIALS) std::snprintf(text, sizeof text, "credentials");
        else if (c.kind == NVXSIM_QUERY) std::snprintf(text, sizeof text, "query %08X %u", c.oid, c.length);
        else if (c.length == 4) std::snprintf(text, sizeof text, "set %08X =%u", c.oid, U32At(c.data, 0));
        else std::snprintf(text, sizeof text, "set %08X %u", c.oid, c.length);
        out.push_back(text);
    }
    return out;
}

std::string Set(uint32_t oid, uint32_t value) {
    char text[40];
    std::snprintf(text, sizeof text, "set %08X =%u", oid, value);
    return text;
}

const std::string kSsid = "set 0D010102 36";

Call Last(uint32_t oid) {
    Call found{};
    for (const Call& c : Journal())
        if (c.oid == oid) found = c;
    return found;
}

uint32_t MediaAfterAssociation() {
    nvxsimAdvanceClock(1000);  // past the simulator's association delay
    uint32_t state = 0xFF;
    EXPECT_EQ(GetConnectionStatus(&state), 0);
    return state;
}

std::vector<uint8_t> Record(uint32_t method, const char* identity, const char* secret, uint32_t inner) {
    std::vector<uint8_t> r(276, 0);
    r[0] = 276 & 0xFF;
    r[1] = 276 >> 8;
    std::memcpy(r.data() + 4, &method, 4);
    std::memcpy(r.data() + 8, identity, std::strlen(identity));
    std::memcpy(r.data() + 137, secret, std::strlen(secret));
    std::memcpy(r.data() + 268, &inner, 4);
    return r;
}

}  // namespace

TEST_F(ConnectionEngineTest, WepGivesTheTransmitKeyInIndexOrderAndAssociates) {
    for (const char* key : {"0A1B2C3D4E", "0a1b2c3d4e"}) {
        SCOPED_TRACE(key);
        nvxsimClearJournal();
        WLAN_PROFILE p = Profile("OldMill", 1);
        p.DefaultKeyId = 2;
        p.EncryptionLevel = 1;
        p.IsKeyHexed = 1;
        std::strcpy(p.WEPKey[2], key);
        std::strcpy(p.WEPKey[0], "FFFFFFFFFF");  // not the transmit key: never sent
        EXPECT_EQ(ConnectToNetwork(&p), 0);
        const uint32_t remove = oid::RemoveWep;
        const std::vector<std::string> expected = {Set(oid::InfrastructureMode, 1), Set(oid::AuthenticationMode, 0),
                                                   Set(remove, 0), Set(remove, 1), "set 0D010113 27", Set(remove, 3),
                                                   Set(oid::EncryptionStatus, 0), kSsid};
        EXPECT_EQ(Calls(), expected);
        const Call add = Last(oid::AddWep);
        EXPECT_EQ(U32At(add.data, 0), 27u);
        EXPECT_EQ(U32At(add.data, 4), 0x80000002u);
        EXPECT_EQ(U32At(add.data, 8), 5u);
        EXPECT_EQ(std::vector<uint8_t>(add.data.begin() + 12, add.data.end()),
                  (std::vector<uint8_t>{0x0A, 0x1B, 0x2C, 0x3D, 0x4E, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        EXPECT_EQ(MediaAfterAssociation(), ndis::MediaConnected);
        Disconnect();
    }
}

TEST_F(ConnectionEngineTest, PreSharedKeyCredentialsComeBeforeTheSecurityOids) {
    struct Case {
        const char* passphrase;
        uint32_t media;
    };
    for (const Case& c : {Case{"lantern-orchard-42", ndis::MediaConnected}, Case{"lantern-orchard-43", ndis::MediaDisconnected}}) {
        SCOPED_TRACE(c.passphrase);
        Disconnect();
        nvxsimClearJournal();
        WLAN_PROFILE p = Profile("Velmora-Home", 4);
        p.EncryptionLevel = 6;
        std::strcpy(p.PassPhrase, c.passphrase);
        EXPECT_EQ(ConnectToNetwork(&p), 0);
        EXPECT_EQ(Calls(), (std::vector<std::string>{Set(oid::InfrastructureMode, 1), "credentials",
                                                      Set(oid::AuthenticationMode, 7), Set(oid::EncryptionStatus, 7), kSsid}));
        std::vector<uint8_t> expected(276, 0);
        expected[0] = 276 & 0xFF;
        expected[1] = 276 >> 8;
        std::memcpy(expected.data() + 4, c.passphrase, std::strlen(c.passphrase));
        EXPECT_EQ(Journal(NVXSIM_CREDENTIALS).at(0).data, expected);
        EXPECT_EQ(MediaAfterAssociation(), c.media);
    }
}

TEST_F(ConnectionEngineTest, Dot1xCredentialsRecordByteByByte) {
    struct Case {
        const char* ssid;
        uint32_t securityMode, entAuthenType, innerAuthen;
        std::vector<uint8_t> record;
        uint32_t authMode, encryption;
        uint32_t media;
    };
    const Case cases[] = {
        {"Campus-Secure", 5, 1, 3, Record(1, "student", "exam-season", 3), 6, 7, ndis::MediaConnected},
        {"Campus-Secure", 5, 1, 4, Record(1, "student", "exam-season", 4), 6, 7, ndis::MediaConnected},
        {"Campus-Secure", 5, 1, 1, Record(1, "student", "exam-season", 4), 6, 7, ndis::MediaConnected},
        // The scenario's campus takes a password, not a certificate.
        {"Campus-Secure", 6, 2, 3, Record(2, "student", "CN=student", 0), 0, 0, ndis::MediaDisconnected},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.securityMode) + "/" + std::to_string(c.entAuthenType) + "/" + std::to_string(c.innerAuthen));
        Disconnect();
        nvxsimClearJournal();
        WLAN_PROFILE p = Profile(c.ssid, c.securityMode);
        p.EntAuthenType = c.entAuthenType;
        p.InnerAuthen = c.innerAuthen;
        p.EncryptionLevel = 6;
        std::strcpy(p.LoginName, "student");
        std::strcpy(p.LoginPassword, "exam-season");
        std::strcpy(p.UserCertHash, "CN=student");
        EXPECT_EQ(ConnectToNetwork(&p), 0);
        EXPECT_EQ(Calls(), (std::vector<std::string>{Set(oid::InfrastructureMode, 1), "credentials",
                                                      Set(oid::AuthenticationMode, c.authMode),
                                                      Set(oid::EncryptionStatus, c.encryption), kSsid}));
        EXPECT_EQ(Journal(NVXSIM_CREDENTIALS).at(0).data, c.record);
        EXPECT_EQ(MediaAfterAssociation(), c.media);
    }
}

TEST_F(ConnectionEngineTest, SsidLengthDecidesWhetherAnythingIsIssued) {
    WLAN_PROFILE p = Profile("");
    std::memset(p.SSID, 'S', 33);
    EXPECT_EQ(ConnectToNetwork(&p), 1);
    p = Profile("");
    EXPECT_EQ(ConnectToNetwork(&p), 1);
    EXPECT_EQ(ConnectToNetwork(nullptr), 1);
    EXPECT_TRUE(Journal().empty());

    p = Profile("");
    std::memset(p.SSID, 'S', 32);
    EXPECT_EQ(ConnectToNetwork(&p), 0);
    const Call ssid = Last(oid::Ssid);
    EXPECT_EQ(U32At(ssid.data, 0), 32u);
    EXPECT_EQ(std::string(ssid.data.begin() + 4, ssid.data.end()), std::string(32, 'S'));
}

TEST_F(ConnectionEngineTest, AdHocChannelIsSetOnlyForANewCell) {
    WLAN_PROFILE p = Profile("OwnCell", 0, 2);
    p.Channel = 11;
    EXPECT_EQ(ConnectToNetwork(&p), 0);
    const std::vector<std::string> calls = Calls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[0], Set(oid::InfrastructureMode, 0));
    EXPECT_EQ(calls[1], "query 0D010211 32");
    EXPECT_EQ(calls[2], "set 0D010211 32");
    const Call config = Last(oid::Configuration);
    EXPECT_EQ(U32At(config.data, 0), 32u);
    EXPECT_EQ(U32At(config.data, 4), 100u);
    EXPECT_EQ(U32At(config.data, 12), 2462000u);
    EXPECT_EQ(MediaAfterAssociation(), ndis::MediaConnected) << "the simulator starts our own cell";
    NETWORK_STATUS status;
    ASSERT_EQ(GetNetworkStatus(WIFIAPI_ADAPTER_XP, &status), 0);
    EXPECT_EQ(status.Channel, 11u);

    nvxsimClearJournal();
    p = Profile("PartyLine", 0, 0);
    EXPECT_EQ(ConnectToNetwork(&p), 0);
    for (const Call& c : Journal()) EXPECT_NE(c.oid, oid::Configuration) << "joining sets no configuration";
    EXPECT_EQ(Calls().front(), Set(oid::InfrastructureMode, 0));
    EXPECT_EQ(MediaAfterAssociation(), ndis::MediaConnected);
}

TEST_F(ConnectionEngineTest, RefusedCredentialsStopTheConnect) {
    WLAN_PROFILE p = Profile("Velmora-Home", 4, 2);
    p.Channel = 6;
    std::strcpy(p.PassPhrase, "lantern-orchard-42");
    nvxsimFailNext(NVXSIM_CALL_CREDENTIALS, nvxsim::StatusFailure, 1);
    EXPECT_EQ(ConnectToNetwork(&p), 1);
    EXPECT_EQ(Calls(), (std::vector<std::string>{Set(oid::InfrastructureMode, 0), "query 0D010211 32",
                                                  "set 0D010211 32", "credentials"}));
}

TEST_F(ConnectionEngineTest, DisconnectSetsTheDummySsidThenDisassociates) {
    EXPECT_EQ(Disconnect(), 0);
    const auto calls = Journal();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].oid, oid::Ssid);
    EXPECT_EQ(calls[0].length, 36u);
    EXPECT_EQ(U32At(calls[0].data, 0), 21u);
    std::string dummy(calls[0].data.begin() + 4, calls[0].data.end());
    EXPECT_EQ(dummy, std::string("ONRAT-QUILLMXVWRadio2") + std::string(11, '\0'));
    EXPECT_EQ(calls[1].oid, oid::Disassociate);
    EXPECT_EQ(calls[1].length, 0u);
    EXPECT_TRUE(calls[1].data.empty());

    nvxsimFailNext(oid::Ssid, nvxsim::StatusFailure, 1);
    nvxsimFailNext(oid::Disassociate, nvxsim::StatusInvalidData, 1);
    EXPECT_EQ(Disconnect(), nvxsim::StatusInvalidData) << "the result of the disassociation";
}

TEST_F(ConnectionEngineTest, ConnectionStatusReadsTheMediaState) {
    uint32_t state = 0xFF;
    EXPECT_EQ(GetConnectionStatus(&state), 0);
    EXPECT_EQ(state, ndis::MediaDisconnected);
    EXPECT_EQ(Journal().back().length, 4u);

    WLAN_PROFILE p = Profile("Corner Cafe");
    ASSERT_EQ(ConnectToNetwork(&p), 0);
    EXPECT_EQ(MediaAfterAssociation(), ndis::MediaConnected);
    Disconnect();
    EXPECT_EQ(GetConnectionStatus(&state), 0);
    EXPECT_EQ(state, ndis::MediaDisconnected);

    DisconnectToAdapter();
    EXPECT_EQ(GetConnectionStatus(&state), nvxsim::StatusAdapterNotReady);
    EXPECT_NE(GetConnectionStatus(nullptr), 0);
}

namespace {

// Every OID set takes real time, so sequences that overlap do interleave.
constexpr const char* kCrowdScenario =
    "adapter present=yes\n"
    "timing associate-ms=50 scan-ms=50 background-scan-ms=0 set-ms=2\n"
    "network ssid=Open bssid=00:14:6C:00:02:01 channel=1\n"
    "network ssid=Wep bssid=00:14:6C:00:02:02 channel=6 security=wep wep-key=0A1B2C3D4E\n"
    "network ssid=HomeA bssid=00:14:6C:00:02:03 channel=11 security=wpa2-ccmp passphrase=\"alpha-passphrase\"\n"
    "network ssid=HomeB bssid=00:14:6C:00:02:04 channel=3 security=wpa-tkip passphrase=\"bravo-passphrase\"\n";

std::vector<WLAN_PROFILE> CrowdProfiles() {
    std::vector<WLAN_PROFILE> profiles;
    profiles.push_back(Profile("Open"));
    WLAN_PROFILE wep = Profile("Wep", 1);
    wep.DefaultKeyId = 1;
    wep.EncryptionLevel = 1;
    wep.IsKeyHexed = 1;
    std::strcpy(wep.WEPKey[1], "0A1B2C3D4E");
    profiles.push_back(wep);
    WLAN_PROFILE homeA = Profile("HomeA", 4);
    homeA.EncryptionLevel = 6;
    std::strcpy(homeA.PassPhrase, "alpha-passphrase");
    profiles.push_back(homeA);
    WLAN_PROFILE homeB = Profile("HomeB", 2);
    homeB.EncryptionLevel = 5;
    std::strcpy(homeB.PassPhrase, "bravo-passphrase");
    profiles.push_back(homeB);
    WLAN_PROFILE cell = Profile("OwnCell", 0, 2);  // a new ad hoc cell: the channel's query and set too
    cell.Channel = 9;
    profiles.push_back(cell);
    return profiles;
}

bool SameCall(const Call& a, const Call& b) {
    return a.kind == b.kind && a.oid == b.oid && a.length == b.length && a.status == b.status && a.data == b.data;
}

// Splits the journal into whole sequences of the known profiles; the profiles' indexes in
// journal order, or nothing when some stretch is no profile's sequence (interleaved calls).
std::optional<std::vector<size_t>> WholeSequences(const std::vector<Call>& journal,
                                                  const std::vector<std::vector<Call>>& sequences) {
    std::vector<size_t> found;
    for (size_t at = 0; at < journal.size();) {
        size_t match = sequences.size();
        for (size_t p = 0; p < sequences.size() && match == sequences.size(); ++p) {
            const auto& s = sequences[p];
            if (at + s.size() <= journal.size() &&
                std::equal(s.begin(), s.end(), journal.begin() + std::ptrdiff_t(at), SameCall))
                match = p;
        }
        if (match == sequences.size()) return std::nullopt;
        found.push_back(match);
        at += sequences[match].size();
    }
    return found;
}

struct CrowdCall {
    HANDLE go;
    const WLAN_PROFILE* profile;
    int32_t result;
};

DWORD WINAPI CrowdConnect(void* p) {
    auto* call = static_cast<CrowdCall*>(p);
    WaitForSingleObject(call->go, INFINITE);
    call->result = ConnectToNetwork(call->profile);
    return 0;
}

std::string LinkedSsid() {
    ndis::Ssid ssid{};
    if (GetOid(oid::Ssid, &ssid, sizeof ssid) != 0 || ssid.SsidLength > 32) return "";
    return std::string(reinterpret_cast<const char*>(ssid.Ssid), ssid.SsidLength);
}

// The adapter reads back the modes and the cipher that `sequence` set last (a key-absent
// cipher reads as enabled once linked).
bool ConfiguredBy(const std::vector<Call>& sequence) {
    for (uint32_t which : {oid::InfrastructureMode, oid::AuthenticationMode, oid::EncryptionStatus}) {
        uint32_t set = 0xFF, read = 0xEE;
        for (const Call& c : sequence)
            if (c.kind == NVXSIM_SET && c.oid == which) set = U32At(c.data, 0);
        if (GetOid(which, &read, sizeof read) != 0) return false;
        if (which == oid::EncryptionStatus && (set == ndis::EncTkipKeyAbsent || set == ndis::EncAesKeyAbsent)) --set;
        if (set != read) return false;
    }
    return true;
}

}  // namespace

TEST_F(ConnectionEngineTest, ConcurrentConnectsEndLinkedToOneRequestWithItsOwnSettings) {
    char error[200] = {};
    ASSERT_EQ(nvxsimLoadScenarioText(kCrowdScenario, error, sizeof error), 0) << error;
    ASSERT_EQ(ConnectToAdapter(), 0);
    const std::vector<WLAN_PROFILE> profiles = CrowdProfiles();

    // Each profile's own sequence, issued alone: what a round's journal must be made of.
    std::vector<std::vector<Call>> sequences;
    for (const WLAN_PROFILE& p : profiles) {
        nvxsimClearJournal();
        ASSERT_EQ(ConnectToNetwork(&p), 0);
        sequences.push_back(Journal());
        nvxsimAdvanceClock(100);
        ASSERT_EQ(LinkedSsid(), p.SSID) << "alone, each profile links";
    }

    constexpr int kThreads = 20, kRounds = 10;
    int unlinked = 0, mixed = 0;
    const DWORD start = GetTickCount();
    for (int round = 0; round < kRounds; ++round) {
        nvxsimClearJournal();
        HANDLE go = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        ASSERT_NE(go, nullptr);
        std::vector<CrowdCall> calls(kThreads);
        std::vector<HANDLE> threads;
        for (int i = 0; i < kThreads; ++i) {
            calls[size_t(i)] = CrowdCall{go, &profiles[size_t(i) % profiles.size()], -1};
            HANDLE t = CreateThread(nullptr, 0, &CrowdConnect, &calls[size_t(i)], 0, nullptr);
            ASSERT_NE(t, nullptr);
            threads.push_back(t);
        }
        SetEvent(go);
        ASSERT_EQ(WaitForMultipleObjects(DWORD(threads.size()), threads.data(), TRUE, 30000), WAIT_OBJECT_0);
        for (HANDLE t : threads) CloseHandle(t);
        CloseHandle(go);
        for (const CrowdCall& c : calls) EXPECT_EQ(c.result, 0);

        const auto order = WholeSequences(Journal(), sequences);
        nvxsimAdvanceClock(100);  // past the association delay
        const std::string linked = LinkedSsid();
        size_t owner = profiles.size();
        for (size_t p = 0; p < profiles.size(); ++p)
            if (linked == profiles[p].SSID) owner = p;
        if (owner == profiles.size()) {
            ++unlinked;
        } else if (!order || order->size() != size_t(kThreads) || order->back() != owner ||
                   !ConfiguredBy(sequences[owner])) {
            ++mixed;  // linked, but the calls overlapped or a neighbour's settings stayed
        }
    }
    const DWORD perRound = (GetTickCount() - start) / kRounds;
    std::printf("%d threads, %d rounds: %d without a link, %d with overlapped calls or mixed settings; %lu ms/round\n",
                kThreads, kRounds, unlinked, mixed, static_cast<unsigned long>(perRound));
    EXPECT_EQ(unlinked, 0) << "every round ends linked to a requested network";
    EXPECT_EQ(mixed, 0) << "a round's calls are whole sequences, one per caller, and the link is the last one's";
}

namespace {

// Another caller holding the adapter: a thread of its own that takes the mutex by its name and
// keeps it until released, or ends holding it, as a caller that died mid-sequence does.
class CLockHolder {
public:
    explicit CLockHolder(bool dies) : dies_(dies) {
        taken_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        release_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        thread_ = CreateThread(nullptr, 0, &Entry, this, 0, nullptr);
        EXPECT_EQ(WaitForSingleObject(taken_, 2000), WAIT_OBJECT_0) << "the lock is free";
        if (dies_) {
            EXPECT_EQ(WaitForSingleObject(thread_, 5000), WAIT_OBJECT_0);
        }
    }
    ~CLockHolder() {
        SetEvent(release_);
        WaitForSingleObject(thread_, 5000);
        CloseHandle(thread_);
        CloseHandle(release_);
        CloseHandle(taken_);
    }
    CLockHolder(const CLockHolder&) = delete;
    CLockHolder& operator=(const CLockHolder&) = delete;

private:
    static DWORD WINAPI Entry(void* p) {
        auto* self = static_cast<CLockHolder*>(p);
        HANDLE mutex = CreateMutexA(nullptr, FALSE, AdapterLockName);
        if (!mutex || WaitForSingleObject(mutex, 1000) != WAIT_OBJECT_0) return 1;  // not free: a sequence kept it
        SetEvent(self->taken_);
        if (self->dies_) return 0;  // ends owning it: the mutex is abandoned
        WaitForSingleObject(self->release_, INFINITE);
        ReleaseMutex(mutex);
        CloseHandle(mutex);
        return 0;
    }

    bool dies_;
    HANDLE taken_ = nullptr, release_ = nullptr, thread_ = nullptr;
};

// The lock's waits, shortened to 300 ms; the bounds asked for are kept.
std::vector<DWORD> g_lockWaits;
DWORD WINAPI ShortLockWait(HANDLE handle, DWORD ms) {
    g_lockWaits.push_back(ms);
    return WaitForSingleObject(handle, ms < 300 ? ms : 300);
}

}  // namespace

TEST_F(ConnectionEngineTest, AHeldLockTimesOutWithTheUsualFailureAndNoOid) {
    seams::Platform platform = seams::Current();
    platform.waitForObject = &ShortLockWait;
    const seams::Platform previous = seams::Replace(platform);
    g_lockWaits.clear();
    {
        const CLockHolder other(false);
        WLAN_PROFILE p = Profile("Corner Cafe");
        const DWORD start = GetTickCount();
        EXPECT_EQ(ConnectToNetwork(&p), 1);
        EXPECT_EQ(Disconnect(), ndis::StatusFailure);
        EXPECT_GE(GetTickCount() - start, 2 * 300u - 40) << "each waited for the other caller";
        EXPECT_TRUE(Journal().empty()) << "nothing reaches the adapter without the lock";
    }
    seams::Replace(previous);
    ASSERT_EQ(g_lockWaits.size(), 2u);
    for (DWORD ms : g_lockWaits) EXPECT_NE(ms, INFINITE) << "a stuck caller must not hang the next one";
}

TEST_F(ConnectionEngineTest, TheLockOutlivesACallerThatDiedAndEveryPathReleasesIt) {
    {
        const CLockHolder died(true);
        WLAN_PROFILE p = Profile("Corner Cafe");
        EXPECT_EQ(ConnectToNetwork(&p), 0) << "an abandoned lock is taken over";
        EXPECT_EQ(MediaAfterAssociation(), ndis::MediaConnected);
    }
    struct Case {
        const char* what;
        int32_t (*run)();
        int32_t result;
    };
    const Case cases[] = {
        {"connect", [] { WLAN_PROFILE p = Profile("Corner Cafe"); return ConnectToNetwork(&p); }, 0},
        {"refused credentials",
         [] {
             WLAN_PROFILE p = Profile("Velmora-Home", 4);
             std::strcpy(p.PassPhrase, "lantern-orchard-42");
             nvxsimFailNext(NVXSIM_CALL_CREDENTIALS, nvxsim::StatusFailure, 1);
             return ConnectToNetwork(&p);
         },
         1},
        {"disconnect", [] { return Disconnect(); }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.run(), c.result);
        const CLockHolder next(false);
    }
}
