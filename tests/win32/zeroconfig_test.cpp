// Handing the adapter to "WZCSVC" and back, with Wine's service control manager running our service double.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <string>
#include <vector>

#include "adapter/DriverLink.h"
#include "adapter/Seams.h"
#include "adapter/ServiceControl.h"
#include "adapter/portable/ZeroConfigValues.h"
#include "adapter/wifiapi.h"
#include "tests/win32/support/TestSupport.h"

using namespace testing_support;

namespace {

constexpr const char* kDevice =
    "PCI#VEN_1E5A&DEV_0002&SUBSYS_00542914&REV_01#4&2a1b#{ad498944-762f-11d0-8dcb-00c04fc3358c}";
constexpr const char* kInstanceA = "{7A11C0DE-0000-4000-8000-00000000000A}";
constexpr const char* kInstanceB = "{7A11C0DE-0000-4000-8000-00000000000B}";
constexpr const char* kOtherInstance = "{7A11C0DE-0000-4000-8000-0000000000FF}";
constexpr const char* kFolder = "C:\\velmora-tests";
constexpr const char* kServiceExe = "C:\\velmora-tests\\wzcsvc_double.exe";
constexpr const char* kChildVariable = "VELMORA_ZEROCONFIG_CHILD";
constexpr DWORD kOldFlags = 0x12345678, kOldLayout = 99;

const std::string kClassKey = std::string(driverlink::NetworkClassKey) + "\\";
const std::string kClassSubkeys[] = {kClassKey + "9980", kClassKey + "9981", kClassKey + "9982"};

std::string InterfaceKey(const char* instance) { return std::string(zeroconfig::InterfacesKey) + instance; }

// --- the service, driven by the test itself ---

class CScm {
public:
    CScm() : handle_(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS)) {}
    ~CScm() {
        if (handle_) CloseServiceHandle(handle_);
    }
    SC_HANDLE get() const { return handle_; }

private:
    SC_HANDLE handle_;
};

class CSvc {
public:
    explicit CSvc(SC_HANDLE h) : handle_(h) {}
    CSvc() : CSvc(OpenServiceA(CScm().get(), zeroconfig::ServiceName, SERVICE_ALL_ACCESS)) {}
    ~CSvc() {
        if (handle_) CloseServiceHandle(handle_);
    }
    SC_HANDLE get() const { return handle_; }

private:
    SC_HANDLE handle_;
};

DWORD ServiceState() {
    CSvc svc;
    SERVICE_STATUS status{};
    return svc.get() && QueryServiceStatus(svc.get(), &status) ? status.dwCurrentState : 0;
}

bool WaitForState(DWORD wanted, DWORD limitMs = 10000) {
    for (DWORD waited = 0; waited < limitMs; waited += 10) {
        if (ServiceState() == wanted) return true;
        ::Sleep(10);
    }
    return ServiceState() == wanted;
}

// Brings the service to stopped whatever its mode: a plain stop first, then
// the release event for a double that refuses or hangs (the event never goes
// to a double that is answering a stop: the manager would wait for its reply).
void StopServiceHard() {
    CSvc svc;
    if (!svc.get() || ServiceState() == SERVICE_STOPPED) return;
    SERVICE_STATUS status{};
    if (ControlService(svc.get(), SERVICE_CONTROL_STOP, &status) && WaitForState(SERVICE_STOPPED, 5000)) return;
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, "VelmoraWzcDoubleRelease");
    if (release) SetEvent(release);
    const bool stopped = WaitForState(SERVICE_STOPPED, 5000);
    if (release) {
        ResetEvent(release);  // the next double starts unreleased
        CloseHandle(release);
    }
    if (stopped) return;
    SERVICE_STATUS_PROCESS process{};
    DWORD needed = 0;
    if (QueryServiceStatusEx(svc.get(), SC_STATUS_PROCESS_INFO, reinterpret_cast<BYTE*>(&process), sizeof process,
                             &needed) &&
        process.dwProcessId) {
        if (HANDLE h = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process.dwProcessId)) {
            TerminateProcess(h, 1);
            WaitForSingleObject(h, 5000);
            CloseHandle(h);
        }
    }
    WaitForState(SERVICE_STOPPED, 5000);
}

// Installs (or re-points) "WZCSVC" at the double with the given arguments.
bool InstallService(const char* arguments) {
    StopServiceHard();
    const std::string command = std::string("\"") + kServiceExe + "\"" + (*arguments ? " " : "") + arguments;
    CScm scm;
    CSvc existing(OpenServiceA(scm.get(), zeroconfig::ServiceName, SERVICE_ALL_ACCESS));
    if (existing.get())
        return ChangeServiceConfigA(existing.get(), SERVICE_NO_CHANGE, SERVICE_NO_CHANGE, SERVICE_NO_CHANGE,
                                    command.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    CSvc created(CreateServiceA(scm.get(), zeroconfig::ServiceName, "Wireless Zero Configuration (test double)",
                                SERVICE_ALL_ACCESS, SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START,
                                SERVICE_ERROR_IGNORE, command.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr));
    return created.get() != nullptr;
}

bool StartService() {
    CSvc svc;
    return svc.get() && StartServiceA(svc.get(), 0, nullptr) && WaitForState(SERVICE_RUNNING);
}

// --- registry staging ---

void SetDwords(const std::string& path, DWORD flags, DWORD layout) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, zeroconfig::ControlFlagsValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&flags), 4);
    RegSetValueExA(key, zeroconfig::LayoutVersionValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&layout), 4);
    RegCloseKey(key);
}

void AddInstance(const std::string& path, const char* componentId, const char* instanceId) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "ComponentId", 0, REG_SZ, reinterpret_cast<const BYTE*>(componentId),
                   DWORD(std::strlen(componentId) + 1));
    if (instanceId)
        RegSetValueExA(key, "NetCfgInstanceId", 0, REG_SZ, reinterpret_cast<const BYTE*>(instanceId),
                       DWORD(std::strlen(instanceId) + 1));
    RegCloseKey(key);
}

struct Stored {
    bool present = false;
    DWORD flags = 0, layout = 0;
    DWORD flagsType = 0, layoutType = 0, flagsSize = 0, layoutSize = 0;
    bool operator==(const Stored&) const = default;
};

Stored Read(const char* instance) {
    Stored s;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, InterfaceKey(instance).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return s;
    s.present = true;
    s.flagsSize = s.layoutSize = 4;
    RegQueryValueExA(key, zeroconfig::ControlFlagsValue, nullptr, &s.flagsType, reinterpret_cast<BYTE*>(&s.flags),
                     &s.flagsSize);
    RegQueryValueExA(key, zeroconfig::LayoutVersionValue, nullptr, &s.layoutType, reinterpret_cast<BYTE*>(&s.layout),
                     &s.layoutSize);
    RegCloseKey(key);
    return s;
}

// --- the product's waits and version, through the seams ---

struct Snapshot {
    DWORD serviceState;
    Stored values;
};

std::vector<uint32_t> g_waits;
std::vector<Snapshot> g_atSettle;  // taken at each of the 3000 ms waits
uint32_t g_skippedMs = 0;
bool g_fastForward = false;
std::string g_servicePackText;
std::vector<DWORD> g_versionSizes;

void TestSleep(uint32_t ms) {
    g_waits.push_back(ms);
    if (ms == 3000) g_atSettle.push_back({ServiceState(), Read(kInstanceA)});
    if (ms == service::PollIntervalMs && !g_fastForward) {
        ::Sleep(ms);  // polls really wait: the service needs the time
        return;
    }
    g_skippedMs += ms;  // the clock moves on as if we had slept
    if (g_fastForward) ::Sleep(1);
}
uint32_t TestTickMs() { return ::GetTickCount() + g_skippedMs; }

BOOL WINAPI FakeGetVersionExA(LPOSVERSIONINFOA info) {
    g_versionSizes.push_back(info->dwOSVersionInfoSize);
    if (info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA)) return FALSE;
    info->dwMajorVersion = 5;
    info->dwMinorVersion = 1;
    info->dwBuildNumber = 2600;
    info->dwPlatformId = VER_PLATFORM_WIN32_NT;
    std::memset(info->szCSDVersion, 0, sizeof info->szCSDVersion);
    std::memcpy(info->szCSDVersion, g_servicePackText.data(), g_servicePackText.size());
    return TRUE;
}

uint32_t CountOf(uint32_t ms) { return uint32_t(std::count(g_waits.begin(), g_waits.end(), ms)); }

class ZeroConfigTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        char path[MAX_PATH];
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string source(path);
        source.resize(source.find_last_of('\\') + 1);
        StopServiceHard();  // a double left running would hold its executable
        CreateDirectoryA(kFolder, nullptr);
        installed_ = CopyFileA((source + "wzcsvc_double.exe").c_str(), kServiceExe, FALSE) && InstallService("");
    }
    static void TearDownTestSuite() {
        StopServiceHard();
        CSvc svc;
        if (svc.get()) DeleteService(svc.get());
    }

    void SetUp() override {
        ASSERT_TRUE(installed_) << "the service double could not be installed";
        g_waits.clear();
        g_atSettle.clear();
        g_versionSizes.clear();
        g_skippedMs = 0;
        g_fastForward = false;
        g_servicePackText = "Service Pack 2";
        seams::Platform platform = seams::Current();
        platform.sleep = &TestSleep;
        platform.tickMs = &TestTickMs;
        platform.getVersionExA = &FakeGetVersionExA;
        previous_ = seams::Replace(platform);
        Cleanup();
        AddInstance(kClassSubkeys[0], "PCI\\VEN_8086&DEV_1229", kOtherInstance);
        AddInstance(kClassSubkeys[1], "pci\\ven_1e5a&dev_0002&subsys_00542914", kInstanceA);
        SetDwords(InterfaceKey(kInstanceA), kOldFlags, kOldLayout);
        SetDwords(InterfaceKey(kOtherInstance), kOldFlags, kOldLayout);
    }
    void TearDown() override {
        seams::Replace(previous_);
        Cleanup();
    }
    static void Cleanup() {
        for (const std::string& k : kClassSubkeys) DeleteTree(k.c_str());
        for (const char* i : {kInstanceA, kInstanceB, kOtherInstance}) DeleteTree(InterfaceKey(i).c_str());
    }

    // A running service in the given mode.
    static void Running(const char* arguments = "") {
        ASSERT_TRUE(InstallService(arguments));
        ASSERT_TRUE(StartService());
    }

    seams::Platform previous_{};
    static inline bool installed_ = false;
};

Stored Values(DWORD flags, DWORD layout) { return Stored{true, flags, layout, REG_DWORD, REG_DWORD, 4, 4}; }
const Stored kOld = Values(kOldFlags, kOldLayout);

}  // namespace

TEST_F(ZeroConfigTest, HandingOverAndTakingBackStopWriteWhileStoppedAndRestart) {
    struct Case {
        const char* text;
        int32_t enable;
        DWORD flags, layout;
    } cases[] = {
        {"Service Pack 2, v.2149", 1, 0x03918002, 6},
        {"Service Pack 2", 1, 0x03918002, 7},
        {"Service Pack 2", 0, 0x00910002, 7},
        {"Service Pack 1", 1, 0x00918002, 4},
        {"", 0, 0x00810002, 3},
    };
    StagedDeviceName device(kDevice);
    ASSERT_TRUE(device.ok());
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\" enable " + std::to_string(c.enable));
        SetDwords(InterfaceKey(kInstanceA), kOldFlags, kOldLayout);
        Running();
        g_waits.clear();
        g_atSettle.clear();
        g_servicePackText = c.text;

        const DWORD started = GetTickCount();
        EnableWindowsZeroControl(c.enable);
        const DWORD took = GetTickCount() - started;

        ASSERT_EQ(g_atSettle.size(), 2u);
        EXPECT_EQ(g_atSettle[0].serviceState, DWORD(SERVICE_STOPPED)) << "stopped before the write";
        EXPECT_EQ(g_atSettle[0].values, kOld);
        EXPECT_EQ(g_atSettle[1].serviceState, DWORD(SERVICE_STOPPED)) << "still stopped after the write";
        EXPECT_EQ(g_atSettle[1].values, Values(c.flags, c.layout));
        EXPECT_EQ(ServiceState(), DWORD(SERVICE_RUNNING)) << "started again";
        EXPECT_EQ(Read(kInstanceA), Values(c.flags, c.layout));
        EXPECT_EQ(Read(kOtherInstance), kOld) << "another adapter's interface";

        EXPECT_EQ(g_waits.front(), 500u) << "the presence probe";
        EXPECT_EQ(CountOf(3000), 2u);
        EXPECT_EQ(CountOf(500) + CountOf(3000) + CountOf(service::PollIntervalMs), g_waits.size());
        EXPECT_EQ(g_versionSizes.back(), DWORD(sizeof(OSVERSIONINFOA)));
        std::printf("  [ measured ] hand-over cycle with a real service: %lu ms\n", took);
    }
}

TEST_F(ZeroConfigTest, EveryMatchingInstanceGetsItsOwnCycle) {
    StagedDeviceName device(kDevice);
    AddInstance(kClassSubkeys[2], "PCI\\VEN_1E5A&DEV_0002&SUBSYS_00542914", kInstanceB);
    SetDwords(InterfaceKey(kInstanceB), kOldFlags, kOldLayout);
    Running();
    g_waits.clear();
    EnableWindowsZeroControl(1);
    EXPECT_EQ(Read(kInstanceA), Values(0x03918002, 7));
    EXPECT_EQ(Read(kInstanceB), Values(0x03918002, 7));
    EXPECT_EQ(CountOf(3000), 4u);
    EXPECT_EQ(ServiceState(), DWORD(SERVICE_RUNNING));
}

TEST_F(ZeroConfigTest, ServiceThatIsNotRunningIsLeftAloneAndNothingWritten) {
    StagedDeviceName device(kDevice);
    ASSERT_TRUE(InstallService(""));  // installed, stopped
    ASSERT_EQ(ServiceState(), DWORD(SERVICE_STOPPED));
    for (int32_t enable : {1, 0}) {
        g_waits.clear();
        EnableWindowsZeroControl(enable);
        EXPECT_EQ(Read(kInstanceA), kOld) << enable;
        EXPECT_EQ(ServiceState(), DWORD(SERVICE_STOPPED)) << "not started";
        EXPECT_EQ(g_waits, (std::vector<uint32_t>{500})) << "no settling waits";
    }
}

TEST_F(ZeroConfigTest, ServiceThatRefusesToStopKeepsRunningUnwritten) {
    StagedDeviceName device(kDevice);
    Running("--refuse-stop");
    g_waits.clear();
    g_fastForward = true;  // should it poll, the 20 s limit must come quickly
    EnableWindowsZeroControl(1);
    EXPECT_EQ(Read(kInstanceA), kOld);
    EXPECT_EQ(ServiceState(), DWORD(SERVICE_RUNNING));
    EXPECT_EQ(CountOf(3000), 0u);
    EXPECT_EQ(g_waits, (std::vector<uint32_t>{500})) << "a refused stop is not waited for";
}

TEST_F(ZeroConfigTest, ServiceThatNeverFinishesStoppingIsGivenUpAfterTheLimit) {
    StagedDeviceName device(kDevice);
    Running("--hang-on-stop");
    g_waits.clear();
    g_fastForward = true;
    const DWORD started = GetTickCount();
    EnableWindowsZeroControl(1);
    const DWORD took = GetTickCount() - started;

    EXPECT_EQ(Read(kInstanceA), kOld) << "nothing written";
    EXPECT_EQ(ServiceState(), DWORD(SERVICE_STOP_PENDING)) << "and no start attempted";
    EXPECT_EQ(CountOf(3000), 0u);
    const uint32_t polled = std::accumulate(g_waits.begin() + 1, g_waits.end(), 0u);
    EXPECT_GE(polled + took + service::PollIntervalMs, service::WaitLimitMs) << "the real time counts too";
    EXPECT_LE(polled, service::WaitLimitMs + service::PollIntervalMs);
    EXPECT_EQ(CountOf(service::PollIntervalMs), g_waits.size() - 1) << "every poll sleeps";
    std::printf("  [ measured ] giving up on a hanging stop (20 s of seam time): %lu ms\n", took);
    StopServiceHard();
}

TEST_F(ZeroConfigTest, AbsentAdapterChangesNothing) {
    SetDwords(InterfaceKey(kInstanceA), 0x00918002, kOldLayout);
    Running();
    g_waits.clear();
    EXPECT_EQ(IsWindowsZeroControlEnabled(), 0) << "its key says managed, but it is not read";
    EnableWindowsZeroControl(1);
    EXPECT_EQ(Read(kInstanceA), Values(0x00918002, kOldLayout));
    EXPECT_EQ(ServiceState(), DWORD(SERVICE_RUNNING)) << "never stopped";
    EXPECT_EQ(g_waits, (std::vector<uint32_t>{500, 500}));
}

TEST_F(ZeroConfigTest, ControlBitReadings) {
    StagedDeviceName device(kDevice);
    struct Case {
        DWORD flags;
        int32_t managed;
    } cases[] = {{0x00918002, 1}, {0x00810002, 0}, {0x03918002, 1}, {0x00910002, 0}, {0x00008000, 1}, {0, 0}};
    for (const Case& c : cases) {
        SetDwords(InterfaceKey(kInstanceA), c.flags, 3);
        EXPECT_EQ(IsWindowsZeroControlEnabled(), c.managed) << std::hex << c.flags;
    }

    // The value last held stands in for one that cannot be read; a missing key reads as not managed.
    SetDwords(InterfaceKey(kInstanceA), 0x00918002, 3);
    ASSERT_EQ(IsWindowsZeroControlEnabled(), 1);
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, InterfaceKey(kInstanceA).c_str(), 0, KEY_ALL_ACCESS, &key),
              ERROR_SUCCESS);
    RegDeleteValueA(key, zeroconfig::ControlFlagsValue);
    RegCloseKey(key);
    EXPECT_EQ(IsWindowsZeroControlEnabled(), 1);
    DeleteTree(InterfaceKey(kInstanceA).c_str());
    EXPECT_EQ(IsWindowsZeroControlEnabled(), 0);

    // The first matching instance decides; one without NetCfgInstanceId reads as not managed.
    SetDwords(InterfaceKey(kInstanceB), 0x00918002, 3);
    AddInstance(kClassSubkeys[2], "PCI\\VEN_1E5A&DEV_0002&SUBSYS_00542914", kInstanceB);
    EXPECT_EQ(IsWindowsZeroControlEnabled(), 0) << "9981 comes first and has no interface key";
    DeleteTree(kClassSubkeys[1].c_str());
    EXPECT_EQ(IsWindowsZeroControlEnabled(), 1);
    AddInstance(kClassSubkeys[1], "PCI\\VEN_1E5A&DEV_0002&SUBSYS_00542914", nullptr);
    EXPECT_EQ(IsWindowsZeroControlEnabled(), 0);
    DeleteTree(kClassSubkeys[1].c_str());
    DeleteTree(kClassSubkeys[2].c_str());
    EXPECT_EQ(IsWindowsZeroControlEnabled(), 0) << "no matching instance";
}

TEST_F(ZeroConfigTest, RealVersionCallOfThePrefix) {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    ASSERT_TRUE(GetVersionExA(&version));
    ASSERT_EQ(version.dwMajorVersion, 5u);
    ASSERT_EQ(version.dwMinorVersion, 1u);
    ASSERT_STREQ(version.szCSDVersion, "Service Pack 3");

    StagedDeviceName device(kDevice);
    Running();
    // "Service Pack 3" is not in the table: the level found before stays.
    struct Case {
        const char* before;
        DWORD flags, layout;
    } cases[] = {{"Service Pack 2, v.2149", 0x03918002, 7}, {"", 0x00918002, 3}};
    for (const Case& c : cases) {
        g_servicePackText = c.before;
        EnableWindowsZeroControl(0);
        seams::Platform platform = seams::Current();
        platform.getVersionExA = previous_.getVersionExA;
        seams::Replace(platform);
        g_versionSizes.clear();
        EnableWindowsZeroControl(1);
        EXPECT_TRUE(g_versionSizes.empty()) << "the real call was made";
        EXPECT_EQ(Read(kInstanceA), Values(c.flags, c.layout)) << "after \"" << c.before << "\"";
        platform.getVersionExA = &FakeGetVersionExA;
        seams::Replace(platform);
    }
}

// Wine takes the service-pack text from its registry when a process starts:
// a child process sees the text set here through the real call.
TEST_F(ZeroConfigTest, ServicePackTextFromWinesConfiguration) {
    const char* versionKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
    const char* windowsKey = "SYSTEM\\CurrentControlSet\\Control\\Windows";
    struct Restore {
        const char *versionKey, *windowsKey;
        void Set(const char* text, DWORD pack) const {
            HKEY key;
            if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, versionKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
                RegSetValueExA(key, "CSDVersion", 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                               DWORD(std::strlen(text) + 1));
                RegCloseKey(key);
            }
            if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, windowsKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
                RegSetValueExA(key, "CSDVersion", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&pack), 4);
                RegCloseKey(key);
            }
        }
        ~Restore() { Set("Service Pack 3", 0x300); }
    } restore{versionKey, windowsKey};
    restore.Set("Service Pack 2, v.2149", 0x200);

    StagedDeviceName device(kDevice);  // the child sees the device while we hold it
    Running();
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string command = std::string("\"") + path + "\" --gtest_filter=ZeroConfigChild.HandOverWithTheRealVersion";
    SetEnvironmentVariableA(kChildVariable, "1");
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    ASSERT_TRUE(
        CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child));
    SetEnvironmentVariableA(kChildVariable, nullptr);
    ASSERT_EQ(WaitForSingleObject(child.hProcess, 60000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(child.hProcess, &exitCode);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(Read(kInstanceA), Values(0x03918002, 6)) << "Service Pack 2, build suffix 2149";
    EXPECT_EQ(ServiceState(), DWORD(SERVICE_RUNNING));
}

// Runs only as the child of the test above, with the version Wine gives this process.
TEST(ZeroConfigChild, HandOverWithTheRealVersion) {
    if (!std::getenv(kChildVariable)) GTEST_SKIP() << "runs as the child of ServicePackTextFromWinesConfiguration";
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    ASSERT_TRUE(GetVersionExA(&version));
    ASSERT_STREQ(version.szCSDVersion, "Service Pack 2, v.2149");
    seams::Platform platform = seams::Current();
    platform.sleep = &TestSleep;
    platform.tickMs = &TestTickMs;
    const seams::Platform previous = seams::Replace(platform);
    EnableWindowsZeroControl(1);
    seams::Replace(previous);
    EXPECT_EQ(CountOf(3000), 2u) << "the service was running and got a full cycle";
}
