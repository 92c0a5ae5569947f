// Person.h - mouse and keyboard as a person uses them: input through the system's input queue
// (SendInput), so that the window under the pointer, capture, activation and focus decide where it
// goes, as they do for the hardware.
#pragma once

#include <windows.h>

#include <string>

namespace tour::person {

void MoveTo(POINT at);
// Moves there first; a pause between the steps lets the program see a hover and a press.
void Click(POINT at);
void RightClick(POINT at);
// The middle of a window or control.
void Click(HWND window);

void Press(WORD virtualKey);
// Characters as typed, whatever the keyboard layout (the system makes WM_CHAR of each).
void Type(const std::string& text);
// Empties the edit that has the focus: select from the end to the start, then delete.
void ClearField();

}  // namespace tour::person
