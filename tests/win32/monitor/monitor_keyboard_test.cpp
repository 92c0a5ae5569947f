// The monitor window without a mouse, in-process with the simulator: real key presses (SendInput)
// read by the window's own modal loop switch the tabs, move the focus in tab order, connect from
// a list row, refresh, and step the profile editor; Escape hides the window; the bitmap buttons
// take the focus, show a focus mark, answer Space and Enter and carry their captions.
#include <winsock2.h>
#include <windows.h>
#include <commctrl.h>
#include <iphlpapi.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "adapter/Seams.h"
#include "monitor/editor/AvailableNetworksPage.h"
#include "monitor/pages/MonitorDlg.h"
#include "monitor/res/resource.h"
#include "tests/win32/monitor/EditorTestSupport.h"
#include "tests/win32/monitor/MonitorTestSupport.h"
#include "tests/win32/monitor/WindowFixture.h"
#include "tests/win32/support/TestSupport.h"

using namespace monitor_test;

namespace {

constexpr const char* kScenario =
    "timing associate-ms=800 scan-ms=1500\n"
    "network ssid=\"Corner Cafe\" bssid=00:13:10:55:66:77 channel=3 rssi=-52 security=open\n"
    "network ssid=\"Velmora-Home\" bssid=00:14:6C:A1:22:33 channel=6 rssi=-40 security=wpa2-ccmp "
    "passphrase=\"lantern-orchard-42\"\n";

constexpr const char* kWpa2Caption = "Wireless Security - WPA2-Personal";

// The adapter on DHCP, as the IP Helper lists it: a connect asks no question about addresses.
DWORD WINAPI DhcpAdapter(PIP_ADAPTER_INFO info, PULONG size) {
    if (!info || *size < sizeof(IP_ADAPTER_INFO)) {
        *size = sizeof(IP_ADAPTER_INFO);
        return ERROR_BUFFER_OVERFLOW;
    }
    *info = IP_ADAPTER_INFO{};
    std::strcpy(info->Description, AdapterDescription());
    std::strcpy(info->IpAddressList.IpAddress.String, "192.168.5.20");
    std::strcpy(info->IpAddressList.IpMask.String, "255.255.255.0");
    info->DhcpEnabled = 1;
    return ERROR_SUCCESS;
}

// One step of a script: it acts, or it waits until `run` holds.
struct Step {
    std::string what;
    std::function<bool()> run;
    DWORD limitMs = 0;
};

Step Do(std::function<void()> act) {
    return {"", [act] {
                act();
                return true;
            }};
}

Step Until(std::string what, std::function<bool()> done, DWORD limitMs = 3000) {
    return {std::move(what), std::move(done), limitMs};
}

// Presses `keys` as one chord: each goes down in order and comes up in the reverse order.
Step Keys(std::vector<WORD> keys) {
    return Do([keys] {
        std::vector<INPUT> inputs;
        auto add = [&inputs](WORD key, DWORD flags) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = key;
            input.ki.dwFlags = flags;
            inputs.push_back(input);
        };
        for (WORD key : keys) add(key, 0);
        for (auto key = keys.rbegin(); key != keys.rend(); ++key) add(*key, KEYEVENTF_KEYUP);
        EXPECT_EQ(SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT)), inputs.size());
    });
}

void Append(std::vector<Step>& steps, std::vector<Step> more) {
    for (Step& step : more) steps.push_back(std::move(step));
}

// The id of the child of `dialog` that holds the focus (it may lie in a part of it, as in an
// address field's edit); 0 when the focus is elsewhere.
int FocusIn(HWND dialog) {
    for (HWND focus = GetFocus(); focus; focus = GetAncestor(focus, GA_PARENT))
        if (GetAncestor(focus, GA_PARENT) == dialog) return GetDlgCtrlID(focus);
    return 0;
}

// The same in the monitor window: a control of the page shown (editor page or tab page), else
// one of the window's own (the tab buttons).
int FocusedId(CMonitorDlg& w) {
    if (Shown(w)) return FocusIn(Shown(w)->Handle());
    if (const int id = w.ShownPage() ? FocusIn(w.ShownPage()->Handle()) : 0) return id;
    return FocusIn(w.Handle());
}

void FocusOn(CMonitorDlg& w, HWND control) {
    SendMessageA(w.Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

void ClickTab(CMonitorDlg& w, int id) {
    SendMessageA(w.Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(w.Item(id)));
}

bool SelectRow(CTarnoListCtrl& list, const std::string& ssid) {
    for (int row = 0; row < list.ItemCount(); ++row) {
        if (list.MyGetItemText(row, 0) != ssid) continue;
        ListView_SetItemState(list.Handle(), row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        return true;
    }
    return false;
}

std::string WindowText(HWND window) {
    char text[128] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

struct DialogSearch {
    const char* captionStart;
    HWND found;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM search) {
    auto* s = reinterpret_cast<DialogSearch*>(search);
    char kind[16] = {}, caption[64] = {};
    GetClassNameA(window, kind, sizeof kind);
    GetWindowTextA(window, caption, sizeof caption);
    if (std::string(kind) != "#32770" || std::string(caption).rfind(s->captionStart, 0) != 0 || !IsWindowVisible(window))
        return TRUE;
    s->found = window;
    return FALSE;
}

// The dialog of this thread shown with a caption that starts with `captionStart`, or null.
HWND DialogShown(const char* captionStart) {
    DialogSearch search{captionStart, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), &FindDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND KeyDialog() { return DialogShown("Wireless Security - "); }
HWND DeleteQuestion() { return DialogShown("Delete selected profile"); }

// The control's pixels as the screen shows them, row by row.
std::vector<COLORREF> Pixels(HWND control, SIZE& size) {
    RECT box;
    GetClientRect(control, &box);
    size = {box.right, box.bottom};
    UpdateWindow(control);
    HDC dc = GetDC(control);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, size.cx, size.cy);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, size.cx, size.cy, dc, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<COLORREF> pixels(size_t(size.cx) * size_t(size.cy));
    GetDIBits(memory, bitmap, 0, UINT(size.cy), pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(control, dc);
    return pixels;
}

class KeyboardTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        adapter_.emplace();
        LoadScenario(kScenario);
        seams::Platform p = seams::Current();
        p.getAdaptersInfo = &DhcpAdapter;
        previous_ = seams::Replace(p);
        ASSERT_TRUE(testing_support::UseDhcpClientDouble());
    }
    void TearDown() override {
        seams::Replace(previous_);
        adapter_.reset();
        WindowFixture::TearDown();
    }

    // Opens the window from the frame's "Open the Monitor" and plays `steps` from the window's own
    // modal loop, one by one: a step returns, the loop reads the keys it sent (through its dialog
    // manager and the window's key filter), and the next step runs from a thread timer, which
    // fires only once the loop has nothing else to read. Then the modal run ends.
    void Play(std::vector<Step> steps) {
        steps.insert(steps.begin(), Until("the window in the foreground", [this] {
                         return window_ && window_->Handle() && IsWindowVisible(window_->Handle()) &&
                                GetForegroundWindow() == window_->Handle();
                     }));
        size_t at = 0;
        DWORD since = 0;
        bool finished = false;
        std::function<void()> next = [&] {
            while (at < steps.size()) {
                if (!since) since = GetTickCount();
                if (!steps[at].run()) {
                    if (GetTickCount() - since < steps[at].limitMs) return RunSoon(next, 20);
                    ADD_FAILURE() << "waited in vain: " << steps[at].what;
                    break;
                }
                ++at;
                since = 0;
                if (at < steps.size()) return RunSoon(next, 20);
            }
            finished = at == steps.size();
            for (HWND dialog : {KeyDialog(), DeleteQuestion()})
                if (dialog) EndDialog(dialog, IDCANCEL);
            EndDialog(window_->Handle(), IDCANCEL);
        };
        RunSoon(next);
        SendMessageA(Frame(), WM_COMMAND, ID_TRAY_OPEN, 0);
        EXPECT_TRUE(finished) << "every step ran";
    }

    CMonitorDlg& W() { return *window_; }

    // The current profile "Cafe" joins the open network at start; the link comes up.
    std::unique_ptr<CMonitorApp> StartLinked() {
        StoreCurrentProfile(OpenProfile("Cafe", "Corner Cafe", 3));
        auto app = Start();
        AdvanceClock(1000);
        SendMessageA(Frame(), WM_TIMER, TIMER_FRAME_POLL, 0);
        EXPECT_EQ(app_->State().linkUp, 1);
        return app;
    }

    // The Site Survey tab, its scan done on the simulator's clock.
    Step SurveyListed() {
        return Do([this] {
            ClickTab(W(), IDC_TAB_SURVEY);
            AdvanceClock(2000);
            SendMessageA(W().SiteSurvey().Handle(), WM_TIMER, TIMER_SURVEY_SCAN, 0);
            EXPECT_EQ(W().SiteSurvey().List().ItemCount(), 2);
        });
    }
    // The Link Information page's statistics view, its first refresh done.
    Step StatisticsView() {
        return Do([this] {
            ClickTab(W(), IDC_TAB_LINK);
            CLinkInfoPage& page = W().LinkInfo();
            SendMessageA(page.Handle(), WM_TIMER, TIMER_LINK_REFRESH, 0);
            SendMessageA(page.Handle(), WM_COMMAND, MAKEWPARAM(IDC_MORE_INFO, BN_CLICKED),
                         reinterpret_cast<LPARAM>(page.Item(IDC_MORE_INFO)));
            SendMessageA(page.Handle(), WM_COMMAND, MAKEWPARAM(IDC_STATISTICS, BN_CLICKED),
                         reinterpret_cast<LPARAM>(page.Item(IDC_STATISTICS)));
            EXPECT_TRUE(page.IsItemVisible(IDC_STATS_REFRESH));
        });
    }
    // The editor as the Profiles page's New opens it, its first scan done.
    Step EditorOpen() {
        return Do([this] {
            record_ = WLAN_PROFILE{};
            FinishScan(OpenEditorFor(W(), record_, "Keys"));
            EXPECT_EQ(static_cast<CAvailableNetworksPage*>(Shown(W()))->List().ItemCount(), 2);
        });
    }
    Step ShowsEditorPage(int templateId) {
        return Until("editor page " + std::to_string(templateId),
                     [this, templateId] { return Shown(W()) && Shown(W())->TemplateId() == templateId; });
    }

    // The Profiles tab over three stored profiles besides the default one.
    Step ProfilesListed() {
        return Do([this] {
            for (const char* name : {"Home", "Office", "Cafe"}) ASSERT_EQ(WriteProfile(&profiles_[name]), 0);
            ClickTab(W(), IDC_TAB_PROFILES);
            EXPECT_EQ(W().Profiles().List().ItemCount(), 4);
        });
    }
    // Selects the Profiles list's row `shown` and gives the list the focus.
    Step OnProfileRow(const char* shown) {
        return Do([this, shown] {
            CTarnoListCtrl& list = W().Profiles().List();
            ListView_SetItemState(list.Handle(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
            EXPECT_TRUE(SelectRow(list, shown)) << shown;
            FocusOn(W(), list.Handle());
        });
    }

    // The statistics rows of packets and bytes.
    std::vector<std::string> Counters() {
        std::vector<std::string> rows;
        if (const CTarnoListBox* list = W().LinkInfo().DetailList(IDC_STATS_LEFT))
            for (int row = 2; row < 6 && row < list->Count(); ++row) rows.push_back(list->Text(row));
        return rows;
    }

    std::map<std::string, WLAN_PROFILE> profiles_{{"Home", OpenProfile("Home", "Corner Cafe", 3)},
                                                 {"Office", OpenProfile("Office", "Harbour Office", 1)},
                                                 {"Cafe", OpenProfile("Cafe", "Corner Cafe", 3)}};
    std::optional<StagedAdapter> adapter_;
    seams::Platform previous_{};
    WLAN_PROFILE record_{};
};

// --- Tab order -------------------------------------------------------------------------------

TEST_F(KeyboardTest, TabAndShiftTabVisitAPagesControlsInReadingOrderRound) {
    struct Case {
        const char* place;
        Step show;               // from the case before
        std::vector<int> order;  // from the first control on, round
    } cases[] = {
        {"Link Information, statistics view", StatisticsView(),
         {IDC_TAB_LINK, IDC_TAB_SURVEY, IDC_TAB_PROFILES, IDC_STATS_REFRESH, IDC_MORE_INFO, IDC_SAVE_TO_PROFILE,
          IDC_STATISTICS}},
        {"Site Survey", SurveyListed(),
         {IDC_TAB_LINK, IDC_TAB_SURVEY, IDC_TAB_PROFILES, IDC_SURVEY_LIST, IDC_SURVEY_REFRESH, IDC_SURVEY_CONNECT}},
        {"Profiles", ProfilesListed(),
         {IDC_TAB_LINK, IDC_TAB_SURVEY, IDC_TAB_PROFILES, IDC_PROFILE_LIST, IDC_PROFILE_CONNECT, IDC_PROFILE_NEW,
          IDC_PROFILE_EDIT, IDC_PROFILE_DELETE, IDC_PROFILE_IMPORT, IDC_PROFILE_EXPORT}},
        {"available networks", EditorOpen(),
         {IDC_NETWORKS_LIST, IDC_NETWORKS_CONNECT, IDC_NETWORKS_REFRESH, IDC_NETWORKS_MANUAL, IDC_NETWORKS_EXIT}},
        {"IP settings, static address", Do([this] {
             Click(Shown(W()), IDC_NETWORKS_MANUAL);
             Click(Shown(W()), IDC_IP_STATIC);
         }),
         {IDC_IP_STATIC, IDC_IP_ADDRESS, IDC_IP_MASK, IDC_IP_GATEWAY, IDC_IP_DNS1, IDC_IP_DNS2, IDC_BACK, IDC_NEXT}},
        {"profile summary", Do([this] {
             Click(Shown(W()), IDC_IP_DHCP);
             Click(Shown(W()), IDC_NEXT);
             Type(Shown(W()), IDC_MODE_SSID, "Harbour");
             Click(Shown(W()), IDC_NEXT);
             Click(Shown(W()), IDC_NEXT);  // security "Disabled"
         }),
         {IDC_SUMMARY_SAVE, IDC_BACK, IDC_SUMMARY_EXIT}},
    };
    auto app = StartLinked();
    std::vector<Step> steps;
    for (const Case& c : cases) {
        steps.push_back(c.show);
        steps.push_back(Do([this, &c] {
            HWND page = Shown(W()) ? Shown(W())->Handle() : W().ShownPage()->Handle();
            HWND first = GetDlgItem(page, c.order[0]);
            FocusOn(W(), first ? first : W().Item(c.order[0]));
            EXPECT_EQ(FocusedId(W()), c.order[0]) << c.place;
        }));
        auto forward = std::make_shared<std::vector<int>>(), backward = std::make_shared<std::vector<int>>();
        for (size_t i = 0; i < c.order.size(); ++i) {
            steps.push_back(Keys({VK_TAB}));
            steps.push_back(Do([this, forward] { forward->push_back(FocusedId(W())); }));
        }
        for (size_t i = 0; i < c.order.size(); ++i) {
            steps.push_back(Keys({VK_SHIFT, VK_TAB}));
            steps.push_back(Do([this, backward] { backward->push_back(FocusedId(W())); }));
        }
        steps.push_back(Do([&c, forward, backward] {
            std::vector<int> expected(c.order.begin() + 1, c.order.end());
            expected.push_back(c.order[0]);
            EXPECT_EQ(*forward, expected) << c.place << ": Tab";
            EXPECT_EQ(*backward, std::vector<int>(c.order.rbegin(), c.order.rend())) << c.place << ": Shift+Tab";
        }));
    }
    Play(std::move(steps));
}

// --- Tabs ------------------------------------------------------------------------------------

TEST_F(KeyboardTest, CtrlTabSwitchesTheTabsRoundBothWaysAndTheFocusGoesIntoThePage) {
    struct Case {
        std::vector<WORD> chord;
        int tab;
        int focus;  // the first control of the page
    } cases[] = {
        {{VK_CONTROL, VK_TAB}, IDD_SITE_SURVEY, IDC_SURVEY_LIST},
        {{VK_CONTROL, VK_TAB}, IDD_PROFILES, IDC_PROFILE_LIST},
        {{VK_CONTROL, VK_TAB}, IDD_LINK_INFO, IDC_MORE_INFO},
        {{VK_CONTROL, VK_SHIFT, VK_TAB}, IDD_PROFILES, IDC_PROFILE_LIST},
        {{VK_CONTROL, VK_SHIFT, VK_TAB}, IDD_SITE_SURVEY, IDC_SURVEY_LIST},
        {{VK_CONTROL, VK_SHIFT, VK_TAB}, IDD_LINK_INFO, IDC_MORE_INFO},
    };
    auto app = StartLinked();
    std::vector<Step> steps{Do([this] {
        SendMessageA(W().LinkInfo().Handle(), WM_TIMER, TIMER_LINK_REFRESH, 0);  // More Information shows
        FocusOn(W(), W().Item(IDC_TAB_LINK));
    })};
    for (const Case& c : cases) {
        steps.push_back(Keys(c.chord));
        steps.push_back(Do([this, &c] {
            EXPECT_EQ(W().CurrentTab(), c.tab);
            ASSERT_NE(W().ShownPage(), nullptr);
            EXPECT_EQ(W().ShownPage()->TemplateId(), c.tab);
            EXPECT_TRUE(W().ShownPage()->IsVisible()) << c.tab;
            EXPECT_EQ(FocusedId(W()), c.focus) << c.tab;
        }));
    }
    // While the editor is open the tabs are hidden: Ctrl+Tab moves the focus as Tab does, no more.
    Append(steps, {EditorOpen(), Do([this] { FocusOn(W(), Shown(W())->Item(IDC_NETWORKS_LIST)); }),
                   Keys({VK_CONTROL, VK_TAB}), Do([this] {
                       EXPECT_EQ(Shown(W())->TemplateId(), IDD_AVAILABLE_NETWORKS);
                       EXPECT_EQ(W().CurrentTab(), IDD_PROFILES);
                       EXPECT_FALSE(W().IsItemVisible(IDC_TAB_LINK));
                       EXPECT_EQ(FocusedId(W()), IDC_NETWORKS_CONNECT);
                   })});
    Play(std::move(steps));
}

// --- Enter on a list row ------------------------------------------------------------------------

TEST_F(KeyboardTest, EnterOnASelectedRowDoesWhatADoubleClickDoesAndNothingWithoutOne) {
    auto app = Start();
    CSiteSurveyPage* survey = nullptr;
    Play({
        SurveyListed(),
        Do([&] {
            survey = &W().SiteSurvey();
            FocusOn(W(), survey->List().Handle());
            EXPECT_EQ(survey->List().SelectedRow(), -1);
        }),
        Keys({VK_RETURN}),
        Do([&] {
            EXPECT_EQ(W().CurrentTab(), IDD_SITE_SURVEY) << "no row: the hidden default button takes Enter";
            EXPECT_NE(app_->Supervisor().InUseProfile().load(), &survey->Record());
            EXPECT_TRUE(SelectRow(survey->List(), "Corner Cafe"));
        }),
        Keys({VK_RETURN}),
        Do([&] {
            EXPECT_EQ(W().CurrentTab(), IDD_LINK_INFO) << "Connect switched to the Link Information tab";
            EXPECT_STREQ(survey->Record().SSID, "Corner Cafe");
            EXPECT_EQ(app_->Supervisor().InUseProfile().load(), &survey->Record());
            ClickTab(W(), IDC_TAB_SURVEY);
            FocusOn(W(), survey->List().Handle());
            EXPECT_TRUE(SelectRow(survey->List(), "Velmora-Home"));
        }),
        // A protected network: its key dialog, which keeps its own keys; Escape there cancels.
        Keys({VK_RETURN}),
        Until("the WPA2 key dialog", [] { return KeyDialog() != nullptr; }),
        Do([&] {
            EXPECT_EQ(WindowText(KeyDialog()), kWpa2Caption);
            EXPECT_EQ(FocusIn(KeyDialog()), IDC_WPA2_PASSPHRASE);
        }),
        Keys({VK_TAB}),
        Do([&] { EXPECT_EQ(FocusIn(KeyDialog()), IDC_OK) << "the bitmap Connect is a tab stop"; }),
        Keys({VK_TAB}),
        Do([&] { EXPECT_EQ(FocusIn(KeyDialog()), IDC_CANCEL); }),
        Keys({VK_ESCAPE}),
        Until("the key dialog gone", [] { return KeyDialog() == nullptr; }),
        Do([&] {
            EXPECT_TRUE(W().IsVisible());
            EXPECT_EQ(W().CurrentTab(), IDD_SITE_SURVEY) << "cancelled: no connect";
            EXPECT_STREQ(survey->Record().SSID, "Velmora-Home");
        }),
        // Profiles: Enter connects with the row's profile, as its Connect does.
        ProfilesListed(),
        OnProfileRow("Home"),
        Keys({VK_RETURN}),
        Do([&] {
            EXPECT_EQ(W().CurrentTab(), IDD_LINK_INFO);
            EXPECT_STREQ(app_->State().inUseProfileName, "Home");
            const WLAN_PROFILE* inUse = app_->Supervisor().InUseProfile().load();
            ASSERT_NE(inUse, nullptr);
            EXPECT_STREQ(inUse->ProfileName, "Home");
            char current[130] = {};
            GetCurrentProfile(current);
            EXPECT_STREQ(current, "Home");
        }),
        // The editor's available networks: Enter takes the network as its Connect does.
        EditorOpen(),
        Do([&] {
            auto* networks = static_cast<CAvailableNetworksPage*>(Shown(W()));
            EXPECT_TRUE(SelectRow(networks->List(), "Corner Cafe"));
            FocusOn(W(), networks->List().Handle());
        }),
        Keys({VK_RETURN}),
        ShowsEditorPage(IDD_PROFILE_DONE),
        Do([&] {
            WLAN_PROFILE stored;
            ASSERT_TRUE(ReadStored("Keys", stored));
            EXPECT_STREQ(stored.SSID, "Corner Cafe");
        }),
    });
}

// --- The Profiles list's Delete and its keys -----------------------------------------------------

TEST_F(KeyboardTest, DeleteOnTheProfilesListIsDeleteAndTheDetailsFollowTheKeys) {
    auto app = Start();
    auto details = [this] {
        std::vector<std::string> lines;
        for (int i = 0; i < W().Profiles().Details().Count(); ++i) lines.push_back(W().Profiles().Details().Text(i));
        return lines;
    };
    Play({
        ProfilesListed(),
        // Up and Down move the selection; the details follow it as they follow a click.
        OnProfileRow("Home"),
        Keys({VK_DOWN}),
        Do([&] {
            const int row = W().Profiles().List().SelectedRow();
            ASSERT_GE(row, 0);
            const std::string shown = W().Profiles().List().MyGetItemText(row, 0);
            EXPECT_NE(shown, "Home");
            EXPECT_EQ(W().Profiles().DetailsProfile(), shown == "Default" ? "(Default Site Profile)" : shown);
            EXPECT_EQ(details().size(), 5u);
        }),
        // Delete asks, as the button does; Yes deletes the profile and its row.
        OnProfileRow("Office"),
        Keys({VK_DELETE}),
        Until("the delete question", [] { return DeleteQuestion() != nullptr; }),
        Do([] { Click(DeleteQuestion(), IDOK); }),
        Until("the question answered", [] { return DeleteQuestion() == nullptr; }),
        Do([&] {
            WLAN_PROFILE stored;
            EXPECT_FALSE(ReadStored("Office", stored)) << "deleted";
            EXPECT_EQ(W().Profiles().List().ItemCount(), 3);
            EXPECT_TRUE(ReadStored("Home", stored)) << "only the selected one";
        }),
        // No row selected, or the default profile's: Delete asks nothing.
        Do([&] {
            ListView_SetItemState(W().Profiles().List().Handle(), -1, 0, LVIS_SELECTED);
            FocusOn(W(), W().Profiles().List().Handle());
        }),
        Keys({VK_DELETE}),
        OnProfileRow("Default"),
        Keys({VK_DELETE}),
        Do([&] {
            EXPECT_EQ(DeleteQuestion(), nullptr);
            EXPECT_EQ(W().Profiles().List().ItemCount(), 3);
            // Away from the list, Delete is not the list's.
            FocusOn(W(), W().Profiles().Item(IDC_PROFILE_EDIT));
            EXPECT_TRUE(SelectRow(W().Profiles().List(), "Cafe"));
        }),
        Keys({VK_DELETE}),
        Do([&] {
            EXPECT_EQ(DeleteQuestion(), nullptr);
            EXPECT_EQ(W().Profiles().List().ItemCount(), 3);
        }),
    });
}

// --- F5 ---------------------------------------------------------------------------------------

TEST_F(KeyboardTest, F5IsRefreshWhereARefreshButtonIsShown) {
    auto app = StartLinked();
    std::vector<std::string> counters;
    Play({
        // Link Information: in the status view Refresh is hidden and F5 does nothing.
        Do([&] {
            SendMessageA(W().LinkInfo().Handle(), WM_TIMER, TIMER_LINK_REFRESH, 0);
            FocusOn(W(), W().LinkInfo().Item(IDC_MORE_INFO));
        }),
        Keys({VK_F5}),
        Do([&] { EXPECT_EQ(W().LinkInfo().DetailList(IDC_STATS_LEFT), nullptr) << "no statistics were read"; }),
        // The statistics view: F5 takes new baselines, as its Refresh does.
        StatisticsView(),
        Do([&] {
            AdvanceClock(5000);  // the simulator's counters grow with link time
            SendMessageA(W().LinkInfo().Handle(), WM_TIMER, TIMER_LINK_REFRESH, 0);
            counters = Counters();
            ASSERT_EQ(counters.size(), 4u);
            for (const std::string& c : counters) EXPECT_NE(c, "0");
        }),
        Keys({VK_F5}),
        Do([&] { EXPECT_EQ(Counters(), std::vector<std::string>(4, "0")); }),
        // Site Survey: a new scan, whatever has the focus.
        SurveyListed(),
        Do([&] { FocusOn(W(), W().SiteSurvey().List().Handle()); }),
        Keys({VK_F5}),
        Do([&] {
            EXPECT_TRUE(W().SiteSurvey().ScanPending());
            EXPECT_EQ(W().SiteSurvey().List().ItemCount(), 0);
        }),
        // The editor's available networks page.
        EditorOpen(),
        Do([&] { EXPECT_FALSE(static_cast<CAvailableNetworksPage*>(Shown(W()))->ScanPending()); }),
        Keys({VK_F5}),
        Do([&] { EXPECT_TRUE(static_cast<CAvailableNetworksPage*>(Shown(W()))->ScanPending()); }),
    });
}

// --- Escape -----------------------------------------------------------------------------------

TEST_F(KeyboardTest, EscapeHidesTheWindowWhereverTheFocusIs) {
    struct Case {
        const char* place;
        std::function<void()> show;
        int page;  // shown again afterwards, unchanged
    } cases[] = {
        {"Link Information", [this] { FocusOn(W(), W().Item(IDC_TAB_LINK)); }, IDD_LINK_INFO},
        {"Site Survey list",
         [this] {
             ClickTab(W(), IDC_TAB_SURVEY);
             FocusOn(W(), W().SiteSurvey().List().Handle());
         },
         IDD_SITE_SURVEY},
        {"editor field",
         [this] {
             record_ = WLAN_PROFILE{};
             Click(OpenEditorFor(W(), record_, "Keys"), IDC_NETWORKS_MANUAL);
             Click(Shown(W()), IDC_IP_STATIC);
             FocusOn(W(), Shown(W())->Item(IDC_IP_ADDRESS));
         },
         IDD_IP_SETTINGS},
    };
    auto app = Start();
    std::vector<Step> steps;
    for (const Case& c : cases) {
        Append(steps, {Do(c.show), Keys({VK_ESCAPE}), Do([this, &c] {
                           EXPECT_FALSE(W().IsVisible()) << c.place;
                           W().Show();
                           const CDialog* page = Shown(W()) ? Shown(W()) : W().ShownPage();
                           ASSERT_NE(page, nullptr);
                           EXPECT_EQ(page->TemplateId(), c.page) << c.place << ": Escape is no Back";
                       })});
    }
    Play(std::move(steps));
}

// --- The editor's Next and Back -----------------------------------------------------------------

TEST_F(KeyboardTest, AltNAndAltBStepTheEditorWhereItHasNextAndBackAndEnterDoesNot) {
    struct Case {
        std::vector<WORD> chord;
        int page;   // shown afterwards
        int focus;  // its first control has the focus
    } cases[] = {
        {{VK_MENU, 'N'}, IDD_WIRELESS_MODE, IDC_MODE_INFRASTRUCTURE},
        {{VK_MENU, 'B'}, IDD_IP_SETTINGS, IDC_IP_DHCP},
        {{VK_RETURN}, IDD_IP_SETTINGS, IDC_IP_DHCP},  // Enter neither steps nor goes Back
        {{VK_MENU, 'N'}, IDD_WIRELESS_MODE, IDC_MODE_INFRASTRUCTURE},
        {{VK_MENU, 'N'}, IDD_SECURITY_MODE, IDC_SECURITY_MODE},
        {{VK_MENU, 'N'}, IDD_PROFILE_SUMMARY, IDC_SUMMARY_SAVE},
        {{VK_MENU, 'N'}, IDD_PROFILE_SUMMARY, IDC_SUMMARY_SAVE},  // Save is no Next
        {{VK_MENU, 'B'}, IDD_SECURITY_MODE, IDC_SECURITY_MODE},
        {{VK_MENU, 'B'}, IDD_WIRELESS_MODE, IDC_MODE_INFRASTRUCTURE},
        {{VK_MENU, 'B'}, IDD_IP_SETTINGS, IDC_IP_DHCP},
        {{VK_MENU, 'B'}, IDD_AVAILABLE_NETWORKS, IDC_NETWORKS_LIST},
        {{VK_MENU, 'N'}, IDD_AVAILABLE_NETWORKS, IDC_NETWORKS_LIST},  // no Next there
    };
    auto app = Start();
    std::vector<Step> steps{EditorOpen(), Do([this] {
                                Click(Shown(W()), IDC_NETWORKS_MANUAL);
                                FocusOn(W(), Shown(W())->Item(IDC_IP_DHCP));
                            })};
    for (const Case& c : cases) {
        steps.push_back(Do([this] {
            if (Shown(W())->TemplateId() == IDD_WIRELESS_MODE) Type(Shown(W()), IDC_MODE_SSID, "Harbour");
        }));
        steps.push_back(Keys(c.chord));
        steps.push_back(Do([this, &c] {
            ASSERT_NE(Shown(W()), nullptr);
            EXPECT_EQ(Shown(W())->TemplateId(), c.page);
            EXPECT_EQ(FocusedId(W()), c.focus) << c.page;
            EXPECT_TRUE(W().IsVisible());
        }));
    }
    Play(std::move(steps));
}

// --- Bitmap buttons -----------------------------------------------------------------------------

TEST_F(KeyboardTest, BitmapButtonsTakeTheFocusShowAMarkAndAnswerSpaceAndEnter) {
    auto app = StartLinked();
    std::vector<COLORREF> unfocused;
    SIZE size{};
    Play({
        SurveyListed(),
        Do([&] {
            FocusOn(W(), W().SiteSurvey().List().Handle());
            unfocused = Pixels(W().SiteSurvey().Item(IDC_SURVEY_REFRESH), size);
        }),
        Keys({VK_TAB}),
        Do([&] {
            HWND refresh = W().SiteSurvey().Item(IDC_SURVEY_REFRESH);
            ASSERT_EQ(GetFocus(), refresh);
            SIZE now{};
            const std::vector<COLORREF> focused = Pixels(refresh, now);
            ASSERT_EQ(now.cx, size.cx);
            ASSERT_EQ(focused.size(), unfocused.size());
            // The mark is a dotted rectangle 3 pixels inside the edge; the rest of the artwork stays.
            const int inset = 3;
            int changedOnMark = 0, markPixels = 0, changedElsewhere = 0;
            for (int y = 0; y < size.cy; ++y) {
                for (int x = 0; x < size.cx; ++x) {
                    const bool onMark =
                        ((x == inset || x == size.cx - 1 - inset) && y >= inset && y <= size.cy - 1 - inset) ||
                        ((y == inset || y == size.cy - 1 - inset) && x >= inset && x <= size.cx - 1 - inset);
                    const bool changed = focused[size_t(y * size.cx + x)] != unfocused[size_t(y * size.cx + x)];
                    markPixels += onMark;
                    changedOnMark += onMark && changed;
                    changedElsewhere += !onMark && changed;
                }
            }
            EXPECT_GE(changedOnMark, markPixels / 3) << "the dots of the mark show";
            EXPECT_EQ(changedElsewhere, 0);
            testing_support::SaveScreenshot(W().Handle(), "keyboard-focus-refresh");
        }),
        Keys({VK_SPACE}),
        Do([&] {
            EXPECT_TRUE(W().SiteSurvey().ScanPending()) << "Space clicked Refresh";
            EXPECT_EQ(GetFocus(), W().SiteSurvey().Item(IDC_SURVEY_REFRESH));
            AdvanceClock(2000);
            SendMessageA(W().SiteSurvey().Handle(), WM_TIMER, TIMER_SURVEY_SCAN, 0);
            EXPECT_TRUE(SelectRow(W().SiteSurvey().List(), "Corner Cafe"));
        }),
        Keys({VK_TAB}),
        Do([&] {
            EXPECT_EQ(FocusedId(W()), IDC_SURVEY_CONNECT);
            SIZE away{};
            EXPECT_EQ(Pixels(W().SiteSurvey().Item(IDC_SURVEY_REFRESH), away), unfocused) << "the mark left with the focus";
        }),
        Keys({VK_RETURN}),
        Do([&] {
            EXPECT_EQ(W().CurrentTab(), IDD_LINK_INFO) << "Enter clicked Connect";
            EXPECT_STREQ(W().SiteSurvey().Record().SSID, "Corner Cafe");
            // An owner-drawn button: Enter clicks it too.
            SendMessageA(W().LinkInfo().Handle(), WM_TIMER, TIMER_LINK_REFRESH, 0);
            FocusOn(W(), W().LinkInfo().Item(IDC_MORE_INFO));
            EXPECT_TRUE(W().LinkInfo().StatusViewMarked());
        }),
        Keys({VK_RETURN}),
        Do([&] {
            EXPECT_FALSE(W().LinkInfo().StatusViewMarked()) << "More Information showed the details";
            EXPECT_EQ(WindowText(W().LinkInfo().Item(IDC_MORE_INFO)), "Back");
        }),
        // The editor's Next as a tab stop: Space steps.
        EditorOpen(),
        Do([&] {
            Click(Shown(W()), IDC_NETWORKS_MANUAL);
            FocusOn(W(), Shown(W())->Item(IDC_NEXT));
        }),
        Keys({VK_SPACE}),
        ShowsEditorPage(IDD_WIRELESS_MODE),
    });
}

TEST_F(KeyboardTest, BitmapButtonsCarryTheirCaptionsAndKeepTheirPictures) {
    struct Caption {
        int id;
        const char* text;
    };
    struct Case {
        const char* place;
        std::function<HWND()> show;  // returns the page
        std::vector<Caption> captions;
    } cases[] = {
        {"monitor window", [this] { return W().Handle(); },
         {{IDC_TAB_LINK, "Link Information"}, {IDC_TAB_SURVEY, "Site Survey"}, {IDC_TAB_PROFILES, "Profiles"},
          {IDC_CLOSE, "Close"}}},
        {"Link Information", [this] { return W().LinkInfo().Handle(); },
         {{IDC_MORE_INFO, "More Information"}, {IDC_STATISTICS, "Statistics"}, {IDC_SAVE_TO_PROFILE, "Save To Profile"},
          {IDC_STATS_REFRESH, "Refresh"}}},
        {"Site Survey", [this] { return W().SiteSurvey().Handle(); },
         {{IDC_SURVEY_REFRESH, "Refresh"}, {IDC_SURVEY_CONNECT, "Connect"}, {IDC_HEADER_SSID, "SSID"},
          {IDC_HEADER_CHANNEL, "CH"}, {IDC_HEADER_SIGNAL, "Signal"}}},
        {"Profiles", [this] { return W().Profiles().Handle(); },
         {{IDC_PROFILE_CONNECT, "Connect"}, {IDC_PROFILE_NEW, "New"}, {IDC_PROFILE_EDIT, "Edit"},
          {IDC_PROFILE_DELETE, "Delete"}, {IDC_PROFILE_IMPORT, "Import"}, {IDC_PROFILE_EXPORT, "Export"}}},
        {"available networks",
         [this] {
             record_ = WLAN_PROFILE{};
             return OpenEditorFor(W(), record_, "Keys")->Handle();
         },
         {{IDC_NETWORKS_CONNECT, "Connect"}, {IDC_NETWORKS_REFRESH, "Refresh"}, {IDC_NETWORKS_MANUAL, "Manual Setup"},
          {IDC_NETWORKS_EXIT, "Exit"}, {IDC_NETWORKS_HEADER_SSID, "SSID"}, {IDC_NETWORKS_HEADER_CHANNEL, "CH"},
          {IDC_NETWORKS_HEADER_SIGNAL, "Signal"}, {IDC_NETWORKS_HEADER_SECURITY, "Security"},
          {IDC_NETWORKS_HEADER_MAC, "MAC Address"}}},
        {"IP settings",
         [this] {
             Click(Shown(W()), IDC_NETWORKS_MANUAL);
             return Shown(W())->Handle();
         },
         {{IDC_BACK, "Back"}, {IDC_NEXT, "Next"}}},
        {"profile summary",
         [this] {
             Click(Shown(W()), IDC_NEXT);
             Type(Shown(W()), IDC_MODE_SSID, "Harbour");
             Click(Shown(W()), IDC_NEXT);
             Click(Shown(W()), IDC_NEXT);
             return Shown(W())->Handle();
         },
         {{IDC_SUMMARY_SAVE, "Save"}, {IDC_BACK, "Back"}, {IDC_SUMMARY_EXIT, "Exit"}}},
        {"final page",
         [this] {
             Click(Shown(W()), IDC_SUMMARY_SAVE);
             return Shown(W())->Handle();
         },
         {{IDC_DONE_CONNECT, "Connect to Network"}, {IDC_DONE_RETURN, "Return to Profiles screen"}}},
    };
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        for (const Case& c : cases) {
            HWND page = c.show();
            for (const Caption& caption : c.captions) {
                HWND control = GetDlgItem(page, caption.id);
                EXPECT_EQ(WindowText(control), caption.text) << c.place << " " << caption.id;
                char kind[16] = {};
                GetClassNameA(control, kind, sizeof kind);
                if (lstrcmpiA(kind, "Static") == 0) {
                    EXPECT_NE(SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0), 0) << c.place << " " << caption.id;
                }
            }
        }
        // The Link Information buttons read as their bitmaps do.
        CLinkInfoPage& page = w.LinkInfo();
        SendMessageA(page.Handle(), WM_COMMAND, MAKEWPARAM(IDC_MORE_INFO, BN_CLICKED),
                     reinterpret_cast<LPARAM>(page.Item(IDC_MORE_INFO)));
        EXPECT_EQ(WindowText(page.Item(IDC_MORE_INFO)), "Back");
        SendMessageA(page.Handle(), WM_COMMAND, MAKEWPARAM(IDC_STATISTICS, BN_CLICKED),
                     reinterpret_cast<LPARAM>(page.Item(IDC_STATISTICS)));
        EXPECT_EQ(WindowText(page.Item(IDC_STATISTICS)), "Status");
        // Another window text keeps the picture.
        HWND refresh = w.SiteSurvey().Item(IDC_SURVEY_REFRESH);
        const LRESULT picture = SendMessageA(refresh, STM_GETIMAGE, IMAGE_BITMAP, 0);
        SetWindowTextA(refresh, "Refresh");
        EXPECT_EQ(SendMessageA(refresh, STM_GETIMAGE, IMAGE_BITMAP, 0), picture);
    });
}

}  // namespace
