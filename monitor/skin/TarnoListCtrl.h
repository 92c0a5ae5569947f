// TarnoListCtrl.h - report-style list view with the operations the pages use.
// The class name, its My* methods and their trailing `int = -1` parameters are the fixed interface
// of the control library the pages were written against: keep them as they are.
#pragma once

#include <string>
#include <unordered_map>

#include "monitor/ui/Control.h"

class CTarnoListCtrl : public CControl {
public:
    // align: 0 left, 1 centre. Returns the column index or -1.
    int MyInsertColumn(int index, const char* caption, int align, int width, int = -1, int = -1);
    // Returns the new row's index or -1. text2 is kept as the row's hidden second text.
    int MyInsertItem(int index, const char* text, const char* text2, int image, int = -1);
    bool MySetItemText(int row, int column, const char* text, int = -1, int flag = -1);
    std::string MyGetItemText(int row, int column) const;
    bool MyDeleteItem(int row);
    bool MyDeleteAllItems();
    void MySetGridLines(bool on);
    void MySetBackColor(COLORREF colour);
    void MySetStandardCursor(int systemCursorId);
    void MySetCursor(int cursorResourceId);
    // Sorts rows by the texts of `column`; numeric columns by their leading number.
    void Sort(int column, bool ascending, bool numeric);

    // The second text given to MyInsertItem for the row.
    std::string SecondText(int row) const;

    int ItemCount() const;
    int SelectedRow() const;
    bool GridLines() const;
    HCURSOR Cursor() const { return cursor_; }
    // The whole text of the cell under the pointer while its column cuts it, shown in a tip
    // when the pointer rests there; empty over a cell that shows its whole text.
    const std::string& TipText() const { return tipText_; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnAttached() override;

private:
    LPARAM RowId(int row) const;
    void CreateTip();
    void FollowPointer(LPARAM point);

    HCURSOR cursor_ = nullptr;  // shared system or resource cursor, not owned
    // Each row carries an id of its own as its item data; its second text is kept by that id.
    LPARAM nextRowId_ = 1;
    std::unordered_map<LPARAM, std::string> secondTexts_;
    HWND tip_ = nullptr;  // owned tooltip window, destroyed with the list
    POINT tipCell_{-1, -1};  // row and column the tip stands for
    std::string tipText_;
};
