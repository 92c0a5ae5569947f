// The package under Wine, in a prefix of its own: install, repair and uninstall with msiexec as an
// administrator runs them, checked through the files, the Start menu shortcut, the Run value,
// FStart, the product's registration and the user's stored profiles.
#include <windows.h>
#include <msi.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "version.h"

namespace {

constexpr const char* kProductCode = WIFI_PRODUCT_CODE;
constexpr const char* kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kRunValue = "Velmora Wireless Network Monitor";
constexpr const char* kInstallKey = "SOFTWARE\\Dorvan-Velmora LLC\\Install Progress";
constexpr const char* kProfileKey = "SOFTWARE\\Velmora\\Profile\\WPROFILE";
constexpr const char* kMenuFolder = "Velmora Wireless";
constexpr const char* kShortcutName = "Velmora Wireless Network Monitor.lnk";
constexpr DWORD kAbsent = 0xFFFFFFFF;

std::string Folder(int csidl) {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

std::string InstallDir() { return Folder(CSIDL_PROGRAM_FILES) + "\\Velmora Wireless Network Monitor"; }
std::string Program() { return InstallDir() + "\\wifimon.exe"; }
bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
bool SamePath(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

// build/win32/installer/<package>, beside the programs' folder.
std::string PackagePath() {
    char module[MAX_PATH];
    GetModuleFileNameA(nullptr, module, sizeof module);
    std::string bin(module);
    bin = bin.substr(0, bin.find_last_of('\\'));
    return bin.substr(0, bin.find_last_of('\\') + 1) + "installer\\" WIFI_PACKAGE_NAME;
}

// msiexec.exe from the system folder with `arguments` (PKG stands for the package); its exit code.
DWORD Msiexec(std::string arguments) {
    const size_t at = arguments.find("PKG");
    if (at != std::string::npos) arguments.replace(at, 3, "\"" + PackagePath() + "\"");
    char system[MAX_PATH];
    GetSystemDirectoryA(system, sizeof system);
    std::string command = "\"" + std::string(system) + "\\msiexec.exe\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return GetLastError();
    DWORD code = ERROR_TIMEOUT;
    if (WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

std::string ReadString(const char* path, const char* name, bool* present) {
    char text[512] = {};
    DWORD type = 0, size = sizeof text - 1;
    HKEY key;
    *present = false;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return "";
    *present = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) == ERROR_SUCCESS &&
               type == REG_SZ;
    RegCloseKey(key);
    return text;
}

DWORD ReadDword(const char* path, const char* name) {
    DWORD value = 0, type = 0, size = sizeof value;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return kAbsent;
    const bool read = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) ==
                          ERROR_SUCCESS && type == REG_DWORD && size == sizeof value;
    RegCloseKey(key);
    return read ? value : kAbsent;
}

void WriteDword(const char* path, const char* name, DWORD value) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

// Windows puts a per-machine package's shortcuts in the common Programs folder, Wine's installer in
// the user's: the shortcut's path wherever it is, or empty.
std::string FindShortcut() {
    for (int csidl : {CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAMS}) {
        const std::string path = Folder(csidl) + "\\" + kMenuFolder + "\\" + kShortcutName;
        if (Exists(path)) return path;
    }
    return "";
}

bool MenuFolderExists() {
    return Exists(Folder(CSIDL_COMMON_PROGRAMS) + "\\" + kMenuFolder) || Exists(Folder(CSIDL_PROGRAMS) + "\\" + kMenuFolder);
}

struct ShortcutTarget {
    std::string path, workingDir;
};

ShortcutTarget ReadShortcut(const std::string& link) {
    ShortcutTarget target;
    CoInitialize(nullptr);
    IShellLinkA* shell = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&shell)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            std::wstring wide(link.begin(), link.end());
            if (SUCCEEDED(file->Load(wide.c_str(), STGM_READ))) {
                char text[MAX_PATH] = {};
                if (SUCCEEDED(shell->GetPath(text, MAX_PATH, nullptr, 0))) target.path = text;
                text[0] = 0;
                if (SUCCEEDED(shell->GetWorkingDirectory(text, MAX_PATH))) target.workingDir = text;
            }
            file->Release();
        }
        shell->Release();
    }
    CoUninitialize();
    return target;
}

std::string FileVersion(const std::string& path) {
    DWORD ignored = 0;
    std::vector<char> block(GetFileVersionInfoSizeA(path.c_str(), &ignored));
    VS_FIXEDFILEINFO* info = nullptr;
    UINT size = 0;
    if (block.empty() || !GetFileVersionInfoA(path.c_str(), 0, DWORD(block.size()), block.data()) ||
        !VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&info), &size) || size < sizeof *info)
        return "";
    return std::to_string(HIWORD(info->dwFileVersionMS)) + "." + std::to_string(LOWORD(info->dwFileVersionMS)) + "." +
           std::to_string(HIWORD(info->dwFileVersionLS)) + "." + std::to_string(LOWORD(info->dwFileVersionLS));
}

// What the machine shows of the product after a step.
struct Installation {
    bool product;    // registered, with its files, shortcut and Run value
    bool simulator;  // nvxapi.dll installed
    DWORD fstart;    // kAbsent: no value
};

void ExpectInstallation(const Installation& want) {
    EXPECT_EQ(MsiQueryProductStateA(kProductCode), want.product ? INSTALLSTATE_DEFAULT : INSTALLSTATE_UNKNOWN);
    if (want.product) {
        EXPECT_EQ(MsiQueryFeatureStateA(kProductCode, "SimulatedAdapter"),
                  want.simulator ? INSTALLSTATE_LOCAL : INSTALLSTATE_ABSENT);
    }

    const struct {
        const char* name;
        bool present;
    } files[] = {{"wifimon.exe", want.product}, {"wifiapi.dll", want.product}, {"nvxapi.dll", want.simulator}};
    for (const auto& f : files) EXPECT_EQ(Exists(InstallDir() + "\\" + f.name), f.present) << f.name;
    EXPECT_EQ(Exists(InstallDir()), want.product) << "the product's folder";

    const std::string shortcut = FindShortcut();
    if (want.product) {
        EXPECT_FALSE(shortcut.empty()) << "the Start menu shortcut";
        const ShortcutTarget target = ReadShortcut(shortcut);
        EXPECT_TRUE(SamePath(target.path, Program())) << target.path;
        EXPECT_TRUE(SamePath(target.workingDir, InstallDir() + "\\")) << target.workingDir;  // a folder property
        for (const char* file : {"wifimon.exe", "wifiapi.dll"})
            EXPECT_EQ(FileVersion(InstallDir() + "\\" + file), WIFI_VERSION_TEXT) << file;
        char version[32] = {};
        DWORD size = sizeof version;
        EXPECT_EQ(MsiGetProductInfoA(kProductCode, INSTALLPROPERTY_VERSIONSTRING, version, &size), 0u);
        EXPECT_STREQ(version, WIFI_VERSION_TEXT);
    } else {
        EXPECT_EQ(shortcut, "");
        EXPECT_FALSE(MenuFolderExists()) << "the Start menu folder";
    }

    bool run = false;
    const std::string command = ReadString(kRunKey, kRunValue, &run);
    EXPECT_EQ(run, want.product) << "the Run value";
    if (want.product) {
        EXPECT_EQ(command, "\"" + Program() + "\"");
    }

    EXPECT_EQ(ReadDword(kInstallKey, "FStart"), want.fstart);

    // The user's profiles are theirs whatever the package does.
    EXPECT_EQ(ReadDword((std::string(kProfileKey) + "\\Home").c_str(), "Channel"), 11u) << "the stored profile";
    bool current = false;
    EXPECT_EQ(ReadString(kProfileKey, "CurProfile", &current), "Home");
}

// A step: what happened to the machine before it, the msiexec command, what it leaves.
struct Step {
    const char* name;
    std::function<void()> before;
    const char* arguments;
    Installation after;
};

void RunSteps(const std::vector<Step>& steps) {
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        if (step.before) step.before();
        const DWORD start = GetTickCount();
        ASSERT_EQ(Msiexec(step.arguments), 0u) << step.arguments;
        std::printf("  %s: %lu ms\n", step.name, GetTickCount() - start);
        ExpectInstallation(step.after);
    }
}

struct TitledSearch {
    DWORD process;
    const char* title;
    HWND found;
};

BOOL CALLBACK MatchTitled(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<TitledSearch*>(param);
    char text[64] = {};
    DWORD owner = 0;
    GetWindowTextA(hwnd, text, sizeof text);
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner != search->process || lstrcmpA(text, search->title) != 0) return TRUE;
    search->found = hwnd;
    return FALSE;
}

HWND FindTitled(DWORD process, const char* title) {
    TitledSearch search{process, title, nullptr};
    EnumWindows(&MatchTitled, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Starts the program by the Run value's command, as Windows does at logon; it shows its frame and
// ends on the outside close signal.
void ExpectStartsAsAtLogon() {
    bool present = false;
    std::string command = ReadString(kRunKey, kRunValue, &present);
    ASSERT_TRUE(present);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process))
        << GetLastError();
    HWND frame = nullptr;
    for (int i = 0; i < 300 && !frame && WaitForSingleObject(process.hProcess, 50) == WAIT_TIMEOUT; ++i)
        frame = FindTitled(process.dwProcessId, "wifimon");
    EXPECT_NE(frame, nullptr) << "the installed monitor's frame";
    HWND close = CreateWindowExA(0, "STATIC", "ACUClose", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 15000), WAIT_OBJECT_0) << "ACUClose ends the monitor";
    DestroyWindow(close);
    TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

class PackageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Exists(PackagePath())) << PackagePath();
        if (MsiQueryProductStateA(kProductCode) != INSTALLSTATE_UNKNOWN) Msiexec("/x PKG /qn");  // an earlier failure's
        // A user's stored profile, as the monitor keeps it.
        WriteDword((std::string(kProfileKey) + "\\Home").c_str(), "Channel", 11);
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kProfileKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, "CurProfile", 0, REG_SZ, reinterpret_cast<const BYTE*>("Home"), 5);
        RegCloseKey(key);
        ExpectInstallation({false, false, kAbsent});
    }
};

}  // namespace

TEST_F(PackageTest, DefaultInstallLeavesTheSimulatorOutAndUninstallRemovesAllButTheProfiles) {
    RunSteps({
        {"install", nullptr, "/i PKG /qn", {true, false, 1}},
        {"uninstall", nullptr, "/x PKG /qn", {false, false, kAbsent}},
    });
}

TEST_F(PackageTest, WithTheSimulatorTheProgramStartsAndRepairRestoresWhatWasLost) {
    RunSteps({{"install with the simulator", nullptr, "/i PKG ADDLOCAL=Monitor,SimulatedAdapter /qn", {true, true, 1}}});
    ExpectStartsAsAtLogon();

    // Wine's msiexec does not run /f itself; REINSTALL with REINSTALLMODE is the same request.
    // A repair is no new installation: the monitor's first start, which wrote FStart = 0, stays done.
    RunSteps({
        {"repair of the files (/fa)",
         [] {
             WriteDword(kInstallKey, "FStart", 0);
             EXPECT_TRUE(DeleteFileA(Program().c_str()));
         },
         "/i PKG REINSTALL=ALL REINSTALLMODE=a /qn", {true, true, 0}},
        {"repair of the files, registry and shortcuts (/famus)",
         [] {
             EXPECT_TRUE(DeleteFileA(FindShortcut().c_str()));
             HKEY key;
             ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
             EXPECT_EQ(RegDeleteValueA(key, kRunValue), ERROR_SUCCESS);
             RegCloseKey(key);
         },
         "/i PKG REINSTALL=ALL REINSTALLMODE=amus /qn", {true, true, 0}},
        {"uninstall", nullptr, "/x PKG /qn", {false, false, kAbsent}},
    });
}
