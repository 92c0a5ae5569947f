// The guided tour: a new user's day with the installed program, driven from outside it as a person
// drives it. The package is installed silently into the tour's own prefix, the program starts as
// Windows starts it at logon (the Run value's command, in Wine's desktop with its taskbar), and
// every step goes through the mouse and the keyboard: the first run's available networks page, a
// protected network and its passphrase, Link Information with the Internet state, Site Survey,
// Profiles with export, delete and import, About, "Turn Monitor off"; then the package is removed.
// Controls are found by their ids, texts compared exactly; each step ends with a picture of the
// screen (build/win32/screenshots/tour/), and the run's script makes a contact sheet of them.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "monitor/res/resource.h"
#include "tests/win32/tour/OtherProgram.h"
#include "tests/win32/tour/Person.h"
#include "tests/win32/tour/Tour.h"

namespace {

using namespace tour;

// What the user knows of the network at home (the simulator's default environment).
constexpr const char* kNetwork = "Velmora-Home";
constexpr const char* kNetworkMac = "00-14-6C-A1-22-33";
constexpr const char* kPassphrase = "lantern-orchard-42";
constexpr const char* kSavedName = "Home";

constexpr const char* kMonitorTitle = "wifimon";
constexpr const char* kProfileKey = "SOFTWARE\\Velmora\\Profile\\WPROFILE";
constexpr const char* kDefaultProfile = "(Default Site Profile)";
constexpr const char* kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kRunValue = "Velmora Wireless Network Monitor";
constexpr const char* kInstallKey = "SOFTWARE\\Dorvan-Velmora LLC\\Install Progress";
constexpr const char* kMenuFolder = "Velmora Wireless";
constexpr const char* kShortcut = "Velmora Wireless Network Monitor.lnk";

constexpr const char* kInternetFound = "You have successfully connected to the access point and the Internet";
constexpr const char* kInternetNotFound = "You are connected to the access point, but the Internet canot be found";

// The common file dialog's file name field (dlgs.h): the combo box of the Explorer-style dialog,
// or the edit of the older one.
constexpr int kFileNameCombo = 0x47C;
constexpr int kFileNameEdit = 0x480;

constexpr DWORD kWindowMs = 15000;  // a window appears
constexpr DWORD kScanMs = 15000;    // a page's scan: 5 s after it starts, and the simulator's scan
constexpr DWORD kLinkMs = 30000;    // the connect worker's waits, the association, the probe

std::string KnownFolder(int csidl) {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

std::string InstallDir() { return KnownFolder(CSIDL_PROGRAM_FILES) + "\\Velmora Wireless Network Monitor"; }
bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// build/win32/installer/<package> and build/win32/screenshots/tour, beside the programs' folder.
std::string BuildPath(const char* tail) {
    char module[MAX_PATH];
    GetModuleFileNameA(nullptr, module, sizeof module);
    std::string bin(module);
    bin = bin.substr(0, bin.find_last_of('\\'));
    return bin.substr(0, bin.find_last_of('\\') + 1) + tail;
}

std::string SystemProgram(const char* name, bool windowsFolder) {
    char folder[MAX_PATH] = {};
    if (windowsFolder) {
        GetWindowsDirectoryA(folder, sizeof folder);
    } else {
        GetSystemDirectoryA(folder, sizeof folder);
    }
    return std::string(folder) + "\\" + name;
}

// msiexec.exe from the system folder, silent: `action` and the package, then `properties`.
DWORD Msiexec(const char* action, const char* properties = "") {
    std::string command = "\"" + SystemProgram("msiexec.exe", false) + "\" " + action + " \"" +
                          BuildPath("installer\\" WIFI_PACKAGE_NAME) + "\" " + properties + " /qn";
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

// --- The registry, read as the checker's own ----------------------------------------------------

bool KeyExists(const std::string& path) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

struct Stored {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    bool operator==(const Stored&) const = default;
};

// Every value of a key. A text counts up to its first NUL: the registry editor's files carry no
// more of it.
std::map<std::string, Stored> Values(const std::string& path) {
    std::map<std::string, Stored> values;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD nameSize = sizeof name, type = 0, size = 0;
        if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
        Stored value{type, std::vector<BYTE>(size)};
        nameSize = sizeof name;
        RegEnumValueA(key, i, name, &nameSize, nullptr, &type, value.data.data(), &size);
        value.data.resize(size);
        if (type == REG_SZ) {
            size_t text = 0;
            while (text < value.data.size() && value.data[text] != 0) ++text;
            value.data.resize(text);
        }
        values[name] = value;
    }
    RegCloseKey(key);
    return values;
}

std::string Text(const std::map<std::string, Stored>& values, const char* name) {
    const auto found = values.find(name);
    if (found == values.end() || found->second.type != REG_SZ) return "(no text " + std::string(name) + ")";
    return std::string(found->second.data.begin(), found->second.data.end());
}

DWORD Number(const std::map<std::string, Stored>& values, const char* name) {
    const auto found = values.find(name);
    if (found == values.end() || found->second.type != REG_DWORD || found->second.data.size() != 4) return 0xFFFFFFFF;
    return *reinterpret_cast<const DWORD*>(found->second.data.data());
}

std::string Shown(const std::vector<std::string>& rows) {
    std::string text;
    for (const std::string& row : rows) text += (text.empty() ? "\"" : ", \"") + row + "\"";
    return "{" + text + "}";
}

std::string FileHead(const std::string& path, size_t bytes) {
    std::string head;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        head.resize(bytes);
        head.resize(std::fread(head.data(), 1, bytes, f));
        std::fclose(f);
    }
    return head;
}

// The text of a UTF-16 file as the registry editor writes it (ASCII content only).
std::string Utf16Ascii(const std::string& bytes) {
    std::string text;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) text += bytes[i + 1] == 0 ? bytes[i] : '?';
    return text;
}

// --- The program's windows ------------------------------------------------------------------------

class TourTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (program_) CloseHandle(program_);
    }

    // The program's hidden frame, the window outside programs know it by: titled "wifimon".
    static HWND Frame() {
        return FindTopLevel(
            0, [](HWND w) { return TextOf(w) == kMonitorTitle && ClassOf(w) != "#32770"; }, true);
    }

    // The monitor window: the program's dialog titled "wifimon".
    HWND MonitorWindow() const { return FindTopLevel(process_, "#32770", kMonitorTitle); }

    // A visible control of the monitor window, waited for.
    HWND Await(int id, const char* what, DWORD ms = kWindowMs) const {
        HWND found = nullptr;
        WaitFor(ms, [&] { return (found = FindControl(MonitorWindow(), id)) != nullptr; });
        if (!found) ADD_FAILURE() << what << " (control " << id << ") is not shown within " << ms << " ms";
        return found;
    }

    // A visible top-level window of the program, waited for.
    HWND AwaitWindow(const std::function<bool(HWND)>& match, const std::string& what, DWORD ms = kWindowMs) const {
        HWND found = nullptr;
        WaitFor(ms, [&] { return (found = FindTopLevel(process_, match)) != nullptr; });
        if (!found) ADD_FAILURE() << what << " does not appear within " << ms << " ms";
        return found;
    }

    HWND AwaitDialog(const char* caption, DWORD ms = kWindowMs) const {
        return AwaitWindow([&](HWND w) { return ClassOf(w) == "#32770" && TextOf(w) == caption; },
                           std::string("the dialog \"") + caption + "\"", ms);
    }

    // Waits until `window`'s text is one of `texts`; fails with the text it showed.
    bool AwaitText(HWND window, const std::vector<std::string>& texts, const char* what, DWORD ms = kWindowMs) const {
        std::string seen;
        const bool shown = WaitFor(ms, [&] {
            seen = TextOf(window);
            for (const std::string& t : texts)
                if (seen == t) return true;
            return false;
        });
        if (!shown)
            ADD_FAILURE() << what << " reads \"" << seen << "\", not " << Shown(texts) << " within " << ms << " ms";
        return shown;
    }

    bool AwaitRows(HWND box, const std::vector<std::string>& rows, const char* what, DWORD ms = kWindowMs) const {
        std::vector<std::string> seen;
        const bool shown = WaitFor(ms, [&] { return (seen = ListBoxRows(box)) == rows; });
        if (!shown) ADD_FAILURE() << what << " show " << Shown(seen) << ", not " << Shown(rows);
        return shown;
    }

    // Waits for a list row whose first cell is `name`; -1 when none came.
    int AwaitRow(const RemoteListView& list, const std::string& name, const char* what, DWORD ms = kWindowMs) const {
        int row = -1;
        WaitFor(ms, [&] { return (row = list.FindRow(name)) >= 0; });
        if (row < 0)
            ADD_FAILURE() << what << ": no row \"" << name << "\" within " << ms << " ms; rows: " << list.Describe(2);
        return row;
    }

    // Clicks the row and waits until it is the selected one.
    bool ChooseRow(const RemoteListView& list, int row, const char* what) const {
        person::Click(Centre(list.RowRect(row)));
        const bool chosen = WaitFor(3000, [&] { return list.SelectedRow() == row; });
        if (!chosen)
            ADD_FAILURE() << what << ": a click on row " << row << " leaves row " << list.SelectedRow() << " selected";
        return chosen;
    }

    // The program's tray icon: the notification area lies at the right end of the taskbar, and the
    // program's icon is its only one.
    static POINT TrayIcon() {
        const RECT bar = ScreenRect(FindWindowA("Shell_TrayWnd", nullptr));
        return {bar.right - 10, (bar.top + bar.bottom) / 2};
    }

    // Hovers the tray icon until the taskbar shows `tip`. A tip comes when the pointer has rested a
    // moment; a small move after a while asks again.
    bool AwaitTrayTip(const std::string& tip) const {
        std::vector<std::string> seen;
        POINT at = TrayIcon();
        bool shown = false;
        for (int attempt = 0; attempt < 4 && !shown; ++attempt, at.x ^= 1) {
            person::MoveTo(at);
            shown = WaitFor(2500, [&] {
                seen.clear();
                return FindTopLevel(0, [&](HWND w) {
                           if (ClassOf(w) != "tooltips_class32") return false;
                           seen.push_back(TextOf(w));
                           return seen.back() == tip;
                       }) != nullptr;
            });
        }
        if (!shown) ADD_FAILURE() << "the tray icon's tip is not \"" << tip << "\"; tips shown: " << Shown(seen);
        return shown;
    }

    // Opens the tray menu with a right click on the icon.
    HWND OpenTrayMenu() const {
        person::RightClick(TrayIcon());
        return AwaitWindow([](HWND w) { return ClassOf(w) == "#32768"; }, "the tray menu");
    }

    // Types `path` over the common file dialog's file name field (which offers `offered`) and
    // confirms it with Enter.
    void ChooseFile(HWND dialog, const std::string& offered, const std::string& path, Tour& tour) const {
        HWND field = FindControl(dialog, kFileNameCombo);
        if (!field) field = FindControl(dialog, kFileNameEdit);
        ASSERT_NE(field, nullptr) << "the file name field of \"" << TextOf(dialog) << "\"";
        EXPECT_EQ(TextOf(field), offered) << "the name the dialog offers";
        person::Click(field);
        person::ClearField();
        person::Type(path);
        ASSERT_TRUE(WaitFor(3000, [&] { return TextOf(field) == path; }))
            << "the file name field reads \"" << TextOf(field) << "\"";
        tour.Picture("file");
        person::Press(VK_RETURN);
        EXPECT_TRUE(WaitFor(kWindowMs, [&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }))
            << "the file dialog closes";
    }

    // No message box of the program is shown (its one caption).
    void ExpectNoMessage() const {
        const HWND box = FindTopLevel(process_, "#32770", "Velmora Wireless Network Monitor");
        EXPECT_EQ(box, nullptr) << "a message: \"" << TextOf(FindControl(box, 0xFFFF)) << "\"";
    }

    DWORD process_ = 0;
    HANDLE program_ = nullptr;
};

}  // namespace

TEST_F(TourTest, ANewUsersDayFromInstallToUninstall) {
    Tour tour(BuildPath("screenshots\\tour"));
    const bool isolated = std::getenv("WIFIMON_TOUR_ISOLATED") != nullptr;
    const std::string exportFile = "C:\\Tour files\\" + std::string(kSavedName) + ".cfg";
    const std::string profile = std::string(kProfileKey) + "\\" + kSavedName;
    std::map<std::string, Stored> exported;

    tour.Step("install", [&] {
        ASSERT_FALSE(Exists(InstallDir())) << "a fresh machine";
        ASSERT_EQ(Msiexec("/i", "ADDLOCAL=Monitor,SimulatedAdapter"), 0u);
        for (const char* file : {"wifimon.exe", "wifiapi.dll", "nvxapi.dll"})
            EXPECT_TRUE(Exists(InstallDir() + "\\" + file)) << file;
        EXPECT_EQ(Number(Values(kInstallKey), "FStart"), 1u);
        EXPECT_FALSE(KeyExists(kProfileKey)) << "no profile yet";
    });

    tour.Step("start at logon", [&] {
        // As the shell runs the Run value's command at logon, from the system folder.
        const std::string command = Text(Values(kRunKey), kRunValue);
        ASSERT_EQ(command, "\"" + InstallDir() + "\\wifimon.exe\"");
        std::string line = "\"" + SystemProgram("explorer.exe", true) + "\" /desktop=shell," +
                           std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "x" +
                           std::to_string(GetSystemMetrics(SM_CYSCREEN)) + " " + command;
        const std::string system = SystemProgram("", false);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION explorer{};
        ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, system.c_str(), &startup,
                                   &explorer))
            << GetLastError();
        CloseHandle(explorer.hThread);
        CloseHandle(explorer.hProcess);

        HWND frame = nullptr;
        WaitFor(kWindowMs, [&] { return (frame = Frame()) != nullptr; });
        ASSERT_NE(frame, nullptr) << "the program's frame \"wifimon\"";
        process_ = ProcessOf(frame);
        program_ = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, process_);
        // The first start after installation opens the window by itself on the available networks page.
        ASSERT_NE(Await(IDC_NETWORKS_LIST, "the first run's available networks list"), nullptr);
        ASSERT_NE(Await(IDC_NETWORKS_CONNECT, "its Connect"), nullptr);
        for (int id : {IDC_TAB_LINK, IDC_TAB_SURVEY, IDC_TAB_PROFILES})
            EXPECT_EQ(FindControl(MonitorWindow(), id), nullptr) << "no tabs on the first run: " << id;
        EXPECT_EQ(Number(Values(kInstallKey), "FStart"), 0u) << "the first start is done";
    });

    tour.Step("available networks", [&] {
        RemoteListView list(Await(IDC_NETWORKS_LIST, "the available networks"));
        ASSERT_TRUE(list.ok());
        const int row = AwaitRow(list, kNetwork, "the available networks", kScanMs);
        ASSERT_GE(row, 0);
        const std::vector<std::string> cells{list.Cell(row, 1), list.Cell(row, 2), list.Cell(row, 3),
                                             list.Cell(row, 4)};
        EXPECT_EQ(cells, (std::vector<std::string>{"6", "100%", "WPA", kNetworkMac}));
    });

    tour.Step("passphrase", [&] {
        RemoteListView list(Await(IDC_NETWORKS_LIST, "the available networks"));
        const int row = list.FindRow(kNetwork);
        ASSERT_GE(row, 0);
        ASSERT_TRUE(ChooseRow(list, row, "the available networks"));
        person::Click(Await(IDC_NETWORKS_CONNECT, "Connect"));
        // The network is WPA2-Personal: the dialog that asks for its passphrase.
        const HWND dialog = AwaitWindow([](HWND w) { return FindControl(w, IDC_WPA2_PASSPHRASE) != nullptr; },
                                        "the WPA2-Personal passphrase dialog");
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(TextOf(FindControl(dialog, IDC_WPA2_SECURITY)), "WPA2-Personal");
        const HWND field = FindControl(dialog, IDC_WPA2_PASSPHRASE);
        person::Click(field);
        person::Type(kPassphrase);
        ASSERT_TRUE(WaitFor(3000, [&] { return TextOf(field) == kPassphrase; }))
            << "typed: \"" << TextOf(field) << "\"";
    });

    tour.Step("profile saved", [&] {
        const HWND dialog = FindHolding(process_, IDC_WPA2_PASSPHRASE);
        ASSERT_NE(dialog, nullptr);
        person::Click(FindControl(dialog, IDC_OK));
        EXPECT_TRUE(WaitFor(kWindowMs, [&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }))
            << "the dialog closes";
        // Connect stored the network as the first run's profile and offers to connect with it.
        ASSERT_NE(Await(IDC_DONE_CONNECT, "Connect to Network"), nullptr);
        EXPECT_EQ(FindControl(MonitorWindow(), IDC_DONE_RETURN), nullptr) << "no way back to Profiles on this page";
        const auto stored = Values(std::string(kProfileKey) + "\\" + kDefaultProfile);
        EXPECT_EQ(Text(stored, "SSID"), kNetwork);
        EXPECT_EQ(Number(stored, "SecurityMode"), 4u) << "WPA2-Personal";
        EXPECT_EQ(Number(stored, "Channel"), 6u);
    });

    tour.Step("link information", [&] {
        person::Click(Await(IDC_DONE_CONNECT, "Connect to Network"));
        const HWND headline = Await(IDC_HEADLINE, "the headline", kLinkMs);
        const HWND sentence = Await(IDC_SENTENCE, "the sentence", kLinkMs);
        ASSERT_TRUE(headline && sentence);
        // The probe records its answer, and the page says it. In a network namespace of its own the
        // probe's host cannot be found; elsewhere the answer is the machine's.
        ASSERT_TRUE(WaitFor(kLinkMs, [&] { return Values(kProfileKey).count("InternetState") == 1; }))
            << "the Internet probe records no InternetState";
        const DWORD internet = Number(Values(kProfileKey), "InternetState");
        if (isolated) {
            EXPECT_EQ(internet, 0u) << "no Internet in the network namespace of the tour";
        }
        ASSERT_TRUE(AwaitText(sentence, {internet == 1 ? kInternetFound : kInternetNotFound}, "the sentence"));
        EXPECT_TRUE(AwaitText(headline, {"Infrastructure Mode"}, "the headline"));
        for (int id : {IDC_TAB_LINK, IDC_TAB_SURVEY, IDC_TAB_PROFILES})
            EXPECT_NE(FindControl(MonitorWindow(), id), nullptr) << "the tabs are back: " << id;
        EXPECT_EQ(Text(Values(kProfileKey), "CurProfile"), kDefaultProfile);
    });

    tour.Step("tray tip", [&] {
        ASSERT_TRUE(AwaitTrayTip(" Connect to:" + std::string(kNetwork) + " \n " + kNetworkMac +
                                 " \n Infrastructure \n Channel: 6 \n Speed: 54 Mbps "));
    });

    tour.Step("more information", [&] {
        person::Click(Await(IDC_MORE_INFO, "More Information"));
        const HWND left = Await(IDC_INFO_LEFT, "the wireless information");
        const HWND right = Await(IDC_INFO_RIGHT, "the IP information");
        ASSERT_TRUE(left && right);
        EXPECT_TRUE(AwaitRows(left, {"Connected", kNetwork, "Infrastructure", "54 Mbps", "6", "WPA2-Personal", "AES"},
                              "the wireless rows"));
        // Under Wine no IP entry carries the adapter's description: the addresses and DHCP are unknown.
        EXPECT_TRUE(AwaitRows(right, {"", "", "", "", "", "00-1E-5A-4B-20-11"}, "the IP rows"));
    });

    tour.Step("save to profile", [&] {
        person::Click(Await(IDC_SAVE_TO_PROFILE, "Save To Profile"));
        const HWND prompt = AwaitDialog("Create connection profile");
        ASSERT_NE(prompt, nullptr);
        EXPECT_NE(FindLabelled(prompt, "Static", "Enter a name for the new profile."), nullptr);
        const HWND field = FindControl(prompt, IDC_PROFILE_NAME);
        person::Click(field);
        person::Type(kSavedName);
        ASSERT_TRUE(WaitFor(3000, [&] { return TextOf(field) == kSavedName; }));
        tour.Picture();
        person::Click(FindLabelled(prompt, "Button", "OK"));
        // Stored, then made the current profile.
        ASSERT_TRUE(WaitFor(kWindowMs, [&] { return Text(Values(kProfileKey), "CurProfile") == kSavedName; }))
            << "CurProfile reads \"" << Text(Values(kProfileKey), "CurProfile") << "\"";
        const auto stored = Values(profile);
        EXPECT_EQ(Text(stored, "SSID"), kNetwork);
        EXPECT_EQ(Number(stored, "SecurityMode"), 4u);
        // The link's addresses are unknown here (no IP entry under the adapter's description):
        // the profile stays a DHCP one, as the network was set up.
        EXPECT_EQ(Number(stored, "DhcpEnabled"), 1u);
        // Back to the status view.
        person::Click(Await(IDC_MORE_INFO, "Back"));
        EXPECT_NE(Await(IDC_SENTENCE, "the status view"), nullptr);
    });

    tour.Step("site survey", [&] {
        person::Click(Await(IDC_TAB_SURVEY, "the Site Survey tab"));
        RemoteListView list(Await(IDC_SURVEY_LIST, "the survey list"));
        ASSERT_TRUE(list.ok());
        const int row = AwaitRow(list, kNetwork, "the survey", kScanMs);
        ASSERT_GE(row, 0);
        EXPECT_EQ(list.Cell(row, 1), "6");
        ASSERT_TRUE(ChooseRow(list, row, "the survey"));
        EXPECT_TRUE(AwaitRows(Await(IDC_SURVEY_DETAILS, "the network's details"),
                              {kNetwork, "Infrastructure", "6", "AES", kNetworkMac}, "the details"));
    });

    tour.Step("profiles", [&] {
        person::Click(Await(IDC_TAB_PROFILES, "the Profiles tab"));
        RemoteListView list(Await(IDC_PROFILE_LIST, "the profile list"));
        ASSERT_TRUE(list.ok());
        const int saved = AwaitRow(list, kSavedName, "the profiles");
        const int first = list.FindRow("Default");
        ASSERT_GE(saved, 0);
        ASSERT_GE(first, 0) << "the first run's profile is listed as Default: " << list.Describe(2);
        EXPECT_EQ(list.Rows(), 2) << list.Describe(2);
        EXPECT_EQ(list.Cell(saved, 1), kNetwork);
        EXPECT_EQ(list.Cell(first, 1), kNetwork);
        ASSERT_TRUE(ChooseRow(list, saved, "the profiles"));
        EXPECT_TRUE(AwaitRows(Await(IDC_PROFILE_DETAILS, "the profile's details"),
                              {"Infrastructure", "Auto", "6", "WPA2-Personal", "AES"}, "the details"));
    });

    tour.Step("export", [&] {
        ASSERT_TRUE(CreateDirectoryA("C:\\Tour files", nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
        DeleteFileA(exportFile.c_str());
        exported = Values(profile);
        person::Click(Await(IDC_PROFILE_EXPORT, "Export"));
        const HWND dialog = AwaitDialog("Save As");
        ASSERT_NE(dialog, nullptr);
        ASSERT_NO_FATAL_FAILURE(ChooseFile(dialog, std::string(kSavedName) + ".cfg", exportFile, tour));
        // The registry editor makes the file first and writes it then.
        const std::string key = "[HKEY_LOCAL_MACHINE\\" + profile + "]";
        std::string text;
        EXPECT_TRUE(WaitFor(kWindowMs, [&] {
            text = Exists(exportFile) ? Utf16Ascii(FileHead(exportFile, 4096)) : "";
            return text.find(key) != std::string::npos;
        })) << exportFile << ": " << text;
        EXPECT_EQ(text.rfind("Windows Registry Editor Version 5.00", 0), 0u) << text;
        ExpectNoMessage();
    });

    tour.Step("delete", [&] {
        RemoteListView list(Await(IDC_PROFILE_LIST, "the profile list"));
        const int row = list.FindRow(kSavedName);
        ASSERT_GE(row, 0);
        ASSERT_TRUE(ChooseRow(list, row, "the profiles"));
        person::Click(Await(IDC_PROFILE_DELETE, "Delete"));
        const HWND question = AwaitDialog("Delete selected profile");
        ASSERT_NE(question, nullptr);
        EXPECT_NE(FindLabelled(question, "Static", "Are you sure you want to delete this profile ?"), nullptr);
        tour.Picture("question");
        person::Click(FindLabelled(question, "Button", "Yes"));
        EXPECT_TRUE(WaitFor(kWindowMs, [&] { return list.FindRow(kSavedName) < 0; })) << list.Describe(2);
        EXPECT_FALSE(KeyExists(profile));
        EXPECT_GE(list.FindRow("Default"), 0);
        tour.Picture();
    });

    tour.Step("import", [&] {
        person::Click(Await(IDC_PROFILE_IMPORT, "Import"));
        const HWND dialog = AwaitDialog("Open");
        ASSERT_NE(dialog, nullptr);
        ASSERT_NO_FATAL_FAILURE(ChooseFile(dialog, "", exportFile, tour));
        RemoteListView list(Await(IDC_PROFILE_LIST, "the profile list"));
        const int row = AwaitRow(list, kSavedName, "the profiles after the import");
        ASSERT_GE(row, 0);
        EXPECT_EQ(list.Cell(row, 1), kNetwork);
        EXPECT_TRUE(Values(profile) == exported) << "the profile comes back as it was exported";
        ExpectNoMessage();
        tour.Picture();
    });

    tour.Step("about", [&] {
        const HWND menu = OpenTrayMenu();
        ASSERT_NE(menu, nullptr);
        person::Press(VK_DOWN);  // the first item, "About..."
        tour.Picture("menu");
        person::Press(VK_RETURN);
        const HWND about = AwaitDialog("About Wireless Network Monitor");
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(TextOf(FindControl(about, IDC_ABOUT_VERSION)), "Wireless Monitor Version:  2.1.1.1");
        EXPECT_EQ(TextOf(FindControl(about, IDC_ABOUT_DRIVER)), "Driver Version:  5.3.0.41");
        tour.Picture();
        person::Click(FindControl(about, IDC_ABOUT_OK));
        EXPECT_TRUE(WaitFor(kWindowMs, [&] { return !IsWindow(about); })) << "OK closes it";
    });

    tour.Step("turn monitor off", [&] {
        ASSERT_NE(OpenTrayMenu(), nullptr);
        person::Press(VK_UP);  // the last item, "Show Notifications"
        person::Press(VK_UP);  // over the separator: "Turn Monitor off"
        tour.Picture("menu");
        person::Press(VK_RETURN);
        ASSERT_EQ(WaitForSingleObject(program_, kWindowMs), WAIT_OBJECT_0) << "the program ends";
        EXPECT_EQ(Frame(), nullptr) << "the frame is gone";
    });

    tour.Step("uninstall", [&] {
        ASSERT_EQ(Msiexec("/x"), 0u);
        EXPECT_FALSE(Exists(InstallDir())) << "the program's folder";
        for (int csidl : {CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAMS}) {
            EXPECT_FALSE(Exists(KnownFolder(csidl) + "\\" + kMenuFolder + "\\" + kShortcut)) << "the shortcut";
            EXPECT_FALSE(Exists(KnownFolder(csidl) + "\\" + kMenuFolder)) << "the Start menu folder";
        }
        EXPECT_EQ(Values(kRunKey).count(kRunValue), 0u) << "the Run value";
        EXPECT_EQ(Values(kInstallKey).count("FStart"), 0u) << "FStart";
        // The user's profiles stay.
        EXPECT_EQ(Text(Values(std::string(kProfileKey) + "\\" + kDefaultProfile), "SSID"), kNetwork);
        EXPECT_TRUE(Values(profile) == exported) << "the profile \"Home\"";
        EXPECT_EQ(Text(Values(kProfileKey), "CurProfile"), kSavedName);
        EXPECT_TRUE(Exists(exportFile)) << "the user's exported file";
    });
}
