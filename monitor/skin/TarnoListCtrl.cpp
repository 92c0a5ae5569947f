// TarnoListCtrl.cpp - list view messages behind the page-facing operations.
#include "monitor/skin/TarnoListCtrl.h"

#include <commctrl.h>
#include <windowsx.h>

#include <vector>

#include "monitor/skin/portable/SortRules.h"

namespace {

// A report cell keeps a margin of about 6 pixels on each side of its text.
constexpr int kCellTextMargins = 12;

std::string CellText(HWND list, int row, int column) {
    std::vector<char> buffer(512, 0);
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = int(buffer.size());
    SendMessageA(list, LVM_GETITEMTEXTA, WPARAM(row), reinterpret_cast<LPARAM>(&item));
    return std::string(buffer.data());
}

// The cells of the sorted column, by row id: a comparison reads no row by its index, which
// moves while the list sorts (Wine's merge sort holds copies of rows half-way).
struct SortContext {
    std::unordered_map<LPARAM, std::string> cells;
    bool ascending;
    bool numeric;
};

int CALLBACK CompareRows(LPARAM first, LPARAM second, LPARAM context) {
    const auto* c = reinterpret_cast<const SortContext*>(context);
    const auto a = c->cells.find(first), b = c->cells.find(second);
    const std::string empty;
    const int order = sorting::CompareCells(a != c->cells.end() ? a->second : empty,
                                            b != c->cells.end() ? b->second : empty, c->numeric);
    return c->ascending ? order : -order;
}

}  // namespace

void CTarnoListCtrl::OnAttached() {
    SendMessageA(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    CreateTip();
}

// One tool whose rectangle and text follow the cell under the pointer: the list's own label tips
// cover only the first column, and SSIDs and names sit in narrow columns of their own.
void CTarnoListCtrl::CreateTip() {
    tip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0, 0, 0,
                           Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!tip_) return;
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = Handle();
    tool.uId = 1;
    tool.lpszText = const_cast<char*>("");
    SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(tip_, TTM_ACTIVATE, FALSE, 0);
}

void CTarnoListCtrl::FollowPointer(LPARAM point) {
    LVHITTESTINFO hit{};
    hit.pt = {GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    const bool onCell = SendMessageA(Handle(), LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)) >= 0 &&
                        hit.iItem >= 0 && (hit.flags & LVHT_ONITEM) != 0;
    const POINT cell = onCell ? POINT{hit.iItem, hit.iSubItem} : POINT{-1, -1};
    if (cell.x != tipCell_.x || cell.y != tipCell_.y) {
        tipCell_ = cell;
        tipText_.clear();
        RECT box{};
        if (onCell) {
            box.top = cell.y;
            box.left = cell.y == 0 ? LVIR_LABEL : LVIR_BOUNDS;
            SendMessageA(Handle(), LVM_GETSUBITEMRECT, WPARAM(cell.x), reinterpret_cast<LPARAM>(&box));
            const std::string text = CellText(Handle(), cell.x, cell.y);
            const int width = int(SendMessageA(Handle(), LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text.c_str())));
            if (width + kCellTextMargins > box.right - box.left) tipText_ = text;
        }
        if (tip_) {
            SendMessageA(tip_, TTM_POP, 0, 0);
            TOOLINFOA tool{};
            tool.cbSize = sizeof tool;
            tool.hwnd = Handle();
            tool.uId = 1;
            tool.rect = box;
            tool.lpszText = const_cast<char*>(tipText_.c_str());
            SendMessageA(tip_, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
            SendMessageA(tip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
            SendMessageA(tip_, TTM_ACTIVATE, !tipText_.empty(), 0);
        }
    }
    if (!tip_) return;
    MSG message{Handle(), WM_MOUSEMOVE, 0, point, 0, {}};
    SendMessageA(tip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
}

int CTarnoListCtrl::MyInsertColumn(int index, const char* caption, int align, int width, int, int) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    column.fmt = align == 1 ? LVCFMT_CENTER : LVCFMT_LEFT;
    column.cx = width;
    column.pszText = const_cast<char*>(caption);
    column.iSubItem = index;
    return int(SendMessageA(Handle(), LVM_INSERTCOLUMNA, WPARAM(index), reinterpret_cast<LPARAM>(&column)));
}

int CTarnoListCtrl::MyInsertItem(int index, const char* text, const char* text2, int image, int) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = index;
    item.pszText = const_cast<char*>(text ? text : "");
    item.iImage = image;
    item.lParam = nextRowId_++;
    const int row = int(SendMessageA(Handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (row >= 0) secondTexts_[item.lParam] = text2 ? text2 : "";
    return row;
}

LPARAM CTarnoListCtrl::RowId(int row) const {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    return SendMessageA(Handle(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) ? item.lParam : 0;
}

std::string CTarnoListCtrl::SecondText(int row) const {
    const auto text = secondTexts_.find(RowId(row));
    return text != secondTexts_.end() ? text->second : std::string();
}

bool CTarnoListCtrl::MySetItemText(int row, int column, const char* text, int, int) {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text ? text : "");
    return SendMessageA(Handle(), LVM_SETITEMTEXTA, WPARAM(row), reinterpret_cast<LPARAM>(&item)) != 0;
}

std::string CTarnoListCtrl::MyGetItemText(int row, int column) const { return CellText(Handle(), row, column); }

bool CTarnoListCtrl::MyDeleteItem(int row) {
    const LPARAM id = RowId(row);
    if (SendMessageA(Handle(), LVM_DELETEITEM, WPARAM(row), 0) == 0) return false;
    secondTexts_.erase(id);
    tipCell_ = {-1, -1};
    return true;
}

bool CTarnoListCtrl::MyDeleteAllItems() {
    secondTexts_.clear();
    tipCell_ = {-1, -1};
    return SendMessageA(Handle(), LVM_DELETEALLITEMS, 0, 0) != 0;
}

void CTarnoListCtrl::MySetGridLines(bool on) {
    SendMessageA(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES, on ? LVS_EX_GRIDLINES : 0);
}

bool CTarnoListCtrl::GridLines() const {
    return (SendMessageA(Handle(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_GRIDLINES) != 0;
}

void CTarnoListCtrl::MySetBackColor(COLORREF colour) {
    SendMessageA(Handle(), LVM_SETBKCOLOR, 0, LPARAM(colour));
    SendMessageA(Handle(), LVM_SETTEXTBKCOLOR, 0, LPARAM(colour));
    InvalidateRect(Handle(), nullptr, TRUE);
}

void CTarnoListCtrl::MySetStandardCursor(int systemCursorId) { cursor_ = LoadCursorA(nullptr, MAKEINTRESOURCEA(systemCursorId)); }

void CTarnoListCtrl::MySetCursor(int cursorResourceId) {
    cursor_ = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(cursorResourceId));
}

void CTarnoListCtrl::Sort(int column, bool ascending, bool numeric) {
    SortContext context{{}, ascending, numeric};
    for (int row = 0; row < ItemCount(); ++row) context.cells[RowId(row)] = CellText(Handle(), row, column);
    SendMessageA(Handle(), LVM_SORTITEMS, reinterpret_cast<WPARAM>(&context), reinterpret_cast<LPARAM>(&CompareRows));
    tipCell_ = {-1, -1};
}

int CTarnoListCtrl::ItemCount() const { return int(SendMessageA(Handle(), LVM_GETITEMCOUNT, 0, 0)); }

int CTarnoListCtrl::SelectedRow() const {
    return int(SendMessageA(Handle(), LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
}

LRESULT CTarnoListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETCURSOR && cursor_ && LOWORD(lParam) == HTCLIENT) {
        SetCursor(cursor_);
        return TRUE;
    }
    if (message == WM_MOUSEMOVE) FollowPointer(lParam);
    if (message == WM_DESTROY && tip_) {
        DestroyWindow(tip_);
        tip_ = nullptr;
    }
    return Default(message, wParam, lParam);
}
