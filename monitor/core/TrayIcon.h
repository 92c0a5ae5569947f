// TrayIcon.h - the frame's notification-area icon: one record, added once, modified by the poll.
#pragma once

#include <windows.h>
#include <shellapi.h>

class CTrayIcon {
public:
    CTrayIcon() = default;
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    // Loads icon `iconId`, fills the record and hands it to the shell (NIM_ADD or NIM_MODIFY). Returns 1.
    int Update(HWND owner, UINT callbackMessage, DWORD operation, UINT iconId, const char* tip);
    // Removes the icon if it was added.
    void Remove();
    bool Added() const { return record_.hIcon != nullptr; }

private:
    NOTIFYICONDATAA record_{};
};
