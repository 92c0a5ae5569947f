// The control and skin classes on real windows under Wine: lists, labels, GIFs, masked keys, meter, dragging,
// clicks; the handle owners.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "monitor/skin/MaskEdit.h"
#include "monitor/skin/PictureEx.h"
#include "monitor/skin/SkinButton.h"
#include "monitor/skin/SkinDialog.h"
#include "monitor/skin/SkinMeter.h"
#include "monitor/skin/SkinStatic.h"
#include "monitor/skin/TarnoListBox.h"
#include "monitor/skin/TarnoListCtrl.h"
#include "monitor/skin/TarnoStatic.h"
#include "monitor/ui/Handles.h"

namespace {

void Pump(DWORD ms) {
    const DWORD end = GetTickCount() + ms;
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while (GetTickCount() < end);
}

class CTestDialog : public CSkinDialog {
public:
    CTestDialog() : CSkinDialog(500, nullptr) {}
    CTarnoListCtrl list;
    CTarnoListBox box;
    CTarnoStatic headline;
    CPictureEx picture;
    CMaskEdit key;
    CSkinMeter meter;
    CSkinButton tab;
    CSkinStatic close;
    int keyChanges = 0;
    std::vector<int> clicks;

protected:
    bool OnInitDialog() override {
        list.Attach(Handle(), 1016);
        box.Attach(Handle(), 1039);
        headline.Attach(Handle(), 1106);
        picture.Attach(Handle(), 1125);
        key.Attach(Handle(), 1032);
        meter.Attach(Handle(), 1061);
        tab.Attach(Handle(), 1094);
        close.Attach(Handle(), 2);
        TrackSkinStatic(&close);
        return true;
    }
    bool OnButtonClicked(int id) override {
        clicks.push_back(id);
        return false;
    }
    bool OnCommand(int id, int code, HWND) override {
        if (id == 1032 && code == EN_CHANGE) ++keyChanges;
        return false;
    }
};

class SkinTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
        InitCommonControlsEx(&init);
        ASSERT_TRUE(dialog.Create()) << GetLastError();
        SetWindowPos(dialog.Handle(), HWND_TOPMOST, 100, 100, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        Pump(50);
    }
    CTestDialog dialog;
};

}  // namespace

TEST_F(SkinTest, ListControlInsertsReadsSortsAndDeletes) {
    CTarnoListCtrl& l = dialog.list;
    EXPECT_EQ(l.MyInsertColumn(0, "SSID", 0, 90), 0);
    EXPECT_EQ(l.MyInsertColumn(1, "CH", 1, 30), 1);
    EXPECT_EQ(l.MyInsertColumn(2, "Signal", 1, 50), 2);
    const char* rows[][3] = {{"harbour", "11", "9%"}, {"Alpha", "2", "100%"}, {"cafe", "14", "45%"}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(l.MyInsertItem(i, rows[i][0], "", 0), i);
        EXPECT_TRUE(l.MySetItemText(i, 1, rows[i][1], -1, 1));
        EXPECT_TRUE(l.MySetItemText(i, 2, rows[i][2], -1, 1));
    }
    EXPECT_EQ(l.MyGetItemText(2, 1), "14");
    auto column = [&](int c) {
        std::string all;
        for (int i = 0; i < l.ItemCount(); ++i) all += l.MyGetItemText(i, c) + ",";
        return all;
    };
    l.Sort(1, true, true);
    EXPECT_EQ(column(1), "2,11,14,") << "numeric, not text order";
    l.Sort(2, false, true);
    EXPECT_EQ(column(2), "100%,45%,9%,");
    l.Sort(0, true, false);
    EXPECT_EQ(column(0), "Alpha,cafe,harbour,") << "text ignoring case";

    l.MySetGridLines(true);
    EXPECT_TRUE(l.GridLines());
    l.MySetGridLines(false);
    EXPECT_FALSE(l.GridLines());
    l.MySetStandardCursor(32512);
    EXPECT_EQ(l.Cursor(), LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
    EXPECT_TRUE(l.MyDeleteItem(1));
    EXPECT_EQ(column(0), "Alpha,harbour,");
    EXPECT_TRUE(l.MyDeleteAllItems());
    EXPECT_EQ(l.ItemCount(), 0);
    EXPECT_EQ(l.MyInsertItem(5, "late", "", 0), 0) << "past the end appends";
}

TEST_F(SkinTest, ListControlTipsShowTheWholeTextOfACutCell) {
    CTarnoListCtrl& l = dialog.list;
    l.MyInsertColumn(0, "SSID", 0, 90);
    l.MyInsertColumn(1, "Name", 0, 80);
    const std::string longSsid = "Velmora-Guest-Network-Floor-3-AB";  // 32 characters
    l.MyInsertItem(0, longSsid.c_str(), "", 0);
    l.MySetItemText(0, 1, "Home");
    l.MyInsertItem(1, "Cafe", "", 0);
    l.MySetItemText(1, 1, "255.255.255.255 and more");
    auto centre = [&](int row, int column) {
        RECT box{};
        box.top = column;
        box.left = column == 0 ? LVIR_LABEL : LVIR_BOUNDS;
        SendMessageA(l.Handle(), LVM_GETSUBITEMRECT, WPARAM(row), reinterpret_cast<LPARAM>(&box));
        return POINT{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    };
    auto hover = [&](int row, int column) {
        const POINT at = centre(row, column);
        SendMessageA(l.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
        return l.TipText();
    };
    struct Case {
        int row, column;
        std::string tip;
    } cases[] = {
        {0, 0, longSsid}, {0, 1, ""}, {1, 0, ""}, {1, 1, "255.255.255.255 and more"}, {0, 0, longSsid},
    };
    for (const Case& c : cases) EXPECT_EQ(hover(c.row, c.column), c.tip) << c.row << "," << c.column;
    SendMessageA(l.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 150));
    EXPECT_EQ(l.TipText(), "") << "below the rows";

    // With the pointer resting on the cut cell, the tip shows its whole text.
    POINT at = centre(0, 0);
    ClientToScreen(l.Handle(), &at);
    SetCursorPos(at.x, at.y);
    HWND tip = nullptr;
    for (int i = 0; i < 60 && !tip; ++i) {
        Pump(50);
        tip = FindWindowA(TOOLTIPS_CLASSA, nullptr);
        if (tip && !IsWindowVisible(tip)) tip = nullptr;
    }
    ASSERT_NE(tip, nullptr);
    char text[80] = {};
    GetWindowTextA(tip, text, sizeof text);
    EXPECT_EQ(text, longSsid);
    SetCursorPos(0, 0);
}

TEST_F(SkinTest, ListControlSortsManyRowsWithTheirCellsAndSecondTexts) {
    // Enough rows for a merge sort to hold rows half-way: each row must move as a whole.
    CTarnoListCtrl& l = dialog.list;
    l.MyInsertColumn(0, "SSID", 0, 90);
    l.MyInsertColumn(1, "CH", 1, 30);
    l.MyInsertColumn(2, "Signal", 1, 50);
    const struct {
        const char* ssid;
        const char* channel;
        const char* signal;
    } rows[] = {{"Velmora-Home", "6", "100%"}, {"harbour", "1", "54%"},    {"OldMill", "11", "28%"},
                {"Corner Cafe", "3", "91%"},   {"Campus", "9", "77%"},     {"Lighthouse", "14", "0%"},
                {"PartyLine", "2", "11%"},     {"attic", "13", "40%"},     {"Basement", "5", "62%"},
                {"Kitchen", "8", "85%"},       {"Dorm", "10", "3%"}};
    for (int i = 0; i < int(std::size(rows)); ++i) {
        const std::string about = std::string("about ") + rows[i].ssid;
        ASSERT_EQ(l.MyInsertItem(i, rows[i].ssid, about.c_str(), 0), i);
        l.MySetItemText(i, 1, rows[i].channel, -1, 1);
        l.MySetItemText(i, 2, rows[i].signal, -1, 1);
    }
    const struct {
        int column;
        bool ascending, numeric;
        const char* first;  // SSID of the first row afterwards
        const char* last;
    } sorts[] = {{0, true, false, "attic", "Velmora-Home"},  {0, false, false, "Velmora-Home", "attic"},
                 {1, true, true, "harbour", "Lighthouse"},    {1, false, true, "Lighthouse", "harbour"},
                 {2, true, true, "Lighthouse", "Velmora-Home"}, {2, false, true, "Velmora-Home", "Lighthouse"}};
    for (const auto& s : sorts) {
        l.Sort(s.column, s.ascending, s.numeric);
        const int count = l.ItemCount();
        ASSERT_EQ(count, int(std::size(rows)));
        EXPECT_EQ(l.MyGetItemText(0, 0), s.first) << s.column << s.ascending;
        EXPECT_EQ(l.MyGetItemText(count - 1, 0), s.last) << s.column << s.ascending;
        for (int r = 0; r < count; ++r) {
            const std::string ssid = l.MyGetItemText(r, 0);
            EXPECT_EQ(l.SecondText(r), "about " + ssid) << "row " << r;
            bool found = false;
            for (const auto& row : rows) {
                if (ssid != row.ssid) continue;
                found = true;
                EXPECT_EQ(l.MyGetItemText(r, 1), row.channel) << ssid;
                EXPECT_EQ(l.MyGetItemText(r, 2), row.signal) << ssid;
            }
            EXPECT_TRUE(found) << ssid;
            if (r == 0) continue;
            const int order = s.numeric ? std::atoi(l.MyGetItemText(r - 1, s.column).c_str()) -
                                              std::atoi(l.MyGetItemText(r, s.column).c_str())
                                        : lstrcmpiA(l.MyGetItemText(r - 1, 0).c_str(), ssid.c_str());
            EXPECT_TRUE(s.ascending ? order <= 0 : order >= 0) << "rows " << r - 1 << " and " << r;
        }
    }
    EXPECT_TRUE(l.MyDeleteItem(0));
    EXPECT_EQ(l.SecondText(0), "about " + l.MyGetItemText(0, 0));
}

TEST_F(SkinTest, ListBoxKeepsTheOrderAddedAndDrawsItsRows) {
    CTarnoListBox& b = dialog.box;
    b.MySetFont(14, 0, false, false, "Arial");
    b.MySetLineSpace(-1);
    EXPECT_EQ(b.AddString("SSID: Velmora-Home"), 0);
    EXPECT_EQ(b.AddString("Channel: 6"), 1);
    EXPECT_EQ(b.InsertString(0, "Network"), 0);
    ASSERT_EQ(b.Count(), 3);
    EXPECT_EQ(b.Text(0), "Network");
    EXPECT_EQ(b.Text(2), "Channel: 6");
    EXPECT_GE(SendMessageA(b.Handle(), LB_GETITEMHEIGHT, 0, 0), 14);

    // The rows are drawn by the control: text pixels appear in the first row.
    InvalidateRect(b.Handle(), nullptr, TRUE);
    UpdateWindow(b.Handle());
    HDC dc = GetDC(b.Handle());
    int dark = 0;
    for (int x = 2; x < 80; ++x)
        for (int y = 1; y < 14; ++y)
            if (GetRValue(GetPixel(dc, x, y)) < 128) ++dark;
    ReleaseDC(b.Handle(), dc);
    EXPECT_GT(dark, 10);
    b.ResetContent();
    EXPECT_EQ(b.Count(), 0);
}

TEST_F(SkinTest, LabelsShowTheBackgroundThroughButTrackbarsDoNot) {
    ASSERT_TRUE(dialog.SetBackground(501));
    EXPECT_TRUE(dialog.HasBackground());
    HDC dc = GetDC(dialog.Handle());
    const auto brush = SendMessageA(dialog.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                    reinterpret_cast<LPARAM>(GetDlgItem(dialog.Handle(), 1201)));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    SetBkMode(dc, OPAQUE);
    const auto trackbar = SendMessageA(dialog.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(GetDlgItem(dialog.Handle(), 1200)));
    EXPECT_NE(reinterpret_cast<HBRUSH>(trackbar), static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    ReleaseDC(dialog.Handle(), dc);

    EXPECT_FALSE(dialog.SetBackground(9999));
    EXPECT_FALSE(dialog.HasBackground()) << "a missing bitmap leaves no background";
}

TEST_F(SkinTest, StyledStaticKeepsFontColoursAndAlignment) {
    CTarnoStatic& s = dialog.headline;
    s.MySetFont(25, 700, false, false, "Arial");
    s.MySetBackColor(RGB(255, 255, 255));
    s.MySetTextColor(0xb4bebe);
    s.MySetHorizontalTextAlign(1);
    SetWindowTextA(s.Handle(), "");
    UpdateWindow(s.Handle());
    HDC dc = GetDC(s.Handle());
    EXPECT_EQ(GetPixel(dc, 3, 3), RGB(255, 255, 255)) << "own background colour";
    ReleaseDC(s.Handle(), dc);
    EXPECT_EQ(s.TextColor(), COLORREF(0xb4bebe));
    EXPECT_EQ(s.Align(), 1);
}

TEST_F(SkinTest, GifPicturePlaysItsFramesWithTheirDelays) {
    CPictureEx& p = dialog.picture;
    EXPECT_FALSE(p.IsPlaying());
    EXPECT_FALSE(p.Load(9999, "Gif"));
    ASSERT_TRUE(p.Load(600, "Gif"));
    EXPECT_EQ(p.FrameCount(), 3u);
    EXPECT_EQ(p.DelayMs(0), 50u);
    EXPECT_EQ(p.DelayMs(2), 50u);
    EXPECT_FALSE(p.IsPlaying()) << "loading alone does not play";
    ASSERT_TRUE(p.Draw());
    EXPECT_TRUE(p.IsPlaying());
    Pump(400);
    EXPECT_TRUE(p.IsPlaying());
    UpdateWindow(p.Handle());
    HDC dc = GetDC(p.Handle());
    const COLORREF pixel = GetPixel(dc, 8, 8);
    ReleaseDC(p.Handle(), dc);
    const unsigned frame = p.CurrentFrame();
    const COLORREF expected[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};
    EXPECT_EQ(pixel, expected[frame]) << "frame " << frame;
    bool seen[3] = {};
    for (int i = 0; i < 20; ++i) {
        Pump(20);
        seen[p.CurrentFrame() % 3] = true;
    }
    EXPECT_TRUE(seen[0] && seen[1] && seen[2]) << "every frame shows in turn";
    p.Stop();
    EXPECT_FALSE(p.IsPlaying());
}

TEST_F(SkinTest, MaskedKeyTakesHexPairsAndKeepsSeparators) {
    CMaskEdit& k = dialog.key;
    k.mask = "PP:PP:PP:PP:PP";
    k.literalTemplate = "__:__:__:__:__";
    k.initialText = k.validText = "00:00:00:00:00";
    k.useMask = 1;
    SetWindowTextA(k.Handle(), k.initialText.c_str());
    dialog.keyChanges = 0;
    SendMessageA(k.Handle(), EM_SETSEL, 0, 0);
    for (char c : std::string("1a:g2Zb"))
        SendMessageA(k.Handle(), WM_CHAR, WPARAM(static_cast<unsigned char>(c)), 0);
    EXPECT_EQ(k.Text(), "1A:2B:00:00:00") << "non-hex refused, separators kept, upper case";
    EXPECT_EQ(dialog.keyChanges, 4) << "every accepted change is reported";
    SendMessageA(k.Handle(), WM_CHAR, '\b', 0);
    EXPECT_EQ(k.Text(), "1A:2_:00:00:00");
    SendMessageA(k.Handle(), EM_SETSEL, 12, 12);
    for (char c : std::string("FFFF")) SendMessageA(k.Handle(), WM_CHAR, WPARAM(c), 0);
    EXPECT_EQ(k.Text(), "1A:2_:00:00:FF") << "nothing past the last pair";
    SendMessageA(k.Handle(), WM_CUT, 0, 0);
    EXPECT_EQ(k.Text().size(), 14u);
}

TEST_F(SkinTest, MeterShowsTheSteppedColumns) {
    CSkinMeter& m = dialog.meter;
    SetWindowPos(m.Handle(), nullptr, 0, 0, 100, 15, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(GetWindowLongPtrA(m.Handle(), GWL_EXSTYLE) & 0x20028, 0);
    EXPECT_EQ(m.Position(), 100);
    const struct {
        int position, columns;
    } cases[] = {{0, 0}, {5, 8}, {50, 44}, {100, 88}};
    for (const auto& c : cases) {
        SendMessageA(m.Handle(), PBM_SETPOS, c.position, 0);
        EXPECT_EQ(m.ShownColumns(), c.columns) << c.position;
        UpdateWindow(m.Handle());
        HDC dc = GetDC(m.Handle());
        int lit = 0;
        for (int x = 0; x < 95; ++x) lit += GetPixel(dc, x, 5) == RGB(0, 255, 0);
        ReleaseDC(m.Handle(), dc);
        EXPECT_EQ(lit, c.columns) << "painted columns at " << c.position;
    }
}

TEST_F(SkinTest, SkinButtonsAndStaticsFollowTheMouse) {
    EXPECT_TRUE(dialog.tab.SetBitmaps(298, 502));
    EXPECT_TRUE(dialog.close.SetBitmaps(502, 298, -1));
    SendMessageA(dialog.close.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(dialog.close.Shown(), CSkinStatic::Look::Hover);
    SendMessageA(dialog.close.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(dialog.close.Shown(), CSkinStatic::Look::Pressed);
    SendMessageA(dialog.close.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(dialog.close.Shown(), CSkinStatic::Look::Hover);
    SendMessageA(dialog.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(200, 190));
    EXPECT_EQ(dialog.close.Shown(), CSkinStatic::Look::Normal) << "the dialog's mouse move resets it";

    // The dialog hands the button's draw request to it: normal, then pressed.
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, 100, 20);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(memory, canvas);
    DRAWITEMSTRUCT item{ODT_BUTTON, 1094, 0, ODA_DRAWENTIRE, 0, dialog.tab.Handle(), memory, {0, 0, 100, 20}, 0};
    EXPECT_TRUE(SendMessageA(dialog.Handle(), WM_DRAWITEM, 1094, reinterpret_cast<LPARAM>(&item))) << "handled";
    EXPECT_EQ(GetPixel(memory, 3, 3), RGB(0, 255, 0));
    SelectObject(memory, old);
    DeleteObject(canvas);
    DeleteDC(memory);
}

TEST_F(SkinTest, OnlyAControlsOwnClicksReachTheClickHandler) {
    HWND tab = dialog.Item(1094), close = dialog.Item(2), combo = dialog.Item(1204);
    struct Case {
        const char* name;
        int id, code;
        HWND control;
        bool click;
    };
    const Case cases[] = {
        {"a button's click", 1094, BN_CLICKED, tab, true},
        {"a button's second click of a double click", 1094, BN_DOUBLECLICKED, tab, true},
        {"a label's click", 2, STN_CLICKED, close, true},
        {"a label's double click", 2, STN_DBLCLK, close, false},
        {"a command without a control (menu, accelerator)", 1094, BN_CLICKED, nullptr, false},
        {"another control's handle", 1094, BN_CLICKED, close, false},
        {"a combo box's notification 5", 1204, CBN_EDITCHANGE, combo, false},
    };
    for (const Case& c : cases) {
        dialog.clicks.clear();
        SendMessageA(dialog.Handle(), WM_COMMAND, MAKEWPARAM(c.id, c.code), reinterpret_cast<LPARAM>(c.control));
        EXPECT_EQ(dialog.clicks, c.click ? std::vector<int>{c.id} : std::vector<int>{}) << c.name;
    }
}

TEST_F(SkinTest, DraggingMovesTheWindowOrItsHost) {
    RECT before, after;
    GetWindowRect(dialog.Handle(), &before);
    SendMessageA(dialog.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_TRUE(dialog.Dragging());
    SendMessageA(dialog.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(30, 25));
    SendMessageA(dialog.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(30, 25));
    EXPECT_FALSE(dialog.Dragging());
    GetWindowRect(dialog.Handle(), &after);
    EXPECT_EQ(after.left - before.left, 20);
    EXPECT_EQ(after.top - before.top, 15);

    // A page drags its host by the pointer's displacement, wherever the page lies in it.
    HWND host = CreateWindowExA(0, "STATIC", "host", WS_POPUP | WS_VISIBLE, 300, 300, 50, 50, nullptr, nullptr, nullptr, nullptr);
    dialog.SetDragHost(host);
    SendMessageA(dialog.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageA(dialog.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(15, 12));
    SendMessageA(dialog.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(15, 12));
    RECT moved;
    GetWindowRect(host, &moved);
    EXPECT_EQ(moved.left, 305);
    EXPECT_EQ(moved.top, 302);

    // A drag ends when another window takes the mouse (Alt+Tab, a message box): a later move with
    // the button up leaves the host where it is.
    SendMessageA(dialog.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SetCapture(host);
    EXPECT_FALSE(dialog.Dragging());
    ReleaseCapture();
    SendMessageA(dialog.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(40, 40));
    GetWindowRect(host, &moved);
    EXPECT_EQ(moved.left, 305);
    EXPECT_EQ(moved.top, 302);
    DestroyWindow(host);
    dialog.SetDragHost(nullptr);
}

TEST_F(SkinTest, OnlyStaticControlsAreSeeThrough) {
    HDC dc = GetDC(dialog.Handle());
    const HBRUSH hollow = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    struct Case {
        int id;
        bool seeThrough;
    } cases[] = {{1201, true}, {1202, false}, {1203, false}, {1204, false}, {1205, false}, {1200, false}};
    for (const Case& c : cases) {
        const auto brush = reinterpret_cast<HBRUSH>(
            SendMessageA(dialog.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), LPARAM(dialog.Item(c.id))));
        EXPECT_EQ(brush == hollow, c.seeThrough) << "control " << c.id;
    }
    ReleaseDC(dialog.Handle(), dc);
}

TEST_F(SkinTest, ALabelsShorterTextLeavesNothingOfTheLongerOne) {
    ASSERT_TRUE(dialog.SetBackground(501));  // navy
    RECT label;
    GetWindowRect(dialog.Item(1201), &label);
    dialog.SetLabelText(1201, "WWWWWWWWWWWW");
    Pump(50);
    dialog.SetLabelText(1201, "i");
    Pump(50);
    // Right of the one narrow letter, the label shows only the background.
    HDC screen = GetDC(nullptr);
    int other = 0;
    for (int x = label.left + 12; x < label.right; ++x)
        for (int y = label.top; y < label.bottom; ++y)
            if (GetPixel(screen, x, y) != RGB(0, 0, 128)) ++other;
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(other, 0);
}

TEST_F(SkinTest, TheWindowRegionFollowsTheDialogsSize) {
    ASSERT_TRUE(dialog.SetBackground(501));
    for (SIZE size : {SIZE{581, 302}, SIZE{574, 271}, SIZE{578, 405}}) {
        SetWindowPos(dialog.Handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(GetWindowRgn(dialog.Handle(), region), ERROR);
        RECT box;
        GetRgnBox(region, &box);
        DeleteObject(region);
        EXPECT_EQ(box.right, size.cx);
        EXPECT_EQ(box.bottom, size.cy) << "the whole page, its bottom strip included";
    }
}

namespace {
class CTestPage : public CSkinDialog {
public:
    CTestPage() : CSkinDialog(503, nullptr) {}
};
}  // namespace

TEST_F(SkinTest, AChildPageIgnoresEnterAndEscape) {
    CTestPage page;
    ASSERT_TRUE(page.CreateChild(dialog.Handle()));
    for (int command : {IDOK, IDCANCEL}) {
        SendMessageA(page.Handle(), WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
        EXPECT_TRUE(IsWindow(page.Handle()) && page.IsVisible()) << command;
    }
}

TEST_F(SkinTest, PictureTakesItsImagesSizeAndVariableRowsTheLineHeight) {
    ASSERT_TRUE(dialog.picture.Load(600, "Gif"));
    RECT client;
    GetClientRect(dialog.picture.Handle(), &client);
    EXPECT_EQ(client.right, 16);
    EXPECT_EQ(client.bottom, 16);

    CTarnoListBox variable;
    ASSERT_TRUE(variable.Attach(dialog.Handle(), 1206));
    dialog.box.MySetFont(14, 0, false, false, "Arial");
    variable.MySetFont(14, 0, false, false, "Arial");
    for (const char* row : {"Connected", "Velmora-Home", "Infrastructure"}) variable.AddString(row);
    const int fixed = dialog.box.RowHeight(0);
    for (int row = 0; row < 3; ++row) EXPECT_EQ(variable.RowHeight(row), fixed) << "row " << row;
}

TEST(HandlesTest, AKernelHandleIsClosedOnceByItsOwnerAndNeitherFailureValueIsOne) {
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(event, nullptr);
    DWORD flags = 0;
    {
        CHandle owner(event);
        EXPECT_TRUE(owner);
        const CHandle moved(std::move(owner));
        EXPECT_FALSE(owner);
        EXPECT_EQ(moved.get(), event);
        EXPECT_TRUE(GetHandleInformation(event, &flags));
    }
    EXPECT_FALSE(GetHandleInformation(event, &flags)) << "closed when its owner went";
    EXPECT_FALSE(CHandle(INVALID_HANDLE_VALUE)) << "CreateFile's failure";
    EXPECT_FALSE(CHandle(nullptr)) << "the other creators' failure";
}
