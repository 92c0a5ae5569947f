// TarnoListBox.h - owner-drawn list box: rows in the order added, drawn in our font.
// The class name, its My* methods and their trailing `int = -1` parameters are the fixed interface
// of the control library the pages were written against: keep them as they are.
#pragma once

#include <string>

#include "monitor/ui/Control.h"
#include "monitor/ui/Gdi.h"

class CTarnoListBox : public CControl {
public:
    int AddString(const char* text, int = -1);
    int InsertString(int index, const char* text, int = -1);
    void ResetContent();
    void MySetFont(int height, int weight, bool italic, bool underline, const char* face);
    // -1: the font's natural line height.
    void MySetLineSpace(int space);

    int Count() const;
    int RowHeight(int row) const { return int(SendMessageA(Handle(), LB_GETITEMHEIGHT, WPARAM(row), 0)); }
    std::string Text(int row) const;

    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Draw(const DRAWITEMSTRUCT& item) const;
    // Rows already in a variable-height list keep their height too.
    void ApplyLineHeight() const;
    int LineHeight() const;

    CFontHandle font_;
    int lineSpace_ = -1;
};
