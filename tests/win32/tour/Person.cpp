// Person.cpp - see Person.h.
#include "tests/win32/tour/Person.h"

#include "tests/win32/tour/OtherProgram.h"

namespace tour::person {
namespace {

// About the pace of a quick person: programs see each step as its own event.
constexpr DWORD kStepMs = 60;

void Send(INPUT input) { SendInput(1, &input, sizeof input); }

// A mouse event at `at`. Each one carries its position: a button event that took the pointer where
// it was could meet a position the system had from the display in between.
void Mouse(POINT at, DWORD flags) {
    // Absolute positions run from 0 to 65535 over the screen.
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = LONG((at.x * 65535 + width / 2) / (width - 1));
    input.mi.dy = LONG((at.y * 65535 + height / 2) / (height - 1));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
    Send(input);
}

void Key(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = WORD(MapVirtualKeyA(virtualKey, 0));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    Send(input);
}

void Character(wchar_t c, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = WORD(c);
    input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
    Send(input);
}

void ButtonAt(POINT at, DWORD down, DWORD up) {
    MoveTo(at);
    Mouse(at, down);
    Sleep(kStepMs);
    Mouse(at, up);
    Sleep(kStepMs);
}

}  // namespace

void MoveTo(POINT at) {
    Mouse(at, 0);
    Sleep(kStepMs);  // the program sees the pointer arrive (hover looks) before anything else
}

void Click(POINT at) { ButtonAt(at, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP); }

void RightClick(POINT at) { ButtonAt(at, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP); }

void Click(HWND window) { Click(Centre(ScreenRect(window))); }

void Press(WORD virtualKey) {
    Key(virtualKey, false);
    Key(virtualKey, true);
    Sleep(kStepMs);
}

void Type(const std::string& text) {
    for (const char c : text) {
        Character(wchar_t(static_cast<unsigned char>(c)), false);
        Character(wchar_t(static_cast<unsigned char>(c)), true);
    }
    Sleep(kStepMs);
}

void ClearField() {
    Press(VK_END);
    Key(VK_SHIFT, false);
    Press(VK_HOME);
    Key(VK_SHIFT, true);
    Press(VK_DELETE);
}

}  // namespace tour::person
