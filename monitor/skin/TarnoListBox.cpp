// TarnoListBox.cpp - row drawing of the owner-drawn list box.
#include "monitor/skin/TarnoListBox.h"

#include <vector>

int CTarnoListBox::AddString(const char* text, int) {
    return int(SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text ? text : "")));
}

int CTarnoListBox::InsertString(int index, const char* text, int) {
    return int(SendMessageA(Handle(), LB_INSERTSTRING, WPARAM(index), reinterpret_cast<LPARAM>(text ? text : "")));
}

void CTarnoListBox::ResetContent() { SendMessageA(Handle(), LB_RESETCONTENT, 0, 0); }

void CTarnoListBox::MySetFont(int height, int weight, bool italic, bool underline, const char* face) {
    font_.Reset(CreateFontA(-height, 0, 0, 0, weight, italic, underline, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face));
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    ApplyLineHeight();
}

void CTarnoListBox::MySetLineSpace(int space) {
    lineSpace_ = space;
    ApplyLineHeight();
}

void CTarnoListBox::ApplyLineHeight() const {
    const int height = LineHeight();
    SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, height);
    if (GetWindowLongA(Handle(), GWL_STYLE) & LBS_OWNERDRAWVARIABLE) {
        for (int row = 1, rows = Count(); row < rows; ++row) SendMessageA(Handle(), LB_SETITEMHEIGHT, WPARAM(row), height);
    }
}

int CTarnoListBox::LineHeight() const {
    HDC dc = GetDC(Handle());
    TEXTMETRICA metrics{};
    {
        CSelectObject select(dc, font_ ? static_cast<HGDIOBJ>(font_.get()) : GetStockObject(DEFAULT_GUI_FONT));
        GetTextMetricsA(dc, &metrics);
    }
    ReleaseDC(Handle(), dc);
    return int(metrics.tmHeight) + (lineSpace_ > 0 ? lineSpace_ : 2);
}

int CTarnoListBox::Count() const { return int(SendMessageA(Handle(), LB_GETCOUNT, 0, 0)); }

std::string CTarnoListBox::Text(int row) const {
    const LRESULT length = SendMessageA(Handle(), LB_GETTEXTLEN, WPARAM(row), 0);
    if (length == LB_ERR) return {};
    std::vector<char> text(size_t(length) + 1, 0);
    SendMessageA(Handle(), LB_GETTEXT, WPARAM(row), reinterpret_cast<LPARAM>(text.data()));
    return std::string(text.data());
}

bool CTarnoListBox::OnReflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message == WM_MEASUREITEM) {
        // Variable-height lists ask for every row: each gets the one line height, so rows stay
        // beside the labels painted next to them.
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = UINT(LineHeight());
        result = TRUE;
        return true;
    }
    if (message != WM_DRAWITEM) return false;
    Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
}

void CTarnoListBox::Draw(const DRAWITEMSTRUCT& item) const {
    if (item.itemID == UINT(-1)) return;
    HDC dc = item.hDC;
    RECT box = item.rcItem;
    const bool enabled = IsWindowEnabled(Handle()) != FALSE;
    FillRect(dc, &box, GetSysColorBrush(COLOR_WINDOW));
    CSelectObject select(dc, font_ ? static_cast<HGDIOBJ>(font_.get()) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    // Display-only lists are disabled, but their rows stay readable.
    SetTextColor(dc, enabled ? GetSysColor(COLOR_WINDOWTEXT) : RGB(0x40, 0x48, 0x50));
    const std::string text = Text(int(item.itemID));
    box.left += 4;
    DrawTextA(dc, text.c_str(), int(text.size()), &box, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}
