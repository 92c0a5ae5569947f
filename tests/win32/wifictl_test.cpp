// wifictl.exe run as people and scripts run it: a child process, its output and its exit code.
// Each child has its own simulated adapter, so each command does its whole work in one run.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "adapter/portable/ProfileLayout.h"
#include "adapter/wifiapi.h"
#include "monitor/editor/portable/NewProfile.h"
#include "tests/support/EditorMadeProfiles.h"
#include "tests/support/JsonParser.h"
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

// Standard input for the child: a file holding `text`.
HANDLE InheritableInput(const std::string& text) {
    const std::string path = TempFile("wifictl_test_in.txt");
    std::ofstream(path, std::ios::binary) << text;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, &inherit, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
}

// Starts wifictl.exe with `arguments` and the scenario file (none: the built-in environment),
// with `input` as its standard input (none: the test's own).
ChildRun Wifictl(const std::string& arguments, const std::string& scenarioPath = "",
                 const std::optional<std::string>& input = std::nullopt) {
    ChildRun run;
    const std::string outPath = TempFile("wifictl_test_out.txt"), errPath = TempFile("wifictl_test_err.txt");
    HANDLE out = InheritableFile(outPath), err = InheritableFile(errPath);
    HANDLE in = input ? InheritableInput(*input) : GetStdHandle(STD_INPUT_HANDLE);
    EXPECT_NE(out, INVALID_HANDLE_VALUE);
    EXPECT_NE(in, INVALID_HANDLE_VALUE);
    SetEnvironmentVariableA("NVXSIM_SCENARIO", scenarioPath.empty() ? nullptr : scenarioPath.c_str());
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
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
    if (input) CloseHandle(in);
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

namespace {

// The "set" lines a child's simulated adapter has written to its journal file so far.
size_t JournalSets(const std::string& path) {
    size_t sets = 0;
    std::istringstream lines(ReadFile(path));
    for (std::string line; std::getline(lines, line);) sets += line.rfind("set ", 0) == 0;
    return sets;
}

bool PollFor(const std::function<bool()>& done, DWORD ms) {
    for (const DWORD start = GetTickCount(); !done(); Sleep(10))
        if (GetTickCount() - start > ms) return false;
    return true;
}

}  // namespace

TEST_F(WifictlTest, ConnectWaitsWhileAnotherProgramHoldsTheAdapter) {
    Store("Home", "Velmora-Home", "lantern-orchard-42");
    const std::string scenario = WriteScenario(kHome);
    const std::string journal = TempFile("wifictl_test_journal.txt");
    DeleteFileA(journal.c_str());
    // Another program in the middle of its sequence, holding the lock by its name.
    HANDLE lock = CreateMutexA(nullptr, FALSE, testing_support::AdapterLockName);
    ASSERT_NE(lock, nullptr);
    ASSERT_EQ(WaitForSingleObject(lock, 0), WAIT_OBJECT_0);

    SetEnvironmentVariableA("NVXSIM_JOURNAL", journal.c_str());
    ChildRun run;
    std::thread child([&] { run = Wifictl("connect Home --timeout-ms 5000", scenario); });
    const bool bound = PollFor([&] { return ReadFile(journal).rfind("connect ", 0) == 0; }, 10000);
    SetEnvironmentVariableA("NVXSIM_JOURNAL", nullptr);
    EXPECT_TRUE(bound) << "the child binds the adapter before it waits";
    Sleep(500);
    EXPECT_EQ(JournalSets(journal), 0u) << "its Disconnect waits for the other program";
    ReleaseMutex(lock);
    EXPECT_TRUE(PollFor([&] { return JournalSets(journal) == 2; }, 5000)) << "the dummy SSID, the disassociation";

    // The other program again, within the child's 1500 ms settle wait: its ConnectToNetwork waits too.
    EXPECT_EQ(WaitForSingleObject(lock, 1000), WAIT_OBJECT_0);
    Sleep(2000);
    EXPECT_EQ(JournalSets(journal), 2u);
    ReleaseMutex(lock);
    child.join();
    CloseHandle(lock);
    EXPECT_EQ(run.exitCode, 0u) << run.out << run.err;
    EXPECT_NE(run.out.find("Link up: \"Velmora-Home\""), std::string::npos) << run.out;
    EXPECT_GT(JournalSets(journal), 2u);
    EXPECT_GE(run.elapsedMs, 500u + 2000u);
    DeleteFileA(journal.c_str());
    DeleteFileA(scenario.c_str());
}

namespace {

std::string Quote(const std::vector<std::string>& args) {
    std::string line;
    for (const std::string& a : args) line += (line.empty() ? "\"" : " \"") + a + "\"";
    return line;
}

WLAN_PROFILE ReadBack(const std::string& name) {
    WLAN_PROFILE p{};
    std::memcpy(p.ProfileName, name.data(), name.size());
    EXPECT_EQ(ReadProfile(&p), 0) << name;
    return p;
}

bool Stored(const std::string& name) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, (kProfileKey + "\\" + name).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

}  // namespace

TEST_F(WifictlTest, AddedProfilesReadBackAsTheEditorMakesThem) {
    for (const editor_made::AddCase& c : editor_made::Cases()) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> args = {"add"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const std::string command = Quote(args);
        if (!c.secret.empty()) {
            EXPECT_EQ(command.find(c.secret), std::string::npos) << "never an argument";
        }
        const ChildRun run = Wifictl(command, "", c.secret + "\r\n");
        EXPECT_EQ(run.exitCode, 0u) << run.err;
        EXPECT_EQ(run.out, "Stored profile \"" + c.args[0] + "\".\n");
        if (!c.secret.empty()) {
            EXPECT_EQ(run.out.find(c.secret), std::string::npos);
            EXPECT_EQ(run.err.find(c.secret), std::string::npos);
        }
        const WLAN_PROFILE stored = ReadBack(c.args[0]), made = c.made();
        EXPECT_EQ(std::memcmp(&stored, &made, sizeof made), 0);

        // show says the secret is set and never shows it.
        const ChildRun show = Wifictl(Quote({"show", c.args[0]}));
        EXPECT_EQ(show.exitCode, 0u) << show.out << show.err;
        if (!c.secret.empty()) {
            EXPECT_EQ(show.out.find(c.secret), std::string::npos) << show.out;
        }
    }
}

TEST_F(WifictlTest, AddRefusesBadOptionsAndBadSecretsStoringNothing) {
    const struct {
        std::vector<std::string> args;
        const char* input;
        DWORD exitCode;
        const char* message;
    } cases[] = {
        {{"add", "Home", "--security", "wpa2", "--passphrase", "lantern-orchard-42"}, "", 2,
         "secrets are never taken as arguments"},
        {{"add", "Home", "--security", "wpa3"}, "", 2, "--security takes open, wep, wpa, wpa2, wpa-enterprise or radius"},
        {{"add", "Home", "--ip", "192.168.1.255", "--mask", "255.255.255.0"}, "", 2, "are set to 1"},
        {{"add", "Home", "--mode", "adhoc", "--security", "wpa"}, "", 2, "an ad hoc profile takes only"},
        {{"add", "Home", "--security", "wpa2"}, "short\r\n", 1, "Please enter the correct Passphrase"},
        {{"add", "Home", "--security", "wpa2"}, "caf\xE9-au-lait-42\r\n", 1, "Please enter the correct Passphrase"},
        {{"add", "Home", "--security", "wpa2"}, "", 1, "nothing on standard input"},
        {{"add", "Home", "--security", "wep", "--hex-key"}, "0A1B2C3D4\r\n", 1, "10 hexadecimal digits"},
    };
    for (const auto& c : cases) {
        const ChildRun run = Wifictl(Quote(c.args), "", std::string(c.input));
        EXPECT_EQ(run.exitCode, c.exitCode) << c.message << ": " << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("lantern"), std::string::npos);
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_FALSE(Stored("Home")) << c.message;
    }

    // A stored profile is overwritten only when asked to.
    Store("Home", "Velmora-Home", "lantern-orchard-42");
    ChildRun run = Wifictl(Quote({"add", "Home", "--ssid", "Other"}), "", std::string());
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_NE(run.err.find("a profile named \"Home\" is stored: add --replace to overwrite it"), std::string::npos);
    EXPECT_STREQ(ReadBack("Home").SSID, "Velmora-Home");
    run = Wifictl(Quote({"add", "Home", "--ssid", "Other", "--replace"}), "", std::string());
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    const WLAN_PROFILE replaced = ReadBack("Home");
    EXPECT_STREQ(replaced.SSID, "Other");
    EXPECT_STREQ(replaced.PassPhrase, "") << "an open profile keeps no passphrase";
}

TEST_F(WifictlTest, UseDeleteExportAndImport) {
    WLAN_PROFILE templateProfile{};
    ASSERT_TRUE(editor::NewProfile(templateProfile, "Default"));
    templateProfile.DhcpEnabled = 0;  // a static template has every value, addresses included
    ASSERT_EQ(WriteProfile(&templateProfile), 0);
    Store("Home", "Velmora-Home", "lantern-orchard-42");
    Store("Cafe", "Corner Cafe", "lantern-orchard-42");

    ChildRun run = Wifictl(Quote({"use", "Home"}));
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_EQ(run.out, "Current profile: \"Home\".\n");
    char current[128] = {};
    ASSERT_EQ(GetCurrentProfile(current), 0);
    EXPECT_STREQ(current, "Home");
    run = Wifictl(Quote({"use", "Nowhere"}));
    EXPECT_EQ(run.exitCode, 1u);

    run = Wifictl(Quote({"delete", "Home"}));
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_NE(run.err.find("\"Home\" is the current profile"), std::string::npos) << run.err;
    EXPECT_TRUE(Stored("Home"));
    run = Wifictl(Quote({"delete", "Cafe"}));
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_EQ(run.out, "Deleted profile \"Cafe\".\n");
    EXPECT_FALSE(Stored("Cafe"));
    run = Wifictl(Quote({"delete", "Cafe"}));
    EXPECT_EQ(run.exitCode, 1u);

    // A bare file name is the current folder's, not the Windows folder the private-profile calls would use.
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof folder, folder);
    const std::string file = std::string(folder) + "\\wifictl_test_export.ini";
    DeleteFileA(file.c_str());
    run = Wifictl(Quote({"export", "Home", "wifictl_test_export.ini"}));
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_EQ(GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES, true) << file;
    run = Wifictl(Quote({"export", "Nowhere", file}));
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_NE(run.err.find("no stored profile named \"Nowhere\""), std::string::npos) << run.err;

    // The same file imported: refused while "Home" is stored, unless replaced; under another name it is new.
    run = Wifictl(Quote({"import", file}));
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_NE(run.err.find("add --replace"), std::string::npos) << run.err;
    WritePrivateProfileStringA("WLAN Profile", "ProfileName", "Home Copy", file.c_str());
    run = Wifictl(Quote({"import", file}));
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_EQ(run.out, "Imported profile \"Home Copy\".\n");
    WLAN_PROFILE copy = ReadBack("Home Copy"), home = ReadBack("Home");
    std::memset(copy.ProfileName, 0, sizeof copy.ProfileName);
    std::strcpy(copy.ProfileName, "Home");
    EXPECT_EQ(std::memcmp(&copy, &home, sizeof home), 0);

    // A value out of its range: refused, nothing written, the new subkey not left behind.
    WritePrivateProfileStringA("WLAN Profile", "ProfileName", "Broken", file.c_str());
    WritePrivateProfileStringA("WLAN Profile", "DhcpEnabled", "+", file.c_str());
    run = Wifictl(Quote({"import", file}));
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_NE(run.err.find("out of its range"), std::string::npos) << run.err;
    EXPECT_FALSE(Stored("Broken"));

    run = Wifictl(Quote({"import", file + ".missing"}));
    EXPECT_EQ(run.exitCode, 1u);
    DeleteFileA(file.c_str());
}

TEST_F(WifictlTest, HelpForEveryCommandAndUsageFaults) {
    for (const char* verb : {"status", "survey", "connect", "disconnect", "profiles", "show", "add", "delete", "use",
                             "export", "import"}) {
        ChildRun run = Wifictl(std::string(verb) + " --help");
        EXPECT_EQ(run.exitCode, 0u) << verb;
        EXPECT_EQ(run.out.rfind(std::string("usage: wifictl ") + verb, 0), 0u) << run.out;
        run = Wifictl(std::string("help ") + verb);
        EXPECT_EQ(run.exitCode, 0u) << verb;
        EXPECT_EQ(run.out.rfind(std::string("usage: wifictl ") + verb, 0), 0u) << run.out;
    }
    const struct {
        const char* command;
        const char* message;
    } faults[] = {
        {"export Home", "export needs a file name"},
        {"survey --json=1", "--json takes no value"},
        {"status --wait-ms 5", "unknown option '--wait-ms' for status"},
        {"add Home --channel 6", "--channel goes only with --mode adhoc"},
    };
    for (const auto& f : faults) {
        const ChildRun run = Wifictl(f.command);
        EXPECT_EQ(run.exitCode, 2u) << f.command;
        EXPECT_NE(run.err.find(f.message), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("usage: wifictl"), std::string::npos) << run.err;
    }
}

TEST_F(WifictlTest, SurveyAndStatusJsonParse) {
    const std::string scenario = WriteScenario(
        "timing associate-ms=300 scan-ms=100\n"
        "network ssid=\"Velmora-Home\" bssid=00:14:6C:A1:22:33 channel=6 rssi=-48 security=wpa2-ccmp "
        "passphrase=\"lantern-orchard-42\"\n"
        "network ssid=\"say \\\"hi\\\" \\\\ \" bssid=00:14:6C:A1:22:34 channel=14 rssi=-70 security=wep "
        "wep-key=0A1B2C3D4E\n"
        "network ssid=\"\" bssid=00:14:6C:A1:22:35 channel=1 rssi=-100 security=open\n");
    ChildRun run = Wifictl("survey --json --wait-ms 300", scenario);
    ASSERT_EQ(run.exitCode, 0u) << run.err;
    auto doc = json_check::Parse(run.out);
    ASSERT_TRUE(doc) << run.out;
    const auto& networks = (*doc)["networks"].items;
    ASSERT_EQ(networks.size(), 3u) << run.out;
    EXPECT_EQ(networks[0]["ssid"].text, "Velmora-Home");
    EXPECT_EQ(networks[0]["security"].text, "WPA2-Personal AES");
    EXPECT_EQ(networks[1]["ssid"].text, "say \"hi\" \\ ");
    EXPECT_EQ(networks[1]["channel"].Integer(), 14);
    EXPECT_EQ(networks[2]["ssid"].text, "");
    EXPECT_EQ(networks[2]["signal_percent"].Integer(), 0);

    run = Wifictl("status --json", scenario);
    ASSERT_EQ(run.exitCode, 0u) << run.err;
    doc = json_check::Parse(run.out);
    ASSERT_TRUE(doc) << run.out;
    EXPECT_EQ((*doc)["state"].text, "disconnected");
    EXPECT_TRUE((*doc)["link"].IsNull());
    EXPECT_EQ((*doc)["mac_address"].text, "00-1E-5A-4B-20-11");
    EXPECT_EQ((*doc)["driver_version"].text, "5.3.0.41");
    DeleteFileA(scenario.c_str());
}

TEST_F(WifictlTest, CrowdedSurveyListsTheFirstNetworks) {
    std::string text = "timing associate-ms=100 scan-ms=100\n";
    for (int i = 0; i < 200; ++i) {
        char line[200];
        std::snprintf(line, sizeof line,
                      "network ssid=\"Office %03d Fourth Floor East Win\" bssid=00:1A:2B:00:%02X:%02X channel=%d "
                      "rssi=-60 security=open\n",
                      i, i / 256, i % 256, 1 + i % 13);
        text += line;
    }
    const std::string scenario = WriteScenario(text.c_str());
    const ChildRun run = Wifictl("survey --wait-ms 300", scenario);
    ASSERT_EQ(run.exitCode, 0u) << run.err;
    std::istringstream lines(run.out);
    std::string line;
    ASSERT_TRUE(std::getline(lines, line));
    int listed = 0;
    while (std::getline(lines, line)) {
        char expected[40];
        std::snprintf(expected, sizeof expected, "Office %03d Fourth Floor East Win", listed);
        ASSERT_EQ(line.rfind(expected, 0), 0u) << "in the driver's order: " << line;
        ++listed;
    }
    EXPECT_GT(listed, 50) << run.out;
    EXPECT_LT(listed, 100);
    DeleteFileA(scenario.c_str());
}

TEST_F(WifictlTest, StoredTextsWithControlSequencesArePrintedSafely) {
    Store("Evil\x1b[2J", "Cafe\x1b[31m", "lantern-orchard-42");
    ChildRun run = Wifictl("profiles");
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_EQ(run.out, "  Evil?[2J\n");
    run = Wifictl(Quote({"show", "Evil\x1b[2J"}));
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_NE(run.out.find("Profile:        \"Evil?[2J\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("SSID:           \"Cafe?[31m\""), std::string::npos) << run.out;
    for (const std::string& text : {run.out, run.err}) EXPECT_EQ(text.find('\x1b'), std::string::npos);
}

TEST_F(WifictlTest, ImportSaysWhatIsWrongWithTheFileAndTakesOnlyNamesANewProfileMayHave) {
    WLAN_PROFILE templateProfile{};
    ASSERT_TRUE(editor::NewProfile(templateProfile, "Default"));  // on DHCP: no addresses
    ASSERT_EQ(WriteProfile(&templateProfile), 0);
    const std::string file = TempFile("wifictl_test_import.ini");
    const struct {
        std::string contents;
        const char* message;
    } cases[] = {
        {"[Other]\r\nSSID=Lobby\r\n", "holds no profile (no section \"WLAN Profile\")"},
        {"[WLAN Profile]\r\nSSID=Lobby\r\n", "names no profile (no ProfileName in section \"WLAN Profile\")"},
        {"[WLAN Profile]\r\nProfileName=..\r\nSSID=Lobby\r\n", "names the profile \"..\", which cannot be used"},
        {"[WLAN Profile]\r\nProfileName=Home.\r\nSSID=Lobby\r\n", "names the profile \"Home.\", which cannot be used"},
        {"[WLAN Profile]\r\nProfileName=Evil\x1b[2J\r\nSSID=Lobby\r\n",
         "names the profile \"Evil?[2J\", which cannot be used"},
    };
    for (const auto& c : cases) {
        std::ofstream(file, std::ios::binary) << c.contents;
        const ChildRun run = Wifictl(Quote({"import", file}));
        EXPECT_EQ(run.exitCode, 1u) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\x1b'), std::string::npos);
        for (const char* name : {"..", "Home.", "Evil\x1b[2J"}) EXPECT_FALSE(Stored(name)) << name;
    }
    EXPECT_EQ(ReadBack("Default").DhcpEnabled, 1u) << "the template is not imported into";

    // A static profile exported, deleted and imported comes back with its addresses.
    const ChildRun added = Wifictl(Quote({"add", "Class A", "--ssid", "Harbour", "--ip", "10.0.0.20", "--gateway",
                                          "10.0.0.1", "--dns", "10.0.0.53"}),
                                   "", std::string());
    ASSERT_EQ(added.exitCode, 0u) << added.err;
    const WLAN_PROFILE before = ReadBack("Class A");
    ChildRun run = Wifictl(Quote({"export", "Class A", file}));
    ASSERT_EQ(run.exitCode, 0u) << run.err;
    ASSERT_EQ(Wifictl(Quote({"delete", "Class A"})).exitCode, 0u);
    run = Wifictl(Quote({"import", file}));
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_EQ(run.out, "Imported profile \"Class A\".\n");
    const WLAN_PROFILE after = ReadBack("Class A");
    EXPECT_EQ(std::memcmp(&after, &before, sizeof after), 0);
    run = Wifictl(Quote({"show", "Class A"}));
    EXPECT_NE(run.out.find("IP address:     10.0.0.20\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("DNS servers:    10.0.0.53, 0.0.0.0\n"), std::string::npos) << run.out;

    // Names a new profile cannot have are refused by add as well, without the control bytes.
    for (const char* name : {"..", "Home.", "Evil\x1b[2J"}) {
        run = Wifictl(Quote({"add", name, "--ssid", "Cafe"}), "", std::string());
        EXPECT_EQ(run.exitCode, 2u) << name;
        EXPECT_NE(run.err.find("cannot be a profile name"), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\x1b'), std::string::npos);
        EXPECT_FALSE(Stored(name)) << name;
    }
    DeleteFileA(file.c_str());
}

TEST_F(WifictlTest, ShowOfAnAdHocProfileGivesItsChannelAndNetworkMode) {
    const ChildRun added = Wifictl(
        Quote({"add", "Party", "--ssid", "PartyLine", "--mode", "adhoc", "--channel", "3", "--network-mode", "g-only"}),
        "", std::string());
    ASSERT_EQ(added.exitCode, 0u) << added.err;
    const ChildRun run = Wifictl(Quote({"show", "Party"}));
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_NE(run.out.find("Channel:        3\nNetwork mode:   G-Only Mode\n"), std::string::npos) << run.out;
}
