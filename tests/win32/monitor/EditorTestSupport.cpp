// EditorTestSupport.cpp - see EditorTestSupport.h.
#include "tests/win32/monitor/EditorTestSupport.h"

#include <cstring>
#include <vector>

#include "monitor/editor/AvailableNetworksPage.h"
#include "monitor/editor/portable/NewProfile.h"
#include "monitor/res/resource.h"
#include "monitor/ui/Controls.h"
#include "tests/win32/support/TestSupport.h"

namespace monitor_test {

void Click(HWND page, int id) {
    HWND control = GetDlgItem(page, id);
    char kind[16] = {};
    GetClassNameA(control, kind, sizeof kind);
    if (lstrcmpiA(kind, "Button") != 0) {
        // A bitmap label only reports the click.
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, STN_CLICKED), reinterpret_cast<LPARAM>(control));
        return;
    }
    if (!IsWindowEnabled(control)) return;  // nobody can click it
    const LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW) {
        // Reported straight away: BM_CLICK is lost when activation moves during it (a message box
        // just closed), and the dialog would then wait for a click forever.
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
        return;
    }
    // A radio button or check box changes its own state on a click.
    SendMessageA(control, BM_CLICK, 0, 0);
}

void Click(CEditorPage* page, int id) {
    ASSERT_NE(page, nullptr);
    Click(page->Handle(), id);
}

void Choose(CEditorPage* page, int id, int index) {
    ASSERT_NE(page, nullptr);
    HWND combo = page->Item(id);
    SendMessageA(combo, CB_SETCURSEL, WPARAM(index), 0);
    SendMessageA(page->Handle(), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void Type(CEditorPage* page, int id, const std::string& text) {
    ASSERT_NE(page, nullptr);
    SetWindowTextA(page->Item(id), text.c_str());
}

std::string TextOf(CEditorPage* page, int id) { return page ? page->ItemText(id) : std::string(); }

std::string ChosenText(CEditorPage* page, int id) {
    return page ? ui::ComboBox(page->Handle(), id).SelectedText() : std::string();
}

CEditorPage* Shown(CMonitorDlg& w) { return w.Editor() ? w.Editor()->ShownPage() : nullptr; }

CEditorPage* OpenEditorFor(CMonitorDlg& w, WLAN_PROFILE& record, const char* name) {
    EXPECT_TRUE(editor::NewProfile(record, name));
    w.SwitchTab(IDD_PROFILES);
    w.Profiles().Show(false);
    w.SetWindowBackground(IDB_BG_SETUP);
    w.OpenEditor(MakeAvailableNetworksPage(w, record, false), false);
    w.ShowTabs(false);
    return w.Editor();
}

void FinishScan(CEditorPage* networksPage) {
    ASSERT_NE(networksPage, nullptr);
    AdvanceClock(5000);  // the simulator's scan completes within its scan time
    SendMessageA(networksPage->Handle(), WM_TIMER, TIMER_SURVEY_SCAN, 0);
}

int SelectNetwork(CEditorPage* networksPage, const std::string& ssid) {
    auto* page = static_cast<CAvailableNetworksPage*>(networksPage);
    CTarnoListCtrl& list = page->List();
    for (int row = 0; row < list.ItemCount(); ++row) {
        if (list.MyGetItemText(row, 0) != ssid) continue;
        LVITEMA item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(list.Handle(), LVM_SETITEMSTATE, WPARAM(row), reinterpret_cast<LPARAM>(&item));
        return row;
    }
    return -1;
}

namespace {

BOOL CALLBACK FindKeyDialog(HWND window, LPARAM found) {
    char kind[16] = {}, caption[64] = {};
    GetClassNameA(window, kind, sizeof kind);
    GetWindowTextA(window, caption, sizeof caption);
    if (std::string(kind) != "#32770" || std::string(caption).rfind("Wireless Security - ", 0) != 0) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

std::vector<uint8_t> Bits(HBITMAP bitmap) {
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    std::vector<uint8_t> bits(size_t(info.bmWidthBytes) * size_t(info.bmHeight));
    GetBitmapBits(bitmap, LONG(bits.size()), bits.data());
    return bits;
}

}  // namespace

HWND OpenKeyDialog() {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindKeyDialog, reinterpret_cast<LPARAM>(&dialog));
    return dialog;
}

void InKeyDialog(const char* caption, std::function<void(HWND dialog)> act) {
    WhenShown(&OpenKeyDialog, [caption, act](HWND dialog) {
        char shown[64] = {};
        GetWindowTextA(dialog, shown, sizeof shown);
        EXPECT_STREQ(shown, caption) << "the key dialog that opened";
        if (std::string(shown) != caption) {
            Click(dialog, IDCANCEL);
            return;
        }
        act(dialog);
    });
}

bool ShowsBitmap(CSkinDialog* dialog, int id) {
    HBITMAP expected = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    const bool same = expected && dialog && dialog->Background() && Bits(expected) == Bits(dialog->Background());
    DeleteObject(expected);
    return same;
}

void Picture(CMonitorDlg& w, const char* name) {
    RedrawWindow(w.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(150);
    testing_support::SaveScreenshot(w.Handle(), name);
}

bool ReadStored(const char* name, WLAN_PROFILE& out) {
    std::memset(&out, 0, sizeof out);
    std::strncpy(out.ProfileName, name, sizeof out.ProfileName - 1);
    return ReadProfile(&out) == 0;
}

std::unique_ptr<CMonitorApp> EditorFixture::StartProgram() {
    return Start([](MonitorDlgContext& context) {
        context.createFirstRunPage = [](IMonitorHost& host, WLAN_PROFILE& record) {
            return MakeAvailableNetworksPage(host, record, true);
        };
    });
}

}  // namespace monitor_test
