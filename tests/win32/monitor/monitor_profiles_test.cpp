// The Profiles page in-process against the real registry and the real registry editor: the list
// and its details, Connect through the simulator, Edit, Delete, New, Export and Import (paths with
// blanks) and the folder their dialogs open in, hostile profile files refused with nothing
// written, and a picture of the page.
#include <winsock2.h>
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "adapter/portable/ProfileLayout.h"
#include "monitor/editor/AvailableNetworksPage.h"
#include "monitor/pages/MonitorDlg.h"
#include "monitor/pages/ProfileFileDialogs.h"
#include "monitor/pages/RegistryEditorRun.h"
#include "monitor/pages/portable/NamePrompt.h"
#include "monitor/pages/portable/ProfileListRules.h"
#include "monitor/pages/portable/ProfileRegFile.h"
#include "monitor/res/Messages.h"
#include "monitor/res/resource.h"
#include "nvxsim/nvxsim.h"
#include "tests/win32/monitor/EditorTestSupport.h"
#include "tests/win32/monitor/MonitorTestSupport.h"
#include "tests/win32/monitor/WindowFixture.h"
#include "tests/win32/support/TestSupport.h"

using namespace monitor_test;

namespace {

constexpr const char* kScenario =
    "timing associate-ms=800 scan-ms=1500\n"
    "network ssid=\"Corner Cafe\" bssid=00:13:10:55:66:77 channel=3 rssi=-52 security=open\n";

constexpr const char* kDefault = "(Default Site Profile)";

// What the file dialogs were asked and what they answer: the path, or cancel when empty.
struct DialogSeam {
    std::string answer;
    int opened = 0, saved = 0;
    std::string initial, initialFolder, filter, extension;
    DWORD flags = 0;
};
DialogSeam g_dialogs;

BOOL Answer(LPOPENFILENAMEA dialog) {
    g_dialogs.initial = dialog->lpstrFile;
    g_dialogs.initialFolder = dialog->lpstrInitialDir ? dialog->lpstrInitialDir : "";
    g_dialogs.filter.clear();  // its pairs of texts, each ended by "|"
    for (const char* text = dialog->lpstrFilter; text && *text; text += std::strlen(text) + 1)
        g_dialogs.filter += std::string(text) + "|";
    g_dialogs.extension = dialog->lpstrDefExt ? dialog->lpstrDefExt : "";
    g_dialogs.flags = dialog->Flags;
    if (g_dialogs.answer.empty() || g_dialogs.answer.size() >= dialog->nMaxFile) return FALSE;
    std::strcpy(dialog->lpstrFile, g_dialogs.answer.c_str());
    // As the real dialogs do: where the name begins in the path.
    const size_t separator = g_dialogs.answer.find_last_of('\\');
    dialog->nFileOffset = WORD(separator == std::string::npos ? 0 : separator + 1);
    return TRUE;
}
BOOL WINAPI FakeOpen(LPOPENFILENAMEA dialog) {
    ++g_dialogs.opened;
    return Answer(dialog);
}
BOOL WINAPI FakeSave(LPOPENFILENAMEA dialog) {
    ++g_dialogs.saved;
    return Answer(dialog);
}

void Click(CSkinDialog& page, int id) { monitor_test::Click(page.Handle(), id); }

// Selects the row shown as `shown` and clicks it, as the mouse does; -1 when there is none.
int ClickRow(CProfilesPage& page, const std::string& shown) {
    CTarnoListCtrl& list = page.List();
    for (int row = 0; row < list.ItemCount(); ++row) {
        if (list.MyGetItemText(row, 0) != shown) continue;
        ListView_SetItemState(list.Handle(), -1, 0, LVIS_SELECTED);
        ListView_SetItemState(list.Handle(), row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        NMITEMACTIVATE click{};
        click.hdr.hwndFrom = list.Handle();
        click.hdr.idFrom = IDC_PROFILE_LIST;
        click.hdr.code = NM_CLICK;
        click.iItem = row;
        SendMessageA(page.Handle(), WM_NOTIFY, IDC_PROFILE_LIST, reinterpret_cast<LPARAM>(&click));
        return row;
    }
    return -1;
}

// A click of the mouse at `at` (screen pixels) through the system's input, as a person gives it.
void MouseClick(POINT at) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    for (DWORD flags : {DWORD(0), DWORD(MOUSEEVENTF_LEFTDOWN), DWORD(MOUSEEVENTF_LEFTUP)}) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = LONG((at.x * 65535 + width / 2) / (width - 1));
        input.mi.dy = LONG((at.y * 65535 + height / 2) / (height - 1));
        input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
        SendInput(1, &input, sizeof input);
        Pump(60);
    }
}

BOOL CALLBACK FindDialog(HWND window, LPARAM wanted) {
    auto* found = reinterpret_cast<std::pair<const char*, HWND>*>(wanted);
    char kind[16] = {}, caption[64] = {};
    GetClassNameA(window, kind, sizeof kind);
    GetWindowTextA(window, caption, sizeof caption);
    if (std::string(kind) != "#32770" || std::string(caption) != found->first) return TRUE;
    found->second = window;
    return FALSE;
}

// Acts in the dialog titled `caption` from within its modal run; `seen` tells whether it ran.
void InDialog(const char* caption, std::function<void(HWND)> act, bool& seen) {
    seen = false;
    WhenShown(
        [caption] {
            std::pair<const char*, HWND> found{caption, nullptr};
            EnumThreadWindows(GetCurrentThreadId(), &FindDialog, reinterpret_cast<LPARAM>(&found));
            return found.second;
        },
        [act, &seen](HWND dialog) {
            seen = true;
            act(dialog);
        });
}

struct Row {
    std::string shown, ssid;
    bool selected;
    bool operator==(const Row&) const = default;
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << "{" << row.shown << ", " << row.ssid << (row.selected ? ", selected}" : "}");
}

std::vector<Row> Rows(CProfilesPage& page) {
    std::vector<Row> rows;
    CTarnoListCtrl& list = page.List();
    for (int i = 0; i < list.ItemCount(); ++i)
        rows.push_back({list.MyGetItemText(i, 0), list.MyGetItemText(i, 1),
                        ListView_GetItemState(list.Handle(), i, LVIS_SELECTED) != 0});
    return rows;
}

std::vector<std::string> Lines(CTarnoListBox& box) {
    std::vector<std::string> lines;
    for (int i = 0; i < box.Count(); ++i) lines.push_back(box.Text(i));
    return lines;
}

WLAN_PROFILE Profile(const char* name, const char* ssid, uint32_t security) {
    WLAN_PROFILE p = OpenProfile(name, ssid, 11);
    p.SecurityMode = security;
    if (security == 1) {
        p.EncryptionLevel = 2;
        p.AuthentMode = 1;
        std::strcpy(p.WEPKey[0], "0A1B2C3D4E5F60718293A4B5C6");
        p.IsKeyHexed = 1;
    } else if (security == 4) {
        std::strcpy(p.PassPhrase, "lantern-orchard-42");
        p.IsPassPhrase = 1;
    }
    return p;
}

void Store(const WLAN_PROFILE& p) { ASSERT_EQ(WriteProfile(&p), 0) << p.ProfileName; }

// SetCurrentProfile writes 128 bytes from the name's buffer.
void MakeCurrent(const char* name) {
    char buffer[128] = {};
    std::strncpy(buffer, name, sizeof buffer - 1);
    ASSERT_EQ(SetCurrentProfile(buffer), 0);
}

std::string CurrentProfile() {
    char name[129] = {};
    GetCurrentProfile(name);
    return name;
}

// Every key and value below a key of HKLM, with types and bytes: what "nothing written" compares.
void DumpKey(HKEY key, const std::string& path, std::string& out) {
    out += "[" + path + "]\n";
    for (DWORD i = 0;; ++i) {
        char name[256];
        BYTE data[4096];
        DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
        if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS) break;
        out += std::string(name) + "=" + std::to_string(type) + ":";
        for (DWORD b = 0; b < dataSize; ++b) out += std::to_string(data[b]) + ",";
        out += "\n";
    }
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD size = sizeof name;
        if (RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        HKEY sub;
        if (RegOpenKeyExA(key, name, 0, KEY_READ, &sub) != ERROR_SUCCESS) continue;
        DumpKey(sub, path + "\\" + name, out);
        RegCloseKey(sub);
    }
}

std::string Dump(const char* path) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return "(none)";
    std::string out;
    DumpKey(key, path, out);
    RegCloseKey(key);
    return out;
}

constexpr const char* kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kElsewhere = "SOFTWARE\\Velmora Test Elsewhere";

// The files of a test in a folder with blanks in its name, as "Documents and Settings" has.
class FileFolder {
public:
    FileFolder() {
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof temp, temp);
        path_ = std::string(temp) + "Velmora profile files";
        CreateDirectoryA(path_.c_str(), nullptr);
        path_ += "\\with blanks";
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~FileFolder() {
        for (const std::string& file : files_) DeleteFileA(file.c_str());
    }
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) {
        files_.push_back(path_ + "\\" + name);
        return files_.back();
    }
    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
        const std::string file = File(name);
        std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return file;
    }

private:
    std::string path_;
    std::vector<std::string> files_;
};

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<uint8_t> Unicode(const std::u16string& text) {
    std::vector<uint8_t> bytes = {0xFF, 0xFE};
    for (const char16_t c : text) bytes.insert(bytes.end(), {uint8_t(c), uint8_t(c >> 8)});
    return bytes;
}

std::vector<uint8_t> Bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

class ProfilesTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        LoadScenario(kScenario);
        g_dialogs = {};
        previous_ = file_dialogs::Replace({&FakeOpen, &FakeSave});
        testing_support::DeleteTree(kElsewhere);
        ASSERT_TRUE(testing_support::UseDhcpClientDouble());
    }
    void TearDown() override {
        file_dialogs::Replace(previous_);
        testing_support::DeleteTree(kElsewhere);
        HKEY run;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_ALL_ACCESS, &run) == ERROR_SUCCESS) {
            RegDeleteValueA(run, "Velmora Test");
            RegCloseKey(run);
        }
        WindowFixture::TearDown();
    }

    // Shows the Profiles tab, which reads the list again.
    static CProfilesPage& ShowProfiles(CMonitorDlg& w) {
        SendMessageA(w.Handle(), WM_COMMAND, MAKEWPARAM(IDC_TAB_LINK, BN_CLICKED), 0);
        SendMessageA(w.Handle(), WM_COMMAND, MAKEWPARAM(IDC_TAB_PROFILES, BN_CLICKED), 0);
        return w.Profiles();
    }

    // Waits (pumping) for the registry editor the page started; false when it never ended.
    static bool EditorDone(CProfilesPage& page) {
        Pump(CRegistryEditorRun::WaitMs + 1000, [&] { return !page.RegistryEditorRunning(); });
        return !page.RegistryEditorRunning();
    }

    file_dialogs::Calls previous_{};
};

}  // namespace

TEST_F(ProfilesTest, ThePageSetsUpItsListDetailsAndButtons) {
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        CProfilesPage& page = ShowProfiles(w);
        HWND list = page.List().Handle();
        HWND header = ListView_GetHeader(list);
        const struct {
            const char* caption;
            int width;
        } columns[] = {{"Profile", 80}, {"SSID", 90}};
        ASSERT_EQ(Header_GetItemCount(header), 2);
        for (int i = 0; i < 2; ++i) {
            char caption[32] = {};
            LVCOLUMNA column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.pszText = caption;
            column.cchTextMax = sizeof caption;
            ListView_GetColumn(list, i, &column);
            EXPECT_STREQ(caption, columns[i].caption);
            EXPECT_EQ(column.cx, columns[i].width);
        }
        const DWORD extended = ListView_GetExtendedListViewStyle(list);
        EXPECT_TRUE(extended & LVS_EX_GRIDLINES);
        EXPECT_TRUE(extended & LVS_EX_FULLROWSELECT);
        HIMAGELIST icons = ListView_GetImageList(list, LVSIL_SMALL);
        ASSERT_NE(icons, nullptr);
        EXPECT_EQ(ImageList_GetImageCount(icons), 1);
        EXPECT_FALSE(IsWindowEnabled(page.Details().Handle())) << "the details only show";
        EXPECT_TRUE(IsWindowEnabled(page.Item(IDC_PROFILE_CONNECT))) << "the adapter is bound";
        for (int id : {IDC_PROFILE_CONNECT, IDC_PROFILE_NEW, IDC_PROFILE_EDIT, IDC_PROFILE_IMPORT, IDC_PROFILE_EXPORT,
                       IDC_PROFILE_DELETE})
            EXPECT_TRUE(page.IsItemVisible(id)) << id;
        app_->State().adapterBound = 0;
        SendMessageA(Frame(), WM_MONITOR_REEVALUATE, 1, 0);
        EXPECT_FALSE(IsWindowEnabled(page.Item(IDC_PROFILE_CONNECT))) << "no adapter, no Connect";
    });
}

TEST_F(ProfilesTest, TheListFindsTheDefaultProfileAndTheCurrentOneByName) {
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        const std::vector<std::string> defaultLines = {"Infrastructure", "Auto", "11", "Disabled", "Auto"};
        struct Case {
            const char* what;
            std::function<void()> stage;
            const char* inUse;
            std::vector<Row> rows;
            std::string details;
            std::vector<std::string> lines;
        } cases[] = {
            {"no profile key", [] { testing_support::DeleteTree(profile::KeyPath); }, "", {}, kDefault,
             {"Ad Hoc", "0 M", "Auto", "Disabled", "Auto"}},  // as before: the details stay
            {"no subkeys",
             [] { ASSERT_TRUE(testing_support::PutValue(profile::KeyPath, "CurProfile", REG_SZ, "Home", 5)); }, "", {},
             kDefault, {"Ad Hoc", "0 M", "Auto", "Disabled", "Auto"}},  // the default profile as far as it reads
            {"the default profile", [] { Store(Profile(kDefault, "Velmora", 0)); }, "",
             {{"Default", "Velmora", false}}, kDefault, defaultLines},
            {"!Office sorts before it",
             [] {
                 Store(Profile("!Office", "Harbour Office", 4));
                 Store(Profile("Home", "Velmora-Home", 1));
                 MakeCurrent("Home");
             },
             "!Office",
             {{"!Office", "Harbour Office", true}, {"Default", "Velmora", false}, {"Home", "Velmora-Home", false}}, "Home",
             {"Infrastructure", "Auto", "11", "WEP(128-bit)", "Shared Key"}},
            {"the default profile in use", [] { MakeCurrent("Gone"); }, kDefault,
             {{"!Office", "Harbour Office", false}, {"Default", "Velmora", true}, {"Home", "Velmora-Home", false}}, "Home",
             {"Infrastructure", "Auto", "11", "WEP(128-bit)", "Shared Key"}},  // what was shown stays
        };
        for (const Case& c : cases) {
            c.stage();
            std::strcpy(app_->State().inUseProfileName, c.inUse);
            CProfilesPage& page = ShowProfiles(w);
            EXPECT_EQ(Rows(page), c.rows) << c.what;
            EXPECT_EQ(page.DetailsProfile(), c.details) << c.what;
            EXPECT_EQ(Lines(page.Details()), c.lines) << c.what;
        }
    });
}

TEST_F(ProfilesTest, AClickShowsTheDetailsOfEachRow) {
    Store(Profile(kDefault, "Velmora", 0));
    Store(Profile("!Office", "Harbour Office", 4));
    Store(Profile("Home", "Velmora-Home", 1));
    WLAN_PROFILE adhoc = Profile("Party", "PartyLine", 0);
    adhoc.AssociationMode = 0;
    adhoc.TxRate = 11;
    Store(adhoc);
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        CProfilesPage& page = ShowProfiles(w);
        const struct {
            const char* shown;
            const char* stored;
            std::vector<std::string> lines;
        } cases[] = {
            {"!Office", "!Office", {"Infrastructure", "Auto", "11", "WPA2-Personal", "AES"}},
            {"Default", kDefault, {"Infrastructure", "Auto", "11", "Disabled", "Auto"}},
            {"Home", "Home", {"Infrastructure", "Auto", "11", "WEP(128-bit)", "Shared Key"}},
            {"Party", "Party", {"Ad Hoc", "11 M", "Auto", "Disabled", "Auto"}},
        };
        for (const auto& c : cases) {
            ASSERT_GE(ClickRow(page, c.shown), 0) << c.shown;
            EXPECT_EQ(page.DetailsProfile(), c.stored);
            EXPECT_EQ(Lines(page.Details()), c.lines) << c.shown;
        }
        ClickRow(page, "Home");
        Pump(150);
        testing_support::SaveScreenshot(w.Handle(), "profiles-page");
    });
}

TEST_F(ProfilesTest, TheInUseProfilesRowIsInSightAndAClickThereOnlySelectsIt) {
    // More profiles than the list shows; the one in use lies below its edge unless scrolled to.
    Store(Profile(kDefault, "Velmora", 0));
    for (int i = 1; i <= 13; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "Site %02d", i);
        Store(Profile(name, name, 0));
    }
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        std::strcpy(app_->State().inUseProfileName, "Site 12");
        CProfilesPage& page = ShowProfiles(w);
        Pump(100);
        HWND list = page.List().Handle();
        const int row = page.List().SelectedRow();
        ASSERT_EQ(page.List().MyGetItemText(row, 0), "Site 12");
        RECT item{}, client{};
        ListView_GetItemRect(list, row, &item, LVIR_BOUNDS);
        GetClientRect(list, &client);
        POINT at{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
        EXPECT_TRUE(PtInRect(&client, at)) << "the selected row's middle at " << at.y << ", the list ends at "
                                           << client.bottom;
        ClientToScreen(list, &at);
        EXPECT_EQ(WindowFromPoint(at), list) << "the row is what lies there, not a button below the list";

        MouseClick(at);
        Pump(300, [&] { return page.DetailsProfile() == "Site 12"; });
        EXPECT_EQ(w.CurrentTab(), IDD_PROFILES) << "no Connect";
        EXPECT_TRUE(page.IsVisible());
        EXPECT_EQ(page.DetailsProfile(), "Site 12");
        EXPECT_EQ(page.List().SelectedRow(), row);
    });
}

TEST_F(ProfilesTest, ValuesOfAnotherTypeAndLongSsidsShowAsEveryReaderTakesThem) {
    Store(Profile("Odd", "Odd", 0));
    const std::string subkey = std::string(profile::KeyPath) + "\\Odd";
    const std::string ssid33 = std::string(33, 'S') + std::string(7, '\0');
    ASSERT_TRUE(testing_support::PutValue(subkey, "SSID", REG_SZ, ssid33.data(), 40));
    ASSERT_TRUE(testing_support::PutValue(subkey, "TxRate", REG_SZ, "54", 3));
    ASSERT_TRUE(testing_support::PutValue(subkey, "Channel", REG_SZ, "11", 3));
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        CProfilesPage& page = ShowProfiles(w);
        const std::vector<Row> rows = Rows(page);
        const auto odd = std::find_if(rows.begin(), rows.end(), [](const Row& r) { return r.shown == "Odd"; });
        ASSERT_NE(odd, rows.end());
        EXPECT_EQ(odd->ssid, std::string(32, 'S')) << "a network name's 32 bytes";
        ASSERT_GE(ClickRow(page, "Odd"), 0);
        EXPECT_EQ(Lines(page.Details()), (std::vector<std::string>{"Infrastructure", "0 M", "0", "Disabled", "Auto"}))
            << "not 13365 M and channel 12593";
    });
}

TEST_F(ProfilesTest, ConnectMakesTheProfileCurrentAndConnectsThroughTheSimulator) {
    WLAN_PROFILE cafe = Profile("Cafe", "Corner Cafe", 0);
    std::strcpy(cafe.PassPhrase, "left from before");  // stored only: the profile is open
    cafe.SecurityMode = 0;
    Store(cafe);
    // A hand-made profile with two values only.
    ASSERT_TRUE(testing_support::PutValue(std::string(profile::KeyPath) + "\\Bare", "SSID", REG_SZ, "Corner Cafe", 12));
    const DWORD infrastructure = 1;
    ASSERT_TRUE(testing_support::PutValue(std::string(profile::KeyPath) + "\\Bare", "AssociationMode", REG_DWORD,
                                          &infrastructure, 4));
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        // A subkey whose name the record cannot hold is listed but never read under a cut name.
        const std::string tooLong(130, 'L');
        ASSERT_TRUE(testing_support::PutValue(std::string(profile::KeyPath) + "\\" + tooLong, "SSID", REG_SZ,
                                              "Corner Cafe", 12));
        CProfilesPage& page = ShowProfiles(w);
        ASSERT_GE(ClickRow(page, tooLong), 0);
        nvxsimClearJournal();
        Click(page, IDC_PROFILE_CONNECT);
        EXPECT_EQ(w.CurrentTab(), IDD_PROFILES) << "nothing started";
        EXPECT_TRUE(SsidSets().empty());

        ASSERT_GE(ClickRow(page, "Cafe"), 0);
        Click(page, IDC_PROFILE_CONNECT);
        EXPECT_EQ(w.CurrentTab(), IDD_LINK_INFO);
        EXPECT_TRUE(w.LinkInfo().IsVisible());
        ASSERT_NE(w.InUseProfile(), nullptr);
        EXPECT_STREQ(w.InUseProfile()->ProfileName, "Cafe");
        EXPECT_STREQ(w.InUseProfile()->SSID, "Corner Cafe");
        EXPECT_STREQ(app_->State().inUseProfileName, "Cafe");
        EXPECT_EQ(CurrentProfile(), "Cafe");
        Pump(3000, [] {
            const auto sets = SsidSets();
            return sets.size() >= 2 && sets.back() == "Corner Cafe";
        });
        AdvanceClock(1000);
        uint32_t media = 1;
        EXPECT_EQ(GetConnectionStatus(&media), 0);
        EXPECT_EQ(media, 0u) << "associated with Corner Cafe";
        testing_support::DeleteTree((std::string(profile::KeyPath) + "\\" + tooLong).c_str());

        // Edit uses a record of its own: the one the connect worker reads keeps its profile.
        ShowProfiles(w);
        ASSERT_GE(ClickRow(w.Profiles(), "Bare"), 0);
        Click(w.Profiles(), IDC_PROFILE_EDIT);
        ASSERT_NE(w.Editor(), nullptr);
        EXPECT_STREQ(w.InUseProfile()->ProfileName, "Cafe");
        Click(*w.Editor(), IDC_NETWORKS_EXIT);
        Pump(50);

        // A profile that lacks values gets none from the profile connected before.
        ASSERT_GE(ClickRow(w.Profiles(), "Bare"), 0);
        Click(w.Profiles(), IDC_PROFILE_CONNECT);
        EXPECT_STREQ(w.InUseProfile()->ProfileName, "Bare");
        EXPECT_STREQ(w.InUseProfile()->SSID, "Corner Cafe");
        EXPECT_STREQ(w.InUseProfile()->PassPhrase, "") << "not the one of the profile before";
        EXPECT_EQ(w.InUseProfile()->SecurityMode, 0u);
    });
}

TEST_F(ProfilesTest, EditOpensTheEditorOnTheStoredRecordAndSaveKeepsItsName) {
    WLAN_PROFILE home = Profile("Home", "Velmora-Home", 4);
    Store(home);
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        CProfilesPage& page = ShowProfiles(w);
        ASSERT_GE(ClickRow(page, "Home"), 0);
        Click(page, IDC_PROFILE_EDIT);
        auto* networks = dynamic_cast<CAvailableNetworksPage*>(w.Editor());
        ASSERT_NE(networks, nullptr) << "the editor's first page";
        EXPECT_FALSE(networks->FirstRun());
        EXPECT_EQ(&networks->Record(), &page.EditRecord());
        EXPECT_EQ(0, std::memcmp(&page.EditRecord(), &home, sizeof home)) << "the stored record, whole";
        EXPECT_FALSE(page.IsVisible());
        for (int id : {IDC_TAB_LINK, IDC_TAB_SURVEY, IDC_TAB_PROFILES}) EXPECT_FALSE(w.IsItemVisible(id)) << id;
        EXPECT_TRUE(ShowsBitmap(&w, IDB_BG_SETUP));

        Click(Shown(w), IDC_NETWORKS_MANUAL);
        Click(Shown(w), IDC_NEXT);  // DHCP as stored
        Type(Shown(w), IDC_MODE_SSID, "Velmora-Home-2");
        Click(Shown(w), IDC_NEXT);
        Click(Shown(w), IDC_NEXT);  // WPA2-Personal as stored
        Click(Shown(w), IDC_NEXT);  // its passphrase as stored
        Click(Shown(w), IDC_SUMMARY_SAVE);
        Click(Shown(w), IDC_DONE_RETURN);
        Pump(50);
        EXPECT_EQ(w.Editor(), nullptr);
        EXPECT_TRUE(w.Profiles().IsVisible());
        EXPECT_EQ(Rows(page), (std::vector<Row>{{"Default", "", false}, {"Home", "Velmora-Home-2", false}}))
            << "the same name, the new SSID";
        WLAN_PROFILE stored;
        ASSERT_TRUE(ReadStored("Home", stored));
        EXPECT_STREQ(stored.PassPhrase, "lantern-orchard-42");
    });
}

TEST_F(ProfilesTest, DeleteNeverTakesTheDefaultProfileRefusesTheInUseOneAndKeepsWhatFailed) {
    Store(Profile("!Office", "Harbour Office", 4));
    Store(Profile(kDefault, "Velmora", 0));
    Store(Profile("Home", "Velmora-Home", 1));
    Store(Profile("Stuck", "Stuck", 0));
    // A profile key with a key of its own cannot be deleted by the profile store.
    ASSERT_TRUE(testing_support::PutValue(std::string(profile::KeyPath) + "\\Stuck\\Inner", "x", REG_DWORD, "\0\0\0", 4));
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        std::strcpy(app_->State().inUseProfileName, "Home");
        CProfilesPage& page = ShowProfiles(w);
        ASSERT_EQ(page.List().MyGetItemText(0, 0), "!Office") << "the default profile is not the first row";
        const struct {
            const char* shown;
            const char* stored;
            int answer;  // of the delete question; 0: it must not be asked
            std::vector<std::string> boxes;
            bool deleted;
        } cases[] = {
            {"Default", kDefault, 0, {}, false},
            {"Home", "Home", 0, {profiles::InUseRefusal}, false},
            {"!Office", "!Office", IDCANCEL, {}, false},
            {"Stuck", "Stuck", IDOK, {profiles::DeleteFailed}, false},
            {"!Office", "!Office", IDOK, {}, true},
        };
        for (const auto& c : cases) {
            const size_t rows = Rows(page).size();
            ASSERT_GE(ClickRow(page, c.shown), 0) << c.shown;
            MessageBoxAnswerer boxes(IDOK);
            bool asked = false;
            if (c.answer) InDialog("Delete selected profile", [&](HWND q) { monitor_test::Click(q, c.answer); }, asked);
            Click(page, IDC_PROFILE_DELETE);
            EXPECT_EQ(asked, c.answer != 0) << c.shown;
            EXPECT_EQ(boxes.Texts(), c.boxes) << c.shown;
            WLAN_PROFILE stored;
            EXPECT_EQ(ReadStored(c.stored, stored), !c.deleted) << c.shown;
            EXPECT_EQ(Rows(page).size(), c.deleted ? rows - 1 : rows) << c.shown;
        }
        EXPECT_EQ(Rows(page), (std::vector<Row>{{"Default", "Velmora", false},
                                                {"Home", "Velmora-Home", false},
                                                {"Stuck", "Stuck", false}}))
            << "the rows the clicks left, less the deleted one";
    });
}

TEST_F(ProfilesTest, NewAsksTheNameAndBeforeOverwritingThenOpensTheEditorOnTheNewRecord) {
    Store(Profile("Home", "Velmora-Home", 1));
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        CProfilesPage& page = ShowProfiles(w);
        const std::string name32(32, 'n');
        const struct {
            const char* what;
            std::string typed;
            int button;        // of the name prompt
            int answer;        // of the overwrite question
            std::vector<std::string> boxes;
            const char* profile;  // of the editor's record; null: no editor
            std::string ssid;
        } cases[] = {
            {"a new name", "Office", IDOK, IDYES, {}, "Office", "Office"},
            {"32 characters", name32, IDOK, IDYES, {}, name32.c_str(), name32},
            {"a stored name, No", "Home", IDOK, IDNO, {profiles::OverwriteQuestion}, nullptr, ""},
            {"a stored name, Yes", "Home", IDOK, IDYES, {profiles::OverwriteQuestion}, "Home", "Home"},
            {"Default is the default profile", "Default", IDOK, IDYES, {profiles::OverwriteQuestion}, kDefault,
             "Default"},
            {"a backslash, refused by the prompt", "Home\\Cafe", IDOK, IDYES, {prompt::RefusedNameText}, nullptr, ""},
            {"Cancel", "Office", IDCANCEL, IDYES, {}, nullptr, ""},
        };
        for (const auto& c : cases) {
            MessageBoxAnswerer boxes(c.answer);
            bool prompted = false;
            InDialog("Create connection profile", [&](HWND prompt) {
                SetDlgItemTextA(prompt, IDC_PROFILE_NAME, c.typed.c_str());
                monitor_test::Click(prompt, c.button);
                if (IsWindowVisible(prompt)) monitor_test::Click(prompt, IDCANCEL);  // it stayed: refused
            }, prompted);
            Click(page, IDC_PROFILE_NEW);
            EXPECT_TRUE(prompted) << c.what;
            EXPECT_EQ(boxes.Texts(), c.boxes) << c.what;
            auto* networks = dynamic_cast<CAvailableNetworksPage*>(w.Editor());
            ASSERT_EQ(networks != nullptr, c.profile != nullptr) << c.what;
            if (!networks) {
                EXPECT_TRUE(page.IsVisible()) << c.what;
                continue;
            }
            const WLAN_PROFILE& r = networks->Record();
            EXPECT_EQ(&r, &page.EditRecord());
            EXPECT_STREQ(r.ProfileName, c.profile) << c.what;
            EXPECT_EQ(std::string(r.SSID), c.ssid) << c.what;
            EXPECT_EQ(r.AssociationMode, 1u);
            EXPECT_EQ(r.Channel, 6u);
            EXPECT_EQ(r.TxRate, 54u);
            EXPECT_EQ(r.EntAuthenType, 2u);
            EXPECT_EQ(r.InnerAuthen, 3u);
            EXPECT_EQ(r.DhcpEnabled, 1u);
            EXPECT_FALSE(page.IsVisible());
            EXPECT_FALSE(w.IsItemVisible(IDC_TAB_PROFILES));
            EXPECT_TRUE(ShowsBitmap(&w, IDB_BG_SETUP));
            Click(*networks, IDC_NETWORKS_EXIT);  // back to the Profiles page, nothing stored
            Pump(50);
            EXPECT_TRUE(page.IsVisible()) << c.what;
        }

        // New, the editor, Save: the list shows the profile.
        MessageBoxAnswerer boxes(IDYES);
        bool prompted = false;
        InDialog("Create connection profile", [](HWND prompt) {
            SetDlgItemTextA(prompt, IDC_PROFILE_NAME, "Office");
            monitor_test::Click(prompt, IDOK);
        }, prompted);
        Click(page, IDC_PROFILE_NEW);
        Click(Shown(w), IDC_NETWORKS_MANUAL);
        Click(Shown(w), IDC_NEXT);
        Type(Shown(w), IDC_MODE_SSID, "Harbour Office");
        Click(Shown(w), IDC_NEXT);
        Click(Shown(w), IDC_NEXT);  // Disabled
        Click(Shown(w), IDC_SUMMARY_SAVE);
        Click(Shown(w), IDC_DONE_RETURN);
        Pump(50);
        EXPECT_EQ(Rows(page), (std::vector<Row>{{"Default", "", false},
                                                {"Home", "Velmora-Home", false},
                                                {"Office", "Harbour Office", false}}));
    });
}

TEST_F(ProfilesTest, ExportDeleteImportBringsTheProfileBackWhole) {
    WLAN_PROFILE back;
    WLAN_PROFILE home = Profile("My Home", "Velmora-Home", 4);
    home.DhcpEnabled = 0;
    home.IpAddr = inet_addr("192.168.7.20");
    home.IpMask = inet_addr("255.255.255.0");
    home.IpGate = inet_addr("192.168.7.1");
    home.IpDns1 = inet_addr("192.168.7.53");
    home.EncryptionLevel = 6;
    home.AuthMethod = 1;  // the numbers kept as text
    home.PeapEap = 2;
    std::strcpy(home.LoginName, "ann \"the\" user\\x");
    Store(home);
    Store(Profile(kDefault, "Velmora", 0));
    FileFolder folder;
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        CProfilesPage& page = ShowProfiles(w);
        const std::string file = folder.File("My Home.cfg");
        ASSERT_GE(ClickRow(page, "My Home"), 0);
        g_dialogs.answer = file;
        const DWORD clicked = GetTickCount();
        Click(page, IDC_PROFILE_EXPORT);
        EXPECT_LT(GetTickCount() - clicked, 1000u) << "the window does not wait for the editor";
        EXPECT_EQ(g_dialogs.saved, 1);
        EXPECT_EQ(g_dialogs.initial, "My Home.cfg");
        EXPECT_EQ(g_dialogs.extension, "cfg");
        EXPECT_EQ(g_dialogs.filter, "Cfg file(*.cfg)|*.cfg|");
        EXPECT_TRUE(g_dialogs.flags & OFN_HIDEREADONLY);
        EXPECT_TRUE(g_dialogs.flags & OFN_OVERWRITEPROMPT);
        ASSERT_TRUE(EditorDone(page));
        const regfile::Check exported = regfile::CheckProfileFile(ReadFileBytes(file));
        EXPECT_EQ(exported.fault, regfile::Fault::None);
        EXPECT_EQ(exported.profile, u"My Home");
        EXPECT_EQ(exported.values, 40u) << "every value, the static addresses included";

        ASSERT_GE(ClickRow(page, "My Home"), 0);
        bool asked = false;
        InDialog("Delete selected profile", [](HWND question) { monitor_test::Click(question, IDOK); }, asked);
        Click(page, IDC_PROFILE_DELETE);
        EXPECT_TRUE(asked);
        ASSERT_FALSE(ReadStored("My Home", back));
        ASSERT_EQ(Rows(page).size(), 1u);

        g_dialogs.answer = file;
        {
            MessageBoxAnswerer boxes(IDNO);
            Click(page, IDC_PROFILE_IMPORT);
            EXPECT_TRUE(boxes.Texts().empty()) << "a new profile needs no question";
        }
        ASSERT_TRUE(page.RegistryEditorRunning());
        HANDLE writer = CreateFileA(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_EQ(writer, INVALID_HANDLE_VALUE) << "nobody changes the checked file before the editor has read it";
        if (writer != INVALID_HANDLE_VALUE) CloseHandle(writer);
        EXPECT_EQ(g_dialogs.opened, 1);
        EXPECT_EQ(g_dialogs.initial, "");
        EXPECT_TRUE(g_dialogs.flags & OFN_FILEMUSTEXIST);
        ASSERT_TRUE(EditorDone(page));
        EXPECT_EQ(Rows(page), (std::vector<Row>{{"Default", "Velmora", false}, {"My Home", "Velmora-Home", false}}))
            << "rebuilt once the editor had merged the file";
        ASSERT_TRUE(ReadStored("My Home", back));
        EXPECT_EQ(0, std::memcmp(&back, &home, sizeof home)) << "the profile as it was, byte for byte";

        // The default profile offers Default.cfg.
        ASSERT_GE(ClickRow(page, "Default"), 0);
        g_dialogs.answer.clear();
        Click(page, IDC_PROFILE_EXPORT);
        EXPECT_EQ(g_dialogs.initial, "Default.cfg");
        EXPECT_FALSE(page.RegistryEditorRunning()) << "cancelled";
    });
}

TEST_F(ProfilesTest, FileDialogsOpenInTheDocumentsFolderThenWhereAFileWasLastChosen) {
    Store(Profile("Home", "Velmora-Home", 4));
    FileFolder folder;
    char documents[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents), S_OK);
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        CProfilesPage& page = ShowProfiles(w);
        const struct {
            const char* what;
            int button;
            std::string answer;  // empty: cancelled
            std::string opensIn;
        } steps[] = {
            {"the first export", IDC_PROFILE_EXPORT, "", documents},
            {"an import, nothing chosen before", IDC_PROFILE_IMPORT, "", documents},
            {"an export to the test folder", IDC_PROFILE_EXPORT, folder.File("Home.cfg"), documents},
            {"the next import", IDC_PROFILE_IMPORT, "", folder.Path()},
            {"an import from a drive's root", IDC_PROFILE_IMPORT, "C:\\velmora-missing.cfg", folder.Path()},
            {"the next export", IDC_PROFILE_EXPORT, "", "C:\\"},
        };
        MessageBoxAnswerer boxes(IDOK);
        for (const auto& step : steps) {
            ASSERT_GE(ClickRow(page, "Home"), 0);
            g_dialogs.answer = step.answer;
            g_dialogs.initialFolder = "(not opened)";
            Click(page, step.button);
            EXPECT_EQ(g_dialogs.initialFolder, step.opensIn) << step.what;
            EXPECT_EQ(g_dialogs.initial, step.button == IDC_PROFILE_EXPORT ? "Home.cfg" : "")
                << step.what << ": the name only, which would otherwise choose the folder";
            ASSERT_TRUE(EditorDone(page)) << step.what;
        }
        EXPECT_EQ(boxes.Texts(), std::vector<std::string>{profiles::FileUnreadable}) << "the missing file only";
    });
}

TEST_F(ProfilesTest, ImportOverAStoredProfileAsksFirst) {
    Store(Profile("Home", "Velmora-Home", 4));
    FileFolder folder;
    const std::string file = folder.Write(
        "Home new.cfg", Unicode(u"Windows Registry Editor Version 5.00\r\n\r\n"
                                u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\Home]\r\n"
                                u"\"SSID\"=\"Velmora-Attic\"\r\n\r\n"));
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        CProfilesPage& page = ShowProfiles(w);
        const struct {
            int answer;
            const char* ssid;
        } cases[] = {{IDNO, "Velmora-Home"}, {IDYES, "Velmora-Attic"}};
        for (const auto& c : cases) {
            g_dialogs.answer = file;
            MessageBoxAnswerer boxes(c.answer);
            Click(page, IDC_PROFILE_IMPORT);
            ASSERT_TRUE(EditorDone(page));
            EXPECT_EQ(boxes.Texts(), std::vector<std::string>{profiles::OverwriteQuestion});
            WLAN_PROFILE stored;
            ASSERT_TRUE(ReadStored("Home", stored));
            EXPECT_STREQ(stored.SSID, c.ssid);
            EXPECT_EQ(stored.SecurityMode, 4u) << "what the file does not name stays";
        }
    });
}

TEST_F(ProfilesTest, HostileFilesAreRefusedWithWhyAndNothingIsWritten) {
    Store(Profile("Home", "Velmora-Home", 4));
    MakeCurrent("Home");
    FileFolder folder;
    const std::u16string header = u"Windows Registry Editor Version 5.00\r\n\r\n";
    const std::u16string office = u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\Office]\r\n";
    const std::string lead = "The file was not imported, and nothing was changed.\n";
    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
        std::string why;
    } cases[] = {
        {"run key.cfg",
         Unicode(header + office + u"\"SSID\"=\"Harbour\"\r\n\r\n" +
                 u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run]\r\n"
                 u"\"Velmora Test\"=\"C:\\\\evil.exe\"\r\n"),
         "Line 6 names the key \"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\", which is "
         "not a profile's key."},
        {"elsewhere.cfg", Unicode(header + u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora Test Elsewhere]\r\n\"SSID\"=\"x\"\r\n"),
         "Line 3 names the key \"HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora Test Elsewhere\", which is not a profile's key."},
        {"two profiles.cfg",
         Unicode(header + office + u"\"SSID\"=\"Harbour\"\r\n\r\n" +
                 u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\Attic]\r\n\"SSID\"=\"a\"\r\n"),
         "Line 6 names a second profile, \"Attic\", after \"Office\"."},
        {"wrong type.cfg", Unicode(header + office + u"\"SSID\"=\"Harbour\"\r\n\"Channel\"=\"6\"\r\n"),
         "Line 5 gives \"Channel\" a type it has not got in a profile."},
        {"not registry.cfg", Bytes("[WLAN Profile]\r\nProfileName=Office\r\nSSID=Harbour\r\n"),
         "The file is not a profile exported by the registry editor."},
        {"empty.cfg", {}, "The file is empty."},
        {"foreign.cfg",
         Unicode(header + u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\Caf\u4e2d]\r\n\"SSID\"=\"x\"\r\n"),
         "The profile's name, \"Caf?\", has characters this system cannot hold."},
        {"trailing dot.cfg",
         Unicode(header + u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\Home.]\r\n\"SSID\"=\"x\"\r\n"),
         std::string("The profile's name, \"Home.\", cannot be used: ") + profile::CreatableNameRule + "."},
        {"escape.cfg",
         Unicode(header + u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\Esc\x1b]\r\n\"SSID\"=\"x\"\r\n"),
         std::string("The profile's name, \"Esc?\", cannot be used: ") + profile::CreatableNameRule + "."},
        {"current.cfg",
         Unicode(header + u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE]\r\n\"CurProfile\"=\"Office\"\r\n"),
         "Line 3 names the key \"HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\", which is not a profile's key."},
    };
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        CProfilesPage& page = ShowProfiles(w);
        const auto before = Rows(page);
        for (const auto& c : cases) {
            const std::string profiles = Dump(profile::KeyPath), run = Dump(kRunKey);
            g_dialogs.answer = folder.Write(c.name, c.bytes);
            MessageBoxAnswerer boxes(IDOK);
            Click(page, IDC_PROFILE_IMPORT);
            EXPECT_FALSE(page.RegistryEditorRunning()) << c.name << ": the registry editor never started";
            Pump(100);  // a registry editor started all the same would have merged by now
            EXPECT_EQ(boxes.Texts(), std::vector<std::string>{lead + c.why}) << c.name;
            EXPECT_EQ(Dump(profile::KeyPath), profiles) << c.name;
            EXPECT_EQ(Dump(kRunKey), run) << c.name;
            EXPECT_EQ(Dump(kElsewhere), "(none)") << c.name;
            EXPECT_EQ(Rows(page), before) << c.name;
        }
        // The same check passes files that hold only the profile, in either form: the registry
        // editor merges them.
        const struct {
            const char* file;
            std::vector<uint8_t> bytes;
            const char* profile;
        } merged[] = {
            {"office.cfg", Unicode(header + office + u"\"SSID\"=\"Harbour\"\r\n"), "Office"},
            {"cafe4.cfg",
             Bytes("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\Caf\xE9]\r\n"
                   "\"SSID\"=\"Harbour\"\r\n\"Channel\"=dword:0000000b\r\n\r\n"),
             "Caf\xE9"},
        };
        for (const auto& m : merged) {
            g_dialogs.answer = folder.Write(m.file, m.bytes);
            Click(page, IDC_PROFILE_IMPORT);
            ASSERT_TRUE(EditorDone(page));
            WLAN_PROFILE stored;
            ASSERT_TRUE(ReadStored(m.profile, stored)) << m.file;
            EXPECT_STREQ(stored.SSID, "Harbour") << m.file;
        }
    });
}

TEST_F(ProfilesTest, FailuresOfTheRegistryEditorAreTold) {
    Store(Profile("Home", "Velmora-Home", 4));
    FileFolder folder;
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        CProfilesPage& page = ShowProfiles(w);
        ASSERT_GE(ClickRow(page, "Home"), 0);
        g_dialogs.answer = folder.File("no such folder\\Home.cfg");
        MessageBoxAnswerer boxes(IDOK);
        Click(page, IDC_PROFILE_EXPORT);
        ASSERT_TRUE(EditorDone(page));
        EXPECT_EQ(boxes.Texts(), std::vector<std::string>{profiles::ExportFailed});

        // A file that cannot be read is refused before anything else.
        g_dialogs.answer = folder.File("missing.cfg");
        Click(page, IDC_PROFILE_IMPORT);
        EXPECT_FALSE(page.RegistryEditorRunning());
        EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{profiles::ExportFailed, profiles::FileUnreadable}));

        char windows[MAX_PATH] = {};
        GetSystemWindowsDirectoryA(windows, sizeof windows);
        EXPECT_EQ(CRegistryEditorRun::EditorPath(), std::string(windows) + "\\regedit.exe");
        EXPECT_NE(GetFileAttributesA(CRegistryEditorRun::EditorPath().c_str()), INVALID_FILE_ATTRIBUTES);
    });
}
