// wifictl.exe run as people and scripts run it: a child process, its output and its exit code.
// Each child has its own simulated adapter, so each command does its whole work in one run.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "adapter/portable/ProfileLayout.h"
#include "adapter/wifiapi.h"
#include "tests/win32/support/TestSupport.h"

namespace {

std::string Folder(const char* path) {
    const std::string p(path);
    return p.substr(0, p.find_last_of("\\/") + 1);
}

std::string OwnFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return Folder(path);
}

std::string TempFile(const char* name) {
    char dir[MAX_PATH] = {};
    GetTempPathA(sizeof dir, dir);
    return std::string(dir) + name;
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string WithoutCarriageReturns(std::string text) {
    std::erase(text, '\r');
    return text;
}

struct ChildRun {
    DWORD exitCode = 0xFFFFFFFF;
    std::string out, err;
    DWORD elapsedMs = 0;
};

HANDLE InheritableFile(const std::string& path) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

// Starts wifictl.exe with `arguments` and the scenario file (none: the built-in environment).
ChildRun Wifictl(const std::string& arguments, const std::string& scenarioPath = "") {
    ChildRun run;
    const std::string outPath = TempFile("wifictl_test_out.txt"), errPath = TempFile("wifictl_test_err.txt");
    HANDLE out = InheritableFile(outPath), err = InheritableFile(errPath);
    EXPECT_NE(out, INVALID_HANDLE_VALUE);
    SetEnvironmentVariableA("NVXSIM_SCENARIO", scenarioPath.empty() ? nullptr : scenarioPath.c_str());
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    std::string command = "\"" + OwnFolder() + "wifictl.exe\" " + arguments;
    const DWORD start = GetTickCount();
    const BOOL started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                        &startup, &process);
    SetEnvironmentVariableA("NVXSIM_SCENARIO", nullptr);
    CloseHandle(out);
    CloseHandle(err);
    EXPECT_TRUE(started) << GetLastError();
    if (!started) return run;
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    run.elapsedMs = GetTickCount() - start;
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    // The C runtime writes text mode: line ends are CR LF on Windows.
    run.out = WithoutCarriageReturns(ReadFile(outPath));
    run.err = WithoutCarriageReturns(ReadFile(errPath));
    DeleteFileA(outPath.c_str());
    DeleteFileA(errPath.c_str());
    return run;
}

std::string WriteScenario(const char* text) {
    const std::string path = TempFile("wifictl_test_scenario.txt");
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

const std::string kProfileKey = std::string(profile::KeyPath);

class WifictlTest : public ::testing::Test {
protected:
    void SetUp() override { testing_support::DeleteTree(kProfileKey.c_str()); }
    void TearDown() override { testing_support::DeleteTree(kProfileKey.c_str()); }

    static void Store(const char* name, const char* ssid, const char* passphrase) {
        WLAN_PROFILE p{};
        std::strcpy(p.ProfileName, name);
        std::strcpy(p.SSID, ssid);
        p.AssociationMode = 1;
        p.Channel = 6;
        p.TxRate = 54;
        p.DhcpEnabled = 1;
        p.SecurityMode = 4;  // WPA2-Personal
        p.EncryptionLevel = 6;
        std::strcpy(p.PassPhrase, passphrase);
        ASSERT_EQ(WriteProfile(&p), 0);
    }
};

constexpr const char* kHome =
    "timing associate-ms=300 scan-ms=100\n"
    "network ssid=\"Velmora-Home\" bssid=00:14:6C:A1:22:33 channel=6 rssi=-48 security=wpa2-ccmp "
    "passphrase=\"lantern-orchard-42\"\n";

}  // namespace

TEST_F(WifictlTest, SurveyListsTheBuiltInEnvironment) {
    const ChildRun run = Wifictl("survey --wait-ms 1600");
    ASSERT_EQ(run.exitCode, 0u) << run.err;
    const struct {
        const char* mac;
        const char* ssid;
        const char* channel;
        const char* security;
        const char* type;
    } rows[] = {
        {"00-14-6C-A1-22-33", "Velmora-Home", " 6", "WPA2-Personal AES", "infrastructure"},
        {"00-1B-2F-10-44-01", "Harbour Office", " 1", "WPA-Personal TKIP", "infrastructure"},
        {"00-0F-66-3C-9A-10", "OldMill", "11", "WEP", "infrastructure"},
        {"00-13-10-55-66-77", "Corner Cafe", " 3", "open", "infrastructure"},
        {"00-17-0F-21-31-41", "Campus-Secure", " 9", "WPA2-Enterprise AES", "infrastructure"},
        {"00-1D-7E-01-02-03", "(hidden)", " 4", "WPA/WPA2-Personal AES", "infrastructure"},
        {"00-21-91-AB-CD-EF", "Lighthouse", "14", "WPA-Personal AES", "infrastructure"},
        {"02-3A-11-22-33-44", "PartyLine", " 2", "open", "ad hoc"},
        {"00-0B-86-30-11-05", "Riverside Library", " 5", "WPA-Enterprise TKIP", "infrastructure"},
        {"00-18-39-7A-01-07", "Bakery Guest", " 7", "open", "infrastructure"},
        {"00-40-96-12-34-08", "Station Kiosk", " 8", "WEP", "infrastructure"},
        {"00-1F-33-C4-5D-0A", "Atelier Nord", "10", "WPA2-Personal AES", "infrastructure"},
        {"00-0C-41-9E-77-0C", "Ferry Terminal", "12", "WEP", "infrastructure"},
        {"00-22-6B-55-0D-0D", "Hilltop Mesh", "13", "WPA/WPA2-Personal AES", "infrastructure"},
    };
    std::istringstream lines(run.out);
    std::string line;
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_EQ(line.rfind("SSID", 0), 0u) << line;
    for (const auto& r : rows) {
        ASSERT_TRUE(std::getline(lines, line)) << r.ssid;
        SCOPED_TRACE(line);
        EXPECT_EQ(line.rfind(r.ssid, 0), 0u);
        EXPECT_EQ(line.substr(34, 2), r.channel);
        EXPECT_NE(line.find(r.security), std::string::npos);
        EXPECT_NE(line.find(r.type), std::string::npos);
        EXPECT_EQ(line.substr(line.size() - 17), r.mac);
        EXPECT_NE(line.find('%'), std::string::npos);
    }
    EXPECT_FALSE(std::getline(lines, line)) << "nothing more: " << line;
}

TEST_F(WifictlTest, ConnectBringsTheLinkUpOnlyWithTheRightPassphrase) {
    Store("Home", "Velmora-Home", "lantern-orchard-42");
    Store("Home Typo", "Velmora-Home", "lantern-orchard-24");
    const std::string scenario = WriteScenario(kHome);

    ChildRun run = Wifictl("connect Home --timeout-ms 5000", scenario);
    EXPECT_EQ(run.exitCode, 0u) << run.out << run.err;
    EXPECT_NE(run.out.find("Connecting to \"Velmora-Home\" with profile \"Home\"..."), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Link up: \"Velmora-Home\", channel 6"), std::string::npos) << run.out;
    EXPECT_GE(run.elapsedMs, 1500u + 300u) << "settle wait, then the association delay";

    run = Wifictl("connect \"Home Typo\" --timeout-ms 1000", scenario);
    EXPECT_EQ(run.exitCode, 1u) << run.out << run.err;
    EXPECT_EQ(run.out.find("Link up"), std::string::npos);
    EXPECT_NE(run.err.find("the link did not come up within 1000 ms"), std::string::npos) << run.err;
    EXPECT_GE(run.elapsedMs, 1500u + 1000u);
    for (const std::string& text : {run.out, run.err}) EXPECT_EQ(text.find("lantern"), std::string::npos);

    run = Wifictl("connect Nowhere", scenario);
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_NE(run.err.find("no stored profile named \"Nowhere\""), std::string::npos) << run.err;
    DeleteFileA(scenario.c_str());
}

TEST_F(WifictlTest, ProfilesAndShowNeverPrintSecrets) {
    Store("Home", "Velmora-Home", "lantern-orchard-42");
    Store("Cafe", "Corner Cafe", "");
    ASSERT_EQ(SetCurrentProfile("Home"), 0);

    ChildRun run = Wifictl("profiles");
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_EQ(run.out, "  Cafe\n* Home\n");

    run = Wifictl("show Home");
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_NE(run.out.find("SSID:           \"Velmora-Home\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Passphrase:     set (not shown)"), std::string::npos);
    EXPECT_EQ(run.out.find("lantern"), std::string::npos);

    testing_support::DeleteTree(kProfileKey.c_str());
    run = Wifictl("profiles");
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.out, "No profiles stored.\n");
}

TEST_F(WifictlTest, StatusDisconnectAndUsage) {
    const std::string scenario = WriteScenario(kHome);
    ChildRun run = Wifictl("status", scenario);
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_EQ(run.out.rfind("State:          disconnected\n", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("MAC address:    00-1E-5A-4B-20-11\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Driver version: 5.3.0.41\n"), std::string::npos) << run.out;

    run = Wifictl("disconnect", scenario);
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_EQ(run.out, "Disconnected.\n");

    const std::string absent = WriteScenario("adapter present=no\n");
    for (const char* command : {"status", "survey --wait-ms 0", "disconnect"}) {
        run = Wifictl(command, absent);
        EXPECT_EQ(run.exitCode, 1u) << command;
        EXPECT_NE(run.err.find("no adapter found"), std::string::npos) << command << ": " << run.err;
    }

    run = Wifictl("frobnicate");
    EXPECT_EQ(run.exitCode, 2u);
    EXPECT_NE(run.err.find("unknown command 'frobnicate'"), std::string::npos);
    EXPECT_NE(run.err.find("usage: wifictl"), std::string::npos);
    run = Wifictl("");
    EXPECT_EQ(run.exitCode, 2u);
    run = Wifictl("help");
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.out.rfind("usage: wifictl", 0), 0u);
    DeleteFileA(scenario.c_str());
    DeleteFileA(absent.c_str());
}
