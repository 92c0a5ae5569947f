// OtherProgram.h - another program's windows as an outside checker sees them: found by class,
// title and control id, read through the messages every window answers, list views through a
// scratch block in that program's memory.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tour {

std::string ClassOf(HWND window);
// WM_GETTEXT: the text the window itself reports (GetWindowText does not ask another program's edits).
std::string TextOf(HWND window);
DWORD ProcessOf(HWND window);
RECT ScreenRect(HWND window);
POINT Centre(const RECT& box);

// The first top-level window of `process` (0: any) that `match` accepts; hidden ones too when asked.
HWND FindTopLevel(DWORD process, const std::function<bool(HWND)>& match, bool hiddenToo = false);
// A visible top-level window of `process` with this class and title.
HWND FindTopLevel(DWORD process, const char* className, const char* title);
// A visible window below `top`, at any depth, with this control id; null when none.
HWND FindControl(HWND top, int id);
// A visible window below `top` whose class and text are these.
HWND FindLabelled(HWND top, const char* className, const std::string& text);
// The visible top-level window of `process` that holds a visible control `id`.
HWND FindHolding(DWORD process, int id);

// Rows of a list box in order (LB_GETTEXT, which the system carries between programs).
std::vector<std::string> ListBoxRows(HWND box);

// A report-style list view of another program. Its requests carry pointers, so they go through
// a block of that program's memory.
class RemoteListView {
public:
    explicit RemoteListView(HWND list);
    ~RemoteListView();
    RemoteListView(const RemoteListView&) = delete;
    RemoteListView& operator=(const RemoteListView&) = delete;

    bool ok() const { return block_ != nullptr; }
    int Rows() const;
    std::string Cell(int row, int column) const;
    // The row whose first cell is `text`, or -1.
    int FindRow(const std::string& text) const;
    int SelectedRow() const;
    // The row's box on the screen (its label part: what a click selects).
    RECT RowRect(int row) const;
    // Every row's cells 0..columns-1, "|"-joined, for messages.
    std::string Describe(int columns) const;

private:
    HWND list_;
    HANDLE process_ = nullptr;
    char* block_ = nullptr;  // in the other program
};

}  // namespace tour
