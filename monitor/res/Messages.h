// Messages.h - the window messages the monitor sends itself: each with its number, who sends it
// and to whom. Every one has a number of its own (checked at the end).
#pragma once

#include <windows.h>

#include <cstddef>
#include <iterator>

// To the frame (core/MainFrame), the tray icon's hidden window.
// The adapter's state changed: the frame has the monitor window, if open, re-evaluate its pages'
// controls (wParam 1; lParam 1 after a rebind). Sent by the frame itself and by the monitor window
// once it is made; returns 1 while no window is open.
inline constexpr UINT WM_MONITOR_REEVALUATE = WM_USER + 0x1000;  // 5120
// Hands the adapter to Windows' wireless service (wParam 1) or takes it back (0). Nothing in the
// program sends it; the frame takes it from any sender.
inline constexpr UINT WM_MONITOR_SWITCH_ZERO_CONTROL = WM_USER + 0x1001;  // 5121
// Sent by the Zero Configuration watcher thread: the service's new answer (wParam) and the gate
// epoch it was asked in (lParam).
inline constexpr UINT WM_WATCHER_REPORT = WM_APP + 0x10;
// Posted by a connect worker as it ends.
inline constexpr UINT WM_CONNECT_FINISHED = WM_APP + 0x11;

// To the monitor window (pages/MonitorDlg).
// Posted by the window to itself: the editors closed meanwhile can go (their handlers have returned).
inline constexpr UINT WM_DESTROY_CLOSED_EDITORS = WM_APP + 0x21;
// Posted by the window's key filter: a keyboard::Command (wParam its act, lParam its target),
// carried out from the window's own message handling rather than inside the filter.
inline constexpr UINT WM_KEY_COMMAND = WM_APP + 0x22;

// To a page of the profile editor (editor/EditorPage).
// Posted by the page to itself: destroy the successor in slot wParam if it was made in generation
// lParam (its click handler has returned by then).
inline constexpr UINT WM_DISCARD_SUCCESSOR = WM_APP + 0x20;

// To the Profiles page (pages/ProfilesPage).
// Posted by the page to itself for a key its list had: the selection has moved by then, and the
// details follow it as they follow a click.
inline constexpr UINT WM_LIST_KEY_HANDLED = WM_APP + 0x30;

// Registered by name at run time, so without a number here (core/MainFrame): the tray icon's
// callback "MONITOR_ICON_PRESSED" (from the shell, and posted by the frame itself to open the window
// by itself at a first run), and Explorer's "TaskbarCreated" broadcast.

namespace messages_detail {
inline constexpr UINT kAll[] = {WM_MONITOR_REEVALUATE, WM_MONITOR_SWITCH_ZERO_CONTROL, WM_WATCHER_REPORT,
                                WM_CONNECT_FINISHED,   WM_DESTROY_CLOSED_EDITORS,      WM_KEY_COMMAND,
                                WM_DISCARD_SUCCESSOR,  WM_LIST_KEY_HANDLED};
constexpr bool AllDistinct() {
    for (std::size_t i = 0; i < std::size(kAll); ++i)
        for (std::size_t j = i + 1; j < std::size(kAll); ++j)
            if (kAll[i] == kAll[j]) return false;
    return true;
}
}  // namespace messages_detail
static_assert(messages_detail::AllDistinct(), "every message of the program has a number of its own");
