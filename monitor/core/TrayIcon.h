// TrayIcon.h - the frame's notification-area icon: one record, added once, modified by the poll,
// added again when the shell starts anew; its balloons.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

class CTrayIcon {
public:
    CTrayIcon() = default;
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    // Loads icon `iconId`, fills the record and hands it to the shell (NIM_ADD or NIM_MODIFY).
    // Until an add has succeeded every update adds (the taskbar may not exist yet); a modification
    // that changes neither the image nor the tip is not sent. Returns 1.
    int Update(HWND owner, UINT callbackMessage, DWORD operation, UINT iconId, const char* tip);
    // The shell's taskbar was created again ("TaskbarCreated") and knows no icon: adds the one shown,
    // with its image and tip. A shell that still has it (a broadcast without a restart) gets it as a
    // modification. True when the shell has the icon afterwards; else the next update adds it.
    bool AddAgain();
    // A balloon from the icon (NIIF_INFO, NIIF_WARNING); only once the shell has the icon.
    bool ShowBalloon(const char* title, const char* text, DWORD infoFlags);
    // Removes the icon if it was added.
    void Remove();
    bool Added() const { return added_; }

private:
    NOTIFYICONDATAA record_{};
    bool added_ = false;  // the shell has the icon: independent of whether its image loaded
    UINT shownId_ = 0;    // the image and tip the shell shows
    std::string shownTip_;
};
