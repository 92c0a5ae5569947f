// TarnoListCtrl.cpp - list view messages behind the page-facing operations.
#include "monitor/skin/TarnoListCtrl.h"

#include <commctrl.h>

#include <vector>

#include "monitor/skin/portable/SortRules.h"

namespace {

struct SortContext {
    HWND list;
    int column;
    bool ascending;
    bool numeric;
};

std::string CellText(HWND list, int row, int column) {
    std::vector<char> buffer(512, 0);
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = int(buffer.size());
    SendMessageA(list, LVM_GETITEMTEXTA, WPARAM(row), reinterpret_cast<LPARAM>(&item));
    return std::string(buffer.data());
}

int CALLBACK CompareRows(LPARAM first, LPARAM second, LPARAM context) {
    const auto* c = reinterpret_cast<const SortContext*>(context);
    const int order = sorting::CompareCells(CellText(c->list, int(first), c->column), CellText(c->list, int(second), c->column),
                                            c->numeric);
    return c->ascending ? order : -order;
}

}  // namespace

void CTarnoListCtrl::OnAttached() {
    SendMessageA(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
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

int CTarnoListCtrl::MyInsertItem(int index, const char* text, const char*, int image, int) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = index;
    item.pszText = const_cast<char*>(text ? text : "");
    item.iImage = image;
    return int(SendMessageA(Handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

bool CTarnoListCtrl::MySetItemText(int row, int column, const char* text, int, int) {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text ? text : "");
    return SendMessageA(Handle(), LVM_SETITEMTEXTA, WPARAM(row), reinterpret_cast<LPARAM>(&item)) != 0;
}

std::string CTarnoListCtrl::MyGetItemText(int row, int column) const { return CellText(Handle(), row, column); }

bool CTarnoListCtrl::MyDeleteItem(int row) { return SendMessageA(Handle(), LVM_DELETEITEM, WPARAM(row), 0) != 0; }

bool CTarnoListCtrl::MyDeleteAllItems() { return SendMessageA(Handle(), LVM_DELETEALLITEMS, 0, 0) != 0; }

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
    SortContext context{Handle(), column, ascending, numeric};
    SendMessageA(Handle(), LVM_SORTITEMSEX, reinterpret_cast<WPARAM>(&context), reinterpret_cast<LPARAM>(&CompareRows));
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
    return Default(message, wParam, lParam);
}
