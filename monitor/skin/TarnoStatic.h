// TarnoStatic.h - static text in our own font, colours and alignment.
// The class name, its My* methods and their trailing `int = -1` parameters are the fixed interface
// of the control library the pages were written against: keep them as they are.
#pragma once

#include "monitor/ui/Control.h"
#include "monitor/ui/Gdi.h"

class CTarnoStatic : public CControl {
public:
    void MySetFont(int height, int weight, bool italic, bool underline, const char* face);
    void MySetBackColor(COLORREF colour);
    void MySetTextColor(COLORREF colour);
    // 0 left, 1 centre, 2 right.
    void MySetHorizontalTextAlign(int align);

    COLORREF BackColor() const { return back_; }
    COLORREF TextColor() const { return text_; }
    int Align() const { return align_; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();

    CFontHandle font_;
    COLORREF back_ = RGB(255, 255, 255);
    COLORREF text_ = RGB(0, 0, 0);
    int align_ = 0;
};
