// TarnoStatic.cpp - painting of the styled static text.
#include "monitor/skin/TarnoStatic.h"

#include <vector>

void CTarnoStatic::MySetFont(int height, int weight, bool italic, bool underline, const char* face) {
    font_.Reset(CreateFontA(-height, 0, 0, 0, weight, italic, underline, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face));
    InvalidateRect(Handle(), nullptr, TRUE);
}

void CTarnoStatic::MySetBackColor(COLORREF colour) {
    back_ = colour;
    InvalidateRect(Handle(), nullptr, TRUE);
}

void CTarnoStatic::MySetTextColor(COLORREF colour) {
    text_ = colour;
    InvalidateRect(Handle(), nullptr, TRUE);
}

void CTarnoStatic::MySetHorizontalTextAlign(int align) {
    align_ = align;
    InvalidateRect(Handle(), nullptr, TRUE);
}

LRESULT CTarnoStatic::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETTEXT: {
        const LRESULT r = Default(message, wParam, lParam);
        InvalidateRect(Handle(), nullptr, TRUE);
        return r;
    }
    default:
        return Default(message, wParam, lParam);
    }
}

void CTarnoStatic::Paint() {
    CPaintDC paint(Handle());
    RECT box;
    GetClientRect(Handle(), &box);
    CBrushHandle brush(CreateSolidBrush(back_));
    FillRect(paint.get(), &box, brush.get());
    const int length = GetWindowTextLengthA(Handle());
    std::vector<char> text(size_t(length) + 1, 0);
    GetWindowTextA(Handle(), text.data(), length + 1);
    CSelectObject select(paint.get(), font_ ? static_cast<HGDIOBJ>(font_.get()) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(paint.get(), TRANSPARENT);
    SetTextColor(paint.get(), text_);
    const UINT horizontal = align_ == 1 ? DT_CENTER : align_ == 2 ? DT_RIGHT : DT_LEFT;
    DrawTextA(paint.get(), text.data(), length, &box, horizontal | DT_WORDBREAK | DT_NOPREFIX);
}
