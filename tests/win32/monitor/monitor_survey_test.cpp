// The Site Survey page and the key dialogs in-process with the simulated adapter: the scan and the
// list, details, sorting, connecting through the dialogs, the IP question, the refusals, and
// pictures of the list and of each dialog.
#include <winsock2.h>
#include <windows.h>
#include <commctrl.h>
#include <iphlpapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "adapter/Seams.h"
#include "adapter/portable/Ndis.h"
#include "monitor/core/AppState.h"
#include "monitor/pages/MonitorDlg.h"
#include "monitor/keys/SecurityDialogs.h"
#include "monitor/keys/portable/KeyDialogRules.h"
#include "monitor/survey/portable/SurveyRules.h"
#include "monitor/res/resource.h"
#include "nvxsim/model/Status.h"
#include "nvxsim/nvxsim.h"
#include "tests/support/BssidListBuilder.h"
#include "tests/win32/monitor/EditorTestSupport.h"
#include "tests/win32/monitor/MonitorTestSupport.h"
#include "tests/win32/monitor/WindowFixture.h"
#include "tests/win32/support/TestSupport.h"

using namespace monitor_test;
using testing_support::SaveScreenshot;

namespace {

const std::string kScenario = std::string("timing associate-ms=800 scan-ms=1500\n") + kEightNetworks;

constexpr const char* kWepCaption = "Wireless Security - WEP";
constexpr const char* kWpaCaption = "Wireless Security - WPA-Personal";
constexpr const char* kWpa2Caption = "Wireless Security - WPA2-Personal";

// An adapter whose status names a static address, or DHCP.
struct StagedAddresses {
    IP_ADAPTER_INFO adapter{};
};
StagedAddresses g_addresses;

void SetAddress(IP_ADDR_STRING& a, const char* ip, const char* mask = "") {
    std::snprintf(a.IpAddress.String, sizeof a.IpAddress.String, "%s", ip);
    std::snprintf(a.IpMask.String, sizeof a.IpMask.String, "%s", mask);
}

DWORD WINAPI StagedGetAdaptersInfo(PIP_ADAPTER_INFO info, PULONG size) {
    if (!info || *size < sizeof(IP_ADAPTER_INFO)) {
        *size = sizeof(IP_ADAPTER_INFO);
        return ERROR_BUFFER_OVERFLOW;
    }
    *info = g_addresses.adapter;
    info->Next = nullptr;
    return ERROR_SUCCESS;
}

struct Cells {
    std::string ssid, channel, signal;
    bool operator==(const Cells&) const = default;
};

std::vector<Cells> Rows(CTarnoListCtrl& list) {
    std::vector<Cells> rows;
    for (int i = 0; i < list.ItemCount(); ++i)
        rows.push_back({list.MyGetItemText(i, 0), list.MyGetItemText(i, 1), list.MyGetItemText(i, 2)});
    return rows;
}

int RowOf(CTarnoListCtrl& list, const std::string& ssid) {
    for (int i = 0; i < list.ItemCount(); ++i)
        if (list.MyGetItemText(i, 0) == ssid) return i;
    return -1;
}

// Selects a row as a click does (the list reports the change to the page).
bool Select(CTarnoListCtrl& list, const std::string& ssid) {
    const int row = RowOf(list, ssid);
    if (row < 0) return false;
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list.Handle(), LVM_SETITEMSTATE, WPARAM(row), reinterpret_cast<LPARAM>(&item));
    return true;
}

std::vector<std::string> Lines(CTarnoListBox& box) {
    std::vector<std::string> lines;
    for (int i = 0; i < box.Count(); ++i) lines.push_back(box.Text(i));
    return lines;
}

// Picks entry `index` of a combo box as the user does.
void Choose(HWND dialog, int id, int index) {
    HWND combo = GetDlgItem(dialog, id);
    SendMessageA(combo, CB_SETCURSEL, WPARAM(index), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

std::string Text(HWND dialog, int id) {
    char text[256] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

std::vector<std::string> ComboTexts(HWND dialog, int id) {
    std::vector<std::string> texts;
    HWND combo = GetDlgItem(dialog, id);
    const int count = int(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[64] = {};
        SendMessageA(combo, CB_GETLBTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
        texts.push_back(text);
    }
    return texts;
}

int ComboSelection(HWND dialog, int id) { return int(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0)); }

bool Rounded422(HWND window) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(window, region);
    const struct {
        int x, y;
        bool inside;
    } probes[] = {{0, 0, false},   {1, 1, false},    {579, 1, false},  {1, 420, false}, {580, 421, false},
                  {10, 0, true},   {0, 10, true},    {290, 211, true}, {570, 5, true},  {10, 421, true},
                  {580, 211, true}, {290, 422, false}};
    bool ok = kind == COMPLEXREGION;
    for (const auto& p : probes) {
        if ((PtInRegion(region, p.x, p.y) != FALSE) != p.inside) {
            ADD_FAILURE() << "region at " << p.x << "," << p.y;
            ok = false;
        }
    }
    DeleteObject(region);
    return ok;
}

class SurveyTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        adapter_.emplace();
        LoadScenario(kScenario);
        g_addresses = {};
        std::strcpy(g_addresses.adapter.Description, "eth0");
        g_addresses.adapter.DhcpEnabled = 1;
        seams::Platform p = seams::Current();
        p.getAdaptersInfo = &StagedGetAdaptersInfo;
        previous_ = seams::Replace(p);
        ASSERT_TRUE(testing_support::UseDhcpClientDouble());
    }
    void TearDown() override {
        seams::Replace(previous_);
        adapter_.reset();
        WindowFixture::TearDown();
    }

    // The adapter's status names a static address (or DHCP) for the program's adapter description.
    void StageAddresses(bool dhcp) {
        IP_ADAPTER_INFO& a = g_addresses.adapter;
        std::strcpy(a.Description, AdapterDescription());
        SetAddress(a.IpAddressList, "192.168.5.20", "255.255.255.0");
        SetAddress(a.GatewayList, "192.168.5.1");
        SetAddress(a.DhcpServer, "192.168.5.2");
        a.DhcpEnabled = dhcp ? 1 : 0;
    }

    // Site Survey tab, Refresh, the scan completes on the simulator's clock, timer 100 fires.
    void Survey(CMonitorDlg& w) {
        SendMessageA(w.Handle(), WM_COMMAND, MAKEWPARAM(IDC_TAB_SURVEY, BN_CLICKED), 0);
        Click(w.SiteSurvey().Handle(), IDC_SURVEY_REFRESH);
        AdvanceClock(2000);
        SendMessageA(w.SiteSurvey().Handle(), WM_TIMER, TIMER_SURVEY_SCAN, 0);
    }

    // After a connect started on a cleared journal: waits until the connect worker set `ssid`
    // (after Disconnect's dummy), then for the simulator's association.
    static bool Associated(const std::string& ssid) {
        WorkerApplied(ssid);
        AdvanceClock(1000);
        uint32_t media = 1;
        return GetConnectionStatus(&media) == 0 && media == 0;
    }

    static void WorkerApplied(const std::string& ssid) {
        Pump(3000, [&] {
            const auto sets = SsidSets();
            return sets.size() >= 2 && sets.back() == ssid;
        });
    }

    std::optional<StagedAdapter> adapter_;
    seams::Platform previous_{};
};

}  // namespace

TEST_F(SurveyTest, KeyDialogsCoverTheWindowWithTheirShapeControlsAndLook) {
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        RECT window;
        GetWindowRect(w.Handle(), &window);
        const struct {
            uint32_t securityMode, encryptionLevel;
            const char* caption;
            const char* screenshot;
            int security;
            int selected;
        } cases[] = {{1, 2, kWepCaption, "key-dialog-wep", IDC_WEP_SECURITY, 0},
                     {2, 5, kWpaCaption, "key-dialog-wpa", IDC_WPA_SECURITY, 1},
                     {4, 6, kWpa2Caption, "key-dialog-wpa2", IDC_WPA2_SECURITY, 2}};
        for (const auto& c : cases) {
            WLAN_PROFILE record{};
            std::strcpy(record.SSID, "Velmora-Home");
            record.SecurityMode = c.securityMode;
            record.EncryptionLevel = c.encryptionLevel;
            std::strcpy(record.PassPhrase, "from before");
            bool checked = false;
            InKeyDialog(c.caption, [&](HWND dialog) {
                checked = true;
                EXPECT_FALSE(IsWindowVisible(w.Handle())) << c.caption << ": the monitor window is hidden";
                RECT box;
                GetWindowRect(dialog, &box);
                EXPECT_EQ(box.left, window.left);
                EXPECT_EQ(box.top, window.top);
                EXPECT_EQ(box.right - box.left, 581);
                EXPECT_TRUE(Rounded422(dialog)) << c.caption;
                EXPECT_EQ(ComboTexts(dialog, c.security), (std::vector<std::string>{"WEP", "WPA-Personal", "WPA2-Personal"}));
                EXPECT_EQ(ComboSelection(dialog, c.security), c.selected);
                if (c.securityMode == 1) {
                    EXPECT_EQ(ComboTexts(dialog, IDC_WEP_KEY_LENGTH), (std::vector<std::string>{"64 bits", "128 bits"}));
                    EXPECT_EQ(ComboSelection(dialog, IDC_WEP_KEY_LENGTH), 1);
                    EXPECT_EQ(Text(dialog, IDC_WEP_KEY), "00:00:00:00:00:00:00:00:00:00:00:00:00");
                    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_WEP_PASSPHRASE, EM_GETLIMITTEXT, 0, 0), 31);
                } else if (c.securityMode == 2) {
                    EXPECT_EQ(ComboTexts(dialog, IDC_WPA_CIPHER), (std::vector<std::string>{"TKIP", "AES"}));
                    EXPECT_EQ(ComboSelection(dialog, IDC_WPA_CIPHER), 0);
                    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_WPA_PASSPHRASE, EM_GETLIMITTEXT, 0, 0), 63);
                } else {
                    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_WPA2_PASSPHRASE, EM_GETLIMITTEXT, 0, 0), 63);
                }
                // Dragging moves the dialog itself by the pointer's displacement.
                SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 120));
                SendMessageA(dialog, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(35, 122));
                SendMessageA(dialog, WM_LBUTTONUP, 0, MAKELPARAM(35, 122));
                RECT moved;
                GetWindowRect(dialog, &moved);
                EXPECT_EQ(moved.left - box.left, 5);
                EXPECT_EQ(moved.top - box.top, 2);
                SetWindowPos(dialog, nullptr, box.left, box.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
                Pump(150);
                SaveScreenshot(dialog, c.screenshot);
                Click(dialog, IDC_CANCEL);
            });
            EXPECT_FALSE(AskNetworkKey(w, record)) << c.caption << ": Cancel gives up";
            EXPECT_TRUE(checked) << c.caption;
            EXPECT_TRUE(IsWindowVisible(w.Handle())) << c.caption << ": shown again";
            EXPECT_EQ(record.SecurityMode, c.securityMode) << "no security change";
        }
    });
}

TEST_F(SurveyTest, WepDialogMakesTheKeyFromThePassphraseAndTakesATypedOne) {
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        WLAN_PROFILE record{};
        record.SecurityMode = 1;
        record.EncryptionLevel = 1;
        std::strcpy(record.WEPKey[0], "FFFFFFFFFF");
        InKeyDialog(kWepCaption, [&](HWND dialog) {
            EXPECT_STREQ(record.WEPKey[0], "0000000000") << "initialised to the zero key";
            SetDlgItemTextA(dialog, IDC_WEP_PASSPHRASE, "abcde");
            EXPECT_EQ(Text(dialog, IDC_WEP_KEY), "11:67:73:94:13") << "nwepgen's first key";
            EXPECT_STREQ(record.WEPKey[0], "1167739413");
            EXPECT_EQ(record.IsPassPhrase, 1u);
            Choose(dialog, IDC_WEP_KEY_LENGTH, 1);
            EXPECT_EQ(record.EncryptionLevel, 2u);
            EXPECT_EQ(Text(dialog, IDC_WEP_PASSPHRASE), "") << "a new length empties the passphrase";
            EXPECT_EQ(Text(dialog, IDC_WEP_KEY), "00:00:00:00:00:00:00:00:00:00:00:00:00");
            SetDlgItemTextA(dialog, IDC_WEP_PASSPHRASE, "lantern orchard");
            EXPECT_EQ(Text(dialog, IDC_WEP_KEY), "1A:BB:46:29:78:B3:5A:9E:B2:9C:E0:D8:A9") << "the MD5 method's key";
            SetDlgItemTextA(dialog, IDC_WEP_PASSPHRASE, "");
            EXPECT_EQ(record.IsPassPhrase, 0u);
            EXPECT_EQ(Text(dialog, IDC_WEP_KEY), "00:00:00:00:00:00:00:00:00:00:00:00:00");
            Choose(dialog, IDC_WEP_KEY_LENGTH, 0);
            EXPECT_EQ(record.EncryptionLevel, 1u);
            EXPECT_EQ(Text(dialog, IDC_WEP_KEY), "00:00:00:00:00");
            // Typed into the masked field: hexadecimal digits only, the separators stay.
            HWND key = GetDlgItem(dialog, IDC_WEP_KEY);
            SendMessageA(key, EM_SETSEL, 0, 0);
            for (char c : std::string("0a1B2c3D4e")) SendMessageA(key, WM_CHAR, WPARAM(c), 0);
            SendMessageA(key, WM_CHAR, WPARAM('g'), 0);
            EXPECT_EQ(Text(dialog, IDC_WEP_KEY), "0A:1B:2C:3D:4E");
            EXPECT_STREQ(record.WEPKey[0], "0A1B2C3D4E");
            Click(dialog, IDC_OK);
        });
        EXPECT_TRUE(AskNetworkKey(w, record));
        EXPECT_EQ(record.SecurityMode, 1u);
        EXPECT_EQ(record.IsKeyHexed, 1u);
        EXPECT_STREQ(record.WEPKey[0], "0A1B2C3D4E");
        EXPECT_TRUE(IsWindowVisible(w.Handle()));
    });
}

TEST_F(SurveyTest, WpaDialogRefusesASevenCharacterPassphraseAndTakesEight) {
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        MessageBoxAnswerer answerer(IDOK);
        WLAN_PROFILE record{};
        record.SecurityMode = 2;
        record.EncryptionLevel = 6;
        InKeyDialog(kWpaCaption, [&](HWND dialog) {
            EXPECT_EQ(ComboSelection(dialog, IDC_WPA_CIPHER), 1) << "AES for level 6";
            SetDlgItemTextA(dialog, IDC_WPA_PASSPHRASE, "1234567");
            Click(dialog, IDC_OK);
            EXPECT_EQ(answerer.Texts(), std::vector<std::string>{"Please enter the correct Passphrase"});
            EXPECT_TRUE(IsWindow(dialog) && IsWindowVisible(dialog)) << "stays open";
            EXPECT_EQ(Text(dialog, IDC_WPA_PASSPHRASE), "") << "emptied";
            EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_WPA_PASSPHRASE));
            Choose(dialog, IDC_WPA_CIPHER, 0);
            SetDlgItemTextA(dialog, IDC_WPA_PASSPHRASE, "12345678");
            Click(dialog, IDC_OK);
        });
        EXPECT_TRUE(AskNetworkKey(w, record));
        EXPECT_EQ(answerer.Texts().size(), 1u);
        EXPECT_EQ(record.SecurityMode, 2u);
        EXPECT_EQ(record.EncryptionLevel, 5u) << "TKIP chosen";
        EXPECT_EQ(record.IsPassPhrase, 1u);
        EXPECT_STREQ(record.PassPhrase, "12345678");
    });
}

TEST_F(SurveyTest, RefreshListsTheNetworksAfterTheTimer) {
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        CSiteSurveyPage& page = w.SiteSurvey();
        SendMessageA(w.Handle(), WM_COMMAND, MAKEWPARAM(IDC_TAB_SURVEY, BN_CLICKED), 0);
        Click(page.Handle(), IDC_SURVEY_REFRESH);
        EXPECT_TRUE(page.ListEmpty()) << "Refresh clears the list";
        EXPECT_TRUE(page.Animation().IsPlaying());
        EXPECT_TRUE(page.IsItemVisible(IDC_SCAN_ANIMATION));
        EXPECT_FALSE(page.List().GridLines());
        AdvanceClock(2000);  // the scan completes on the simulator's clock
        SendMessageA(page.Handle(), WM_TIMER, TIMER_SURVEY_SCAN, 0);
        EXPECT_FALSE(page.IsItemVisible(IDC_SCAN_ANIMATION));
        EXPECT_TRUE(page.List().GridLines());
        EXPECT_EQ(app_->State().currentSurvey.load(), page.ScanBuffer());
        std::vector<std::string> ssids;
        for (const Cells& c : Rows(page.List())) ssids.push_back(c.ssid);
        EXPECT_EQ(ssids, (std::vector<std::string>{"Velmora-Home", "Harbour Office", "OldMill", "Corner Cafe",
                                                   "Campus-Secure", "Lighthouse", "PartyLine"}))
            << "buffer order, the hidden network left out";
        const std::vector<Cells> rows = Rows(page.List());
        ASSERT_EQ(rows.size(), 7u);
        EXPECT_EQ(rows[0], (Cells{"Velmora-Home", "6", "100%"}));
        EXPECT_EQ(rows[5], (Cells{"Lighthouse", "14", "0%"})) << "channel 14 and a weak signal";
        EXPECT_EQ(rows[6].channel, "2");

        // The frame's and the supervisor's refill go through the window to the same list.
        page.List().MyDeleteAllItems();
        w.RefillSiteSurvey();
        EXPECT_EQ(Rows(page.List()), rows);

        // A list the adapter does not deliver leaves no earlier list in the buffer to be shown.
        Click(page.Handle(), IDC_SURVEY_REFRESH);
        AdvanceClock(2000);
        nvxsimFailNext(oid::BssidList, nvxsim::StatusFailure, 1);
        SendMessageA(page.Handle(), WM_TIMER, TIMER_SURVEY_SCAN, 0);
        EXPECT_TRUE(page.ListEmpty());
        EXPECT_FALSE(page.IsItemVisible(IDC_SCAN_ANIMATION));
        w.RefillSiteSurvey();
        EXPECT_TRUE(page.ListEmpty()) << "the buffer counts no networks";

        // A refused scan request at the timer: the list stays empty, the animation runs on.
        Click(page.Handle(), IDC_SURVEY_REFRESH);
        AdvanceClock(2000);
        nvxsimFailNext(oid::BssidListScan, nvxsim::StatusFailure, 1);
        SendMessageA(page.Handle(), WM_TIMER, TIMER_SURVEY_SCAN, 0);
        EXPECT_TRUE(page.ListEmpty());
        EXPECT_TRUE(page.Animation().IsPlaying());
    });
}

TEST_F(SurveyTest, TheSelectedRowShowsItsDetails) {
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        Survey(w);
        CSiteSurveyPage& page = w.SiteSurvey();
        EXPECT_EQ(page.Details().Count(), 0) << "nothing selected";
        const struct {
            const char* ssid;
            std::vector<std::string> lines;
        } cases[] = {
            {"Velmora-Home", {"Velmora-Home", "Infrastructure", "6", "AES", "00-14-6C-A1-22-33"}},
            {"Harbour Office", {"Harbour Office", "Infrastructure", "1", "TKIP", "00-1B-2F-10-44-01"}},
            {"OldMill", {"OldMill", "Infrastructure", "11", "WEP", "00-0F-66-3C-9A-10"}},
            {"Corner Cafe", {"Corner Cafe", "Infrastructure", "3", "No", "00-13-10-55-66-77"}},
            {"Lighthouse", {"Lighthouse", "Infrastructure", "14", "AES", "00-21-91-AB-CD-EF"}},
            {"PartyLine", {"PartyLine", "Ad Hoc", "2", "No", "02-3A-11-22-33-44"}},
        };
        for (const auto& c : cases) {
            ASSERT_TRUE(Select(page.List(), c.ssid)) << c.ssid;
            EXPECT_EQ(Lines(page.Details()), c.lines) << c.ssid;
        }
        // A refill from outside, and a new scan, clear the details of a row no longer selected.
        w.RefillSiteSurvey();
        EXPECT_EQ(page.Details().Count(), 0);
        ASSERT_TRUE(Select(page.List(), "OldMill"));
        Click(page.Handle(), IDC_SURVEY_REFRESH);
        EXPECT_EQ(page.Details().Count(), 0);
    });
}

TEST_F(SurveyTest, PictureOfTheDefaultEnvironmentWithARowSelected) {
    ResetSimulator();  // the built-in environment instead of the test's own
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        Survey(w);
        CSiteSurveyPage& page = w.SiteSurvey();
        EXPECT_GE(page.List().ItemCount(), 7);
        ASSERT_TRUE(Select(page.List(), "Harbour Office"));
        EXPECT_EQ(Lines(page.Details()).at(3), "TKIP");
        SetFocus(page.List().Handle());
        Pump(150);
        SaveScreenshot(w.Handle(), "site-survey-list");
    });
}

TEST_F(SurveyTest, ALongSsidShowsWholeInItsTipAndDetails) {
    const std::string ssid = "Velmora-Guest-Network-Floor-3-AB";  // 32 characters
    LoadScenario("network ssid=\"" + ssid + "\" bssid=00:13:10:55:66:77 channel=14 rssi=-52 security=open\n");
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        Survey(w);
        CSiteSurveyPage& page = w.SiteSurvey();
        ASSERT_TRUE(Select(page.List(), ssid));
        EXPECT_EQ(Lines(page.Details()).at(0), ssid);
        RECT cell{};
        cell.left = LVIR_LABEL;
        SendMessageA(page.List().Handle(), LVM_GETSUBITEMRECT, 0, reinterpret_cast<LPARAM>(&cell));
        POINT at{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
        ClientToScreen(page.List().Handle(), &at);
        SetCursorPos(at.x, at.y);
        Pump(2000, [&] {
            HWND tip = FindWindowA(TOOLTIPS_CLASSA, nullptr);
            return tip && IsWindowVisible(tip);
        });
        EXPECT_EQ(page.List().TipText(), ssid);
        SaveScreenshot(w.Handle(), "site-survey-long-ssid");
        SetCursorPos(0, 0);
    });
}

TEST_F(SurveyTest, EachHeaderSortsItsColumnBothWays) {
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        Survey(w);
        CSiteSurveyPage& page = w.SiteSurvey();
        auto column = [&](int c) {
            std::vector<std::string> texts;
            for (int i = 0; i < page.List().ItemCount(); ++i) texts.push_back(page.List().MyGetItemText(i, c));
            return texts;
        };
        auto numbers = [&](int c) {
            std::vector<int> values;
            for (const std::string& t : column(c)) values.push_back(std::atoi(t.c_str()));
            return values;
        };
        const struct {
            int header, column;
            bool numeric;
        } cases[] = {{IDC_HEADER_SSID, 0, false}, {IDC_HEADER_CHANNEL, 1, true}, {IDC_HEADER_SIGNAL, 2, true}};
        for (const auto& c : cases) {
            for (bool ascending : {true, false}) {
                Click(page.Handle(), c.header);
                if (c.numeric) {
                    std::vector<int> v = numbers(c.column), sorted = v;
                    if (ascending) std::sort(sorted.begin(), sorted.end());
                    else std::sort(sorted.begin(), sorted.end(), std::greater<int>());
                    EXPECT_EQ(v, sorted) << "column " << c.column << (ascending ? " ascending" : " descending");
                } else {
                    std::vector<std::string> v = column(c.column), sorted = v;
                    auto less = [](const std::string& a, const std::string& b) {
                        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
                            return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
                        });
                    };
                    std::sort(sorted.begin(), sorted.end(), less);
                    if (!ascending) std::reverse(sorted.begin(), sorted.end());
                    EXPECT_EQ(v, sorted) << (ascending ? "SSID ascending" : "SSID descending");
                    EXPECT_EQ(v.front(), ascending ? "Campus-Secure" : "Velmora-Home");
                }
            }
        }
        // The rows keep their cells together: details still find each network.
        ASSERT_TRUE(Select(page.List(), "Harbour Office"));
        EXPECT_EQ(Lines(page.Details()).at(2), "1");
    });
}

TEST_F(SurveyTest, ConnectToAnOpenNetworkHandsTheRecordToTheWorker) {
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        Survey(w);
        CSiteSurveyPage& page = w.SiteSurvey();
        std::strcpy(app_->State().inUseProfileName, "Home");
        ASSERT_TRUE(Select(page.List(), "Corner Cafe"));
        nvxsimClearJournal();
        Click(page.Handle(), IDC_SURVEY_CONNECT);  // no dialog for an open network
        EXPECT_EQ(w.CurrentTab(), IDD_LINK_INFO);
        EXPECT_TRUE(w.LinkInfo().IsVisible());
        EXPECT_EQ(app_->Supervisor().WorkerSlot().load(), &page.Record());
        EXPECT_EQ(w.InUseProfile(), &page.Record());
        EXPECT_STREQ(app_->State().inUseProfileName, "");
        const WLAN_PROFILE& r = page.Record();
        EXPECT_STREQ(r.SSID, "Corner Cafe");
        EXPECT_STREQ(r.ProfileName, "") << "the page's record has no name";
        EXPECT_EQ(r.AssociationMode, 1u);
        EXPECT_EQ(r.Channel, 3u);
        EXPECT_EQ(r.SecurityMode, 0u);
        EXPECT_EQ(r.DhcpEnabled, 1u);
        EXPECT_EQ(r.TxRate, 54u);
        EXPECT_TRUE(Associated("Corner Cafe"));
    });
}

TEST_F(SurveyTest, AProtectedNetworkConnectsWithTheRightPassphraseOnly) {
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        Survey(w);
        CSiteSurveyPage& page = w.SiteSurvey();
        const struct {
            const char* passphrase;
            bool associates;
        } cases[] = {{"not-the-passphrase", false}, {"lantern-orchard-42", true}};
        for (const auto& c : cases) {
            ASSERT_TRUE(Select(page.List(), "Velmora-Home"));
            InKeyDialog(kWpa2Caption, [&](HWND dialog) {
                SetDlgItemTextA(dialog, IDC_WPA2_PASSPHRASE, c.passphrase);
                Click(dialog, IDC_OK);
            });
            nvxsimClearJournal();
            Click(page.Handle(), IDC_SURVEY_CONNECT);
            EXPECT_EQ(w.CurrentTab(), IDD_LINK_INFO);
            EXPECT_EQ(page.Record().SecurityMode, 4u) << "RSN with CCMP asks with the WPA2-Personal dialog";
            EXPECT_STREQ(page.Record().PassPhrase, c.passphrase);
            EXPECT_EQ(Associated("Velmora-Home"), c.associates) << c.passphrase;
            SendMessageA(w.Handle(), WM_COMMAND, MAKEWPARAM(IDC_TAB_SURVEY, BN_CLICKED), 0);
        }
        // The next network's connect starts without the passphrase of this one.
        ASSERT_TRUE(Select(page.List(), "Corner Cafe"));
        nvxsimClearJournal();
        Click(page.Handle(), IDC_SURVEY_CONNECT);
        EXPECT_STREQ(page.Record().PassPhrase, "");
        EXPECT_EQ(page.Record().IsPassPhrase, 0u);
        WorkerApplied("Corner Cafe");
    });
}

TEST_F(SurveyTest, ASecurityChangeReopensTheMatchingDialogOnTheSameRecord) {
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        Survey(w);
        CSiteSurveyPage& page = w.SiteSurvey();
        ASSERT_TRUE(Select(page.List(), "OldMill"));
        InKeyDialog(kWepCaption, [&](HWND dialog) {
            SetDlgItemTextA(dialog, IDC_WEP_PASSPHRASE, "abcde");
            InKeyDialog(kWpaCaption, [&](HWND next) {
                EXPECT_EQ(page.Record().SecurityMode, 2u);
                EXPECT_STREQ(page.Record().WEPKey[0], "") << "the WEP dialog's key went with the change";
                EXPECT_STREQ(page.Record().PassPhrase, "");
                InKeyDialog(kWpa2Caption, [&](HWND last) { Click(last, IDC_CANCEL); });
                Choose(next, IDC_WPA_SECURITY, 2);
            });
            Choose(dialog, IDC_WEP_SECURITY, 1);
        });
        nvxsimClearJournal();
        Click(page.Handle(), IDC_SURVEY_CONNECT);
        EXPECT_EQ(page.Record().SecurityMode, 4u) << "the kind chosen last";
        EXPECT_STREQ(page.Record().SSID, "OldMill") << "one record through the chain";
        EXPECT_EQ(w.CurrentTab(), IDD_SITE_SURVEY) << "Cancel gives up";
        EXPECT_TRUE(IsWindowVisible(w.Handle()));
        EXPECT_EQ(app_->Supervisor().WorkerSlot().load(), nullptr) << "no connection";
    });
}

TEST_F(SurveyTest, AStaticLinkAsksWhetherToTakeDhcp) {
    StoreCurrentProfile(OpenProfile("Cafe", "Corner Cafe", 3));
    auto app = Start();
    AdvanceClock(1000);  // the profile applied at start associates
    const struct {
        const char* name;
        bool dhcpAdapter;
        uint8_t linkUp;
        int answer;
        size_t questions;
        uint32_t dhcp;
        const char* address;
        const char* gateway;
    } cases[] = {{"static, No", false, 1, IDNO, 1, 0, "192.168.5.20", "192.168.5.1"},
                 {"static, Yes", false, 1, IDYES, 1, 1, "0.0.0.0", "0.0.0.0"},
                 // Without the question the record asks for DHCP; its addresses stay as they were.
                 {"DHCP", true, 1, IDYES, 0, 1, "0.0.0.0", "0.0.0.0"},
                 {"link down", false, 0, IDNO, 0, 1, "0.0.0.0", "0.0.0.0"}};
    OpenAndRun([&](CMonitorDlg& w) {
        Survey(w);
        CSiteSurveyPage& page = w.SiteSurvey();
        for (const auto& c : cases) {
            StageAddresses(c.dhcpAdapter);
            MessageBoxAnswerer answerer(c.answer);
            SendMessageA(w.Handle(), WM_COMMAND, MAKEWPARAM(IDC_TAB_SURVEY, BN_CLICKED), 0);
            ASSERT_TRUE(Select(page.List(), "Corner Cafe"));
            app_->State().linkUp = c.linkUp;
            nvxsimClearJournal();
            Click(page.Handle(), IDC_SURVEY_CONNECT);
            ASSERT_EQ(answerer.Texts().size(), c.questions) << c.name;
            if (c.questions) {
                EXPECT_EQ(answerer.Texts()[0], survey::StaticAddressQuestion);
            }
            const WLAN_PROFILE& r = page.Record();
            EXPECT_EQ(r.DhcpEnabled, c.dhcp) << c.name;
            in_addr address{}, gateway{}, mask{};
            address.s_addr = r.IpAddr;
            gateway.s_addr = r.IpGate;
            mask.s_addr = r.IpMask;
            EXPECT_STREQ(inet_ntoa(address), c.address) << c.name;
            EXPECT_STREQ(inet_ntoa(gateway), c.gateway) << c.name;
            if (c.dhcp == 0) {
                EXPECT_STREQ(inet_ntoa(mask), "255.255.255.0");
                EXPECT_EQ(r.IpDns1, inet_addr("192.168.5.2")) << "the status's DHCP server text";
            }
            EXPECT_EQ(w.CurrentTab(), IDD_LINK_INFO) << c.name;
            EXPECT_TRUE(Associated("Corner Cafe")) << c.name;
        }
    });
}

TEST_F(SurveyTest, AnEnterpriseNetworkIsRefusedPlainly) {
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        Survey(w);
        CSiteSurveyPage& page = w.SiteSurvey();
        MessageBoxAnswerer answerer(IDOK);
        ASSERT_TRUE(Select(page.List(), "Campus-Secure"));
        nvxsimClearJournal();
        Click(page.Handle(), IDC_SURVEY_CONNECT);
        ASSERT_EQ(answerer.Boxes().size(), 1u) << "no key dialog: the message only";
        EXPECT_EQ(answerer.Boxes()[0].caption, "Velmora Wireless Network Monitor");
        EXPECT_EQ(answerer.Boxes()[0].text, survey::EnterpriseRefusal);
        EXPECT_EQ(w.CurrentTab(), IDD_SITE_SURVEY);
        EXPECT_EQ(app_->Supervisor().WorkerSlot().load(), nullptr);
        Pump(100);
        EXPECT_TRUE(SsidSets().empty()) << "no connection";
    });
}

TEST_F(SurveyTest, AStaleRowStopsTheConnectAndRefreshesTheList) {
    // What the supervisor's scan found meanwhile: one other network.
    bssid_list::EntrySpec other;
    other.ssid = "Somewhere Else";
    other.khz = 2462000;
    const bssid_list::Bytes entry = bssid_list::Entry(other);
    std::vector<uint8_t> rescanned(WIFIAPI_SCAN_BUFFER_SIZE, 0);
    StoreU32(rescanned.data(), 1);
    std::memcpy(rescanned.data() + 4, entry.data(), entry.size());
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        Survey(w);
        CSiteSurveyPage& page = w.SiteSurvey();
        MessageBoxAnswerer answerer(IDOK);
        ASSERT_TRUE(Select(page.List(), "Harbour Office"));
        app_->State().currentSurvey = rescanned.data();
        nvxsimClearJournal();
        Click(page.Handle(), IDC_SURVEY_CONNECT);
        EXPECT_FALSE(OpenKeyDialog());
        EXPECT_TRUE(answerer.Texts().empty());
        EXPECT_EQ(w.CurrentTab(), IDD_SITE_SURVEY);
        EXPECT_EQ(app_->Supervisor().WorkerSlot().load(), nullptr) << "no connection";
        EXPECT_STREQ(page.Record().SSID, "") << "the record is untouched";
        EXPECT_EQ(Rows(page.List()), (std::vector<Cells>{{"Somewhere Else", "11", "82%"}})) << "the list now";
        app_->State().currentSurvey = page.ScanBuffer();
    });
}

// The first run's available networks page fills this list from its own scan and is destroyed when
// the editor ends: the list it filled keeps its details and its Connect.
TEST_F(SurveyTest, AListFilledFromAnotherScanOutlivesThatScansBuffer) {
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        Survey(w);
        CSiteSurveyPage& page = w.SiteSurvey();
        std::vector<uint8_t> other(page.ScanBuffer(), page.ScanBuffer() + WIFIAPI_SCAN_BUFFER_SIZE);
        page.List().MyDeleteAllItems();
        app_->State().currentSurvey = other.data();
        w.RefillSiteSurvey();
        ASSERT_TRUE(Select(page.List(), "OldMill"));
        // The other page goes: its buffer is overwritten, and the survey pointer no longer names it.
        std::fill(other.begin(), other.end(), uint8_t(0xCD));
        const uint8_t* gone = other.data();
        app_->State().currentSurvey.compare_exchange_strong(gone, nullptr);

        ASSERT_TRUE(Select(page.List(), "Corner Cafe"));
        EXPECT_EQ(Lines(page.Details()),
                  (std::vector<std::string>{"Corner Cafe", "Infrastructure", "3", "No", "00-13-10-55-66-77"}));
        nvxsimClearJournal();
        Click(page.Handle(), IDC_SURVEY_CONNECT);
        EXPECT_EQ(w.CurrentTab(), IDD_LINK_INFO) << "connects rather than emptying the list";
        EXPECT_EQ(app_->Supervisor().WorkerSlot().load(), &page.Record());
        EXPECT_STREQ(page.Record().SSID, "Corner Cafe");
        EXPECT_TRUE(Associated("Corner Cafe"));
    });
}

TEST_F(SurveyTest, FillingOneHundredRowsAndShowingDetailsIsQuick) {
    // 100 entries of 32-character SSIDs in the monitor's 12,004 bytes, the count declaring 120.
    std::vector<uint8_t> survey(WIFIAPI_SCAN_BUFFER_SIZE, 0);
    size_t at = 4;
    for (int i = 0; i < 100; ++i) {
        bssid_list::EntrySpec spec;
        char ssid[33];
        std::snprintf(ssid, sizeof ssid, "Flat %03d of the Harbour Building", i);
        spec.ssid = ssid;
        spec.privacy = i % 3 != 0;
        spec.rssi = -40 - i % 50;
        spec.khz = 2412000 + 5000 * uint32_t(i % 13);
        spec.infrastructureMode = i % 10 != 0;
        bssid_list::Bytes entry = bssid_list::Entry(spec);
        entry.resize(116);  // the fixed part only, so that 100 fit
        StoreU32(entry.data(), 116);
        StoreU32(entry.data() + 112, 0);
        std::memcpy(survey.data() + at, entry.data(), entry.size());
        at += entry.size();
    }
    StoreU32(survey.data(), 120);
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        SendMessageA(w.Handle(), WM_COMMAND, MAKEWPARAM(IDC_TAB_SURVEY, BN_CLICKED), 0);
        CSiteSurveyPage& page = w.SiteSurvey();
        app_->State().currentSurvey = survey.data();
        LARGE_INTEGER frequency, start, filled, shown;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&start);
        page.FillList();
        QueryPerformanceCounter(&filled);
        Select(page.List(), "Flat 057 of the Harbour Building");
        QueryPerformanceCounter(&shown);
        LARGE_INTEGER detailsStart, detailsEnd;
        QueryPerformanceCounter(&detailsStart);
        page.ShowDetails();
        QueryPerformanceCounter(&detailsEnd);
        EXPECT_EQ(page.List().ItemCount(), 100);
        // The list reads its own copy of an outside buffer, the limit written into it.
        EXPECT_EQ(app_->State().currentSurvey.load(), page.ScanBuffer());
        EXPECT_EQ(LoadU32(page.ScanBuffer()), 100u) << "the limit written back";
        EXPECT_EQ(page.Details().Count(), 5);
        const double fillMs = 1000.0 * double(filled.QuadPart - start.QuadPart) / double(frequency.QuadPart);
        const double selectMs = 1000.0 * double(shown.QuadPart - filled.QuadPart) / double(frequency.QuadPart);
        const double detailsMs =
            1000.0 * double(detailsEnd.QuadPart - detailsStart.QuadPart) / double(frequency.QuadPart);
        std::printf("[ measure  ] fill of 100 rows: %.2f ms; selecting a row with its details: %.2f ms; "
                    "the details alone: %.2f ms\n",
                    fillMs, selectMs, detailsMs);
        EXPECT_LT(fillMs, 300.0) << "the figure is printed; this bound catches a blocking call";
        app_->State().currentSurvey = page.ScanBuffer();
    });
}
