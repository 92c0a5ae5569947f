// The simulated nvxapi.dll as a program sees it: scanning through the OID exports, and the journal file.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "adapter/portable/Bytes.h"
#include "adapter/portable/Ndis.h"
#include "adapter/wifiapi.h"
#include "nvxsim/nvxsim.h"

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string TempPath(const char* name) {
    char dir[MAX_PATH];
    GetTempPathA(sizeof dir, dir);
    return std::string(dir) + name;
}

}  // namespace

TEST(Simulator, ScanDeliversTheListAfterTheScanTime) {
    nvxsimReset();
    char error[128];
    ASSERT_EQ(nvxsimLoadScenarioText("timing scan-ms=3000\n"
                                     "network ssid=One bssid=00:00:00:00:00:01\n"
                                     "network ssid=\"\" bssid=00:00:00:00:00:02 channel=14 security=wep wep-key=0102030405\n",
                                     error, sizeof error),
              0)
        << error;
    ASSERT_EQ(ConnectToAdapter(), 0);
    std::vector<uint8_t> list(WIFIAPI_SCAN_BUFFER_SIZE, 0xCC);
    ASSERT_EQ(GetOid(oid::BssidList, list.data(), uint32_t(list.size())), 0);
    EXPECT_EQ(LoadU32(list.data()), 0u) << "no scan yet";
    ASSERT_EQ(SetOid(oid::BssidListScan, nullptr, 0), 0);
    nvxsimAdvanceClock(3000);
    ASSERT_EQ(GetOid(oid::BssidList, list.data(), uint32_t(list.size())), 0);
    ASSERT_EQ(LoadU32(list.data()), 2u);
    const uint8_t* first = list.data() + 4;
    const uint8_t* second = first + LoadU32(first);
    EXPECT_EQ(LoadU32(first + offsetof(SITE_INFO, SsidLength)), 3u);
    EXPECT_EQ(LoadU32(second + offsetof(SITE_INFO, SsidLength)), 0u);
    EXPECT_EQ(LoadU32(second + offsetof(SITE_INFO, DSConfig)), 2484000u);
    EXPECT_EQ(LoadU32(second + offsetof(SITE_INFO, Privacy)), 1u);
    EXPECT_NE(GetOid(oid::BssidList, list.data(), 40), 0) << "too small for two entries";
}

TEST(Simulator, JournalFileFollowsTheCallsWithoutCredentialBytes) {
    const std::string path = TempPath("nvxsim_journal_test.txt");
    DeleteFileA(path.c_str());
    SetEnvironmentVariableA("NVXSIM_JOURNAL", path.c_str());
    nvxsimReset();  // a new adapter picks the file up
    ASSERT_EQ(ConnectToAdapter(), 0);
    const uint32_t mode = 1;
    SetOid(oid::InfrastructureMode, &mode, 4);
    uint8_t record[276] = {};
    StoreU32(record, 276);
    std::memcpy(record + 4, "secret-words", 12);
    nvxSet8021xCredentials(record);
    uint32_t state = 0;
    GetOid(oid::GenMediaConnectStatus, &state, 4);
    SetEnvironmentVariableA("NVXSIM_JOURNAL", nullptr);
    nvxsimReset();

    const std::string text = ReadFile(path);
    EXPECT_EQ(text,
              "connect FFFF0001 1 00000000 -\r\n"
              "set 0D010108 4 00000000 01000000\r\n"
              "credentials FFFF0002 276 00000000 -\r\n"
              "query 00010114 4 00000000 -\r\n");
    EXPECT_EQ(text.find("7365637265742D"), std::string::npos) << "no passphrase bytes";
    ConnectToAdapter();
    EXPECT_EQ(ReadFile(path), text) << "the journal file ends with the environment variable";
    DeleteFileA(path.c_str());
}

TEST(Simulator, GetConnectionStatusCanBeMadeToAnswerFourOrFive) {
    nvxsimReset();
    ASSERT_EQ(ConnectToAdapter(), 0);
    for (int32_t code : {4, 5}) {
        nvxsimFailNext(oid::GenMediaConnectStatus, code, 1);
        uint32_t state = 7;
        EXPECT_EQ(GetConnectionStatus(&state), code);
        EXPECT_EQ(state, 7u) << "nothing written";
        EXPECT_EQ(GetConnectionStatus(&state), 0) << "only the next query";
        EXPECT_EQ(state, 1u);
    }
}
