// OtherProgram.cpp - see OtherProgram.h.
#include "tests/win32/tour/OtherProgram.h"

#include <commctrl.h>

#include <cstring>

namespace tour {
namespace {

constexpr size_t kBlockSize = 4096;
constexpr size_t kTextAt = 1024;  // the text buffer's offset in the block
constexpr int kTextMost = 1024;

struct TopSearch {
    DWORD process;
    bool hiddenToo;
    const std::function<bool(HWND)>* match;
    HWND found;
};

BOOL CALLBACK VisitTop(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TopSearch*>(param);
    if (!search->hiddenToo && !IsWindowVisible(window)) return TRUE;
    if (search->process && ProcessOf(window) != search->process) return TRUE;
    if (!(*search->match)(window)) return TRUE;
    search->found = window;
    return FALSE;
}

struct ChildSearch {
    const std::function<bool(HWND)>* match;
    HWND found;
};

BOOL CALLBACK VisitChild(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<ChildSearch*>(param);
    if (!IsWindowVisible(window) || !(*search->match)(window)) return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindChild(HWND top, const std::function<bool(HWND)>& match) {
    if (!top) return nullptr;
    ChildSearch search{&match, nullptr};
    EnumChildWindows(top, &VisitChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

std::string ClassOf(HWND window) {
    char name[128] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    if (!window) return {};
    const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    std::string text(size_t(length > 0 ? length : 0) + 1, '\0');
    const LRESULT got = SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(size_t(got > 0 ? got : 0));
    return text;
}

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

RECT ScreenRect(HWND window) {
    RECT box{};
    GetWindowRect(window, &box);
    return box;
}

POINT Centre(const RECT& box) { return {(box.left + box.right) / 2, (box.top + box.bottom) / 2}; }

HWND FindTopLevel(DWORD process, const std::function<bool(HWND)>& match, bool hiddenToo) {
    TopSearch search{process, hiddenToo, &match, nullptr};
    EnumWindows(&VisitTop, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindTopLevel(DWORD process, const char* className, const char* title) {
    return FindTopLevel(process, [&](HWND w) { return ClassOf(w) == className && TextOf(w) == title; });
}

HWND FindControl(HWND top, int id) {
    return FindChild(top, [id](HWND w) { return GetDlgCtrlID(w) == id; });
}

HWND FindLabelled(HWND top, const char* className, const std::string& text) {
    return FindChild(top, [&](HWND w) { return ClassOf(w) == className && TextOf(w) == text; });
}

HWND FindHolding(DWORD process, int id) {
    return FindTopLevel(process, [id](HWND w) { return FindControl(w, id) != nullptr; });
}

std::vector<std::string> ListBoxRows(HWND box) {
    std::vector<std::string> rows;
    const LRESULT count = SendMessageW(box, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        // LB_GETTEXT has no size: the buffer is the largest text the system carries between
        // programs. Asked in UTF-16: Wine hands another program's ANSI request the UTF-16 text.
        wchar_t text[kTextMost + 1] = {};
        const LRESULT length = SendMessageW(box, LB_GETTEXTLEN, WPARAM(i), 0);
        if (length < 0 || length > kTextMost) {
            rows.push_back("(a row of " + std::to_string(length) + " characters)");
            continue;
        }
        const LRESULT got = SendMessageW(box, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
        char narrow[2 * kTextMost + 1] = {};
        const int size = got > 0 && got <= kTextMost ? WideCharToMultiByte(CP_ACP, 0, text, int(got), narrow,
                                                                           sizeof narrow - 1, nullptr, nullptr)
                                                     : 0;
        rows.emplace_back(narrow, size_t(size > 0 ? size : 0));
    }
    return rows;
}

RemoteListView::RemoteListView(HWND list) : list_(list) {
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, ProcessOf(list));
    if (!process_) return;
    block_ = static_cast<char*>(VirtualAllocEx(process_, nullptr, kBlockSize, MEM_COMMIT, PAGE_READWRITE));
}

RemoteListView::~RemoteListView() {
    if (block_) VirtualFreeEx(process_, block_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
}

int RemoteListView::Rows() const { return int(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0)); }

std::string RemoteListView::Cell(int row, int column) const {
    if (!block_) return {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = block_ + kTextAt;
    item.cchTextMax = kTextMost;
    const char nothing = 0;
    WriteProcessMemory(process_, block_ + kTextAt, &nothing, 1, nullptr);
    if (!WriteProcessMemory(process_, block_, &item, sizeof item, nullptr)) return {};
    SendMessageA(list_, LVM_GETITEMTEXTA, WPARAM(row), reinterpret_cast<LPARAM>(block_));
    char text[kTextMost + 1] = {};
    ReadProcessMemory(process_, block_ + kTextAt, text, kTextMost, nullptr);
    return text;
}

int RemoteListView::FindRow(const std::string& text) const {
    for (int row = 0, rows = Rows(); row < rows; ++row)
        if (Cell(row, 0) == text) return row;
    return -1;
}

int RemoteListView::SelectedRow() const { return int(SendMessageA(list_, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED)); }

RECT RemoteListView::RowRect(int row) const {
    RECT box{LVIR_LABEL, 0, 0, 0};
    if (!block_ || !WriteProcessMemory(process_, block_, &box, sizeof box, nullptr)) return RECT{};
    if (!SendMessageA(list_, LVM_GETITEMRECT, WPARAM(row), reinterpret_cast<LPARAM>(block_))) return RECT{};
    ReadProcessMemory(process_, block_, &box, sizeof box, nullptr);
    MapWindowPoints(list_, nullptr, reinterpret_cast<POINT*>(&box), 2);
    return box;
}

std::string RemoteListView::Describe(int columns) const {
    std::string text;
    for (int row = 0, rows = Rows(); row < rows; ++row) {
        text += row ? "; " : "";
        for (int column = 0; column < columns; ++column) text += (column ? "|" : "") + Cell(row, column);
    }
    return text.empty() ? "(no rows)" : text;
}

}  // namespace tour
