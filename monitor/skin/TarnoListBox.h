// TarnoListBox.h - owner-drawn list box: rows in the order added, drawn in our font.
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
    std::string Text(int row) const;

    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Draw(const DRAWITEMSTRUCT& item) const;
    int LineHeight() const;

    CFontHandle font_;
    int lineSpace_ = -1;
};
