// Binding, OID pass-through, presence probe and instance lookup, on the simulated adapter and Wine's registry.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "adapter/DriverLink.h"
#include "adapter/portable/Ndis.h"
#include "adapter/wifiapi.h"
#include "nvxsim/model/Status.h"
#include "tests/win32/support/TestSupport.h"

using namespace testing_support;

namespace {

class DriverLinkTest : public ::testing::Test {
protected:
    void SetUp() override { nvxsimReset(); }
};

constexpr const char* kClassKey = driverlink::NetworkClassKey;

void AddInstance(const std::string& name, const char* componentId, const char* instanceId) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, (std::string(kClassKey) + "\\" + name).c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    if (componentId) RegSetValueExA(key, "ComponentId", 0, REG_SZ, (const BYTE*)componentId, DWORD(strlen(componentId) + 1));
    if (instanceId) RegSetValueExA(key, "NetCfgInstanceId", 0, REG_SZ, (const BYTE*)instanceId, DWORD(strlen(instanceId) + 1));
    RegCloseKey(key);
}

}  // namespace

TEST_F(DriverLinkTest, ConnectToAdapterBindsOnlyWhenTheDeviceIsThere) {
    EXPECT_EQ(ConnectToAdapter(), 0);
    EXPECT_EQ(nvxsimIsBound(), 1);
    auto connects = Journal(NVXSIM_CONNECT);
    ASSERT_EQ(connects.size(), 1u);
    EXPECT_EQ(connects[0].length, 1u) << "one pattern";

    EXPECT_EQ(DisconnectToAdapter(), 0);
    EXPECT_EQ(nvxsimIsBound(), 0);

    nvxsimSetAdapterPresent(0);
    EXPECT_NE(ConnectToAdapter(), 0);
    EXPECT_EQ(nvxsimIsBound(), 0);
}

TEST_F(DriverLinkTest, HardwareIdPatternSelectsTheAdapterFamilyOnly) {
    const struct {
        const char* id;
        bool binds;
    } cases[] = {
        {"PCI\\VEN_1E5A&DEV_0001&SUBSYS_00000000&REV_01", true},
        {"PCI\\VEN_1E5A&DEV_0002", true},
        {"USB\\VID_1D49&PID_5678", true},
        {"USB\\VID_1D49&PID_0002", true},
        {"PCI\\VEN_1E5A&DEV_0003&SUBSYS_00542914", false},
        {"USB\\VID_1D49&PID_5678&MI_00", false},
        {"XPCI\\VEN_1E5A&DEV_0002", false},
    };
    for (const auto& c : cases) {
        std::string scenario = std::string("adapter hardware-id=\"") + c.id + "\"\n";
        for (size_t at = 0; (at = scenario.find('\\', at)) != std::string::npos; at += 2) scenario.insert(at, "\\");
        char error[200];
        ASSERT_EQ(nvxsimLoadScenarioText(scenario.c_str(), error, sizeof error), 0) << error;
        EXPECT_EQ(ConnectToAdapter() == 0, c.binds) << c.id;
    }
}

TEST_F(DriverLinkTest, OidCallsPassThroughUnchanged) {
    ASSERT_EQ(ConnectToAdapter(), 0);
    nvxsimClearJournal();

    uint8_t big[64] = {};
    EXPECT_EQ(GetOid(oid::GenMediaConnectStatus, big, sizeof big), 0);
    EXPECT_EQ(big[0], ndis::MediaDisconnected);
    uint32_t small = 0;
    EXPECT_EQ(GetOid(oid::Ssid, &small, 3), nvxsim::StatusBufferTooShort) << "no retry with a larger buffer";
    EXPECT_EQ(GetOid(0x0D0102FF, big, 4), nvxsim::StatusNotSupported);

    uint32_t mode = ndis::ModeIbss;
    EXPECT_EQ(SetOid(oid::InfrastructureMode, &mode, 4), 0);
    EXPECT_EQ(SetOid(oid::Disassociate, nullptr, 0), 0);
    nvxsimFailNext(oid::AuthenticationMode, nvxsim::StatusFailure, 1);
    EXPECT_EQ(SetOid(oid::AuthenticationMode, &mode, 4), nvxsim::StatusFailure);

    auto calls = Journal();
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_EQ(calls[0].length, 64u);
    EXPECT_EQ(calls[1].length, 3u);
    EXPECT_EQ(calls[3].oid, oid::InfrastructureMode);
    EXPECT_EQ(U32At(calls[3].data, 0), ndis::ModeIbss);
    EXPECT_EQ(calls[4].oid, oid::Disassociate);
    EXPECT_EQ(calls[4].length, 0u);
    EXPECT_EQ(calls.size(), Journal(NVXSIM_QUERY).size() + Journal(NVXSIM_SET).size());

    mode = 0xFF;
    EXPECT_EQ(GetOid(oid::InfrastructureMode, &mode, 4), 0);
    EXPECT_EQ(mode, ndis::ModeIbss) << "a set is read back";

    DisconnectToAdapter();
    EXPECT_EQ(GetOid(oid::InfrastructureMode, &mode, 4), nvxsim::StatusAdapterNotReady);
}

TEST_F(DriverLinkTest, PresenceProbeMatchesOnlyAtTheStartOfADeviceName) {
    RecordedSleeps sleeps;
    {
        StagedDeviceName elsewhere("XYZ_PCI#VEN_1E5A&DEV_0002&SUBSYS_00542914#4&1");
        StagedDeviceName lower("pci#ven_1e5a&dev_0002&subsys_00542914#4&2");
        ASSERT_TRUE(elsewhere.ok());
        EXPECT_FALSE(driverlink::AdapterPresent());
        EXPECT_STREQ(driverlink::TargetComponentId(), "");
    }
    {
        StagedDeviceName device("PCI#VEN_1E5A&DEV_0002&SUBSYS_00542914&REV_01#4&2a1b#{ad498944-762f-11d0-8dcb-00c04fc3358c}");
        ASSERT_TRUE(device.ok());
        EXPECT_TRUE(driverlink::AdapterPresent());
        EXPECT_STREQ(driverlink::TargetComponentId(), driverlink::AdapterComponentId);
    }
    EXPECT_FALSE(driverlink::AdapterPresent());
    EXPECT_STREQ(driverlink::TargetComponentId(), driverlink::AdapterComponentId) << "never reset";
    EXPECT_EQ(sleeps.waits(), (std::vector<uint32_t>{500, 500, 500}));
}

TEST_F(DriverLinkTest, InstanceLookupMatchesComponentIdIgnoringCase) {
    RecordedSleeps sleeps;
    StagedDeviceName device("PCI#VEN_1E5A&DEV_0002&SUBSYS_00542914#1");
    ASSERT_TRUE(driverlink::AdapterPresent());
    const std::string base = std::string(kClassKey) + "\\";
    AddInstance("9990", "pci\\ven_1e5a&dev_0002&subsys_00542914", "{11111111-2222-3333-4444-555555555555}");
    AddInstance("9991", "PCI\\VEN_8086&DEV_1229", "{99999999-2222-3333-4444-555555555555}");
    AddInstance("9992", "PCI\\VEN_1E5A&DEV_0002&SUBSYS_00542914", "{AAAAAAAA-2222-3333-4444-555555555555}");
    AddInstance("9993", nullptr, nullptr);

    std::vector<std::string> seen;
    EXPECT_TRUE(driverlink::ForEachAdapterInstance([&] {
        seen.push_back(driverlink::AdapterInstanceId());
        return true;
    }));
    EXPECT_EQ(seen, (std::vector<std::string>{"{11111111-2222-3333-4444-555555555555}",
                                              "{AAAAAAAA-2222-3333-4444-555555555555}"}));

    seen.clear();
    driverlink::ForEachAdapterInstance([&] {
        seen.push_back(driverlink::AdapterInstanceId());
        return false;
    });
    EXPECT_EQ(seen.size(), 1u) << "the walk can stop at the first match";

    for (const char* n : {"9990", "9991", "9992", "9993"}) DeleteTree((base + n).c_str());
    EXPECT_FALSE(driverlink::ForEachAdapterInstance([] { return true; }));
}
