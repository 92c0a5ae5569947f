// TrayIcon.cpp - see TrayIcon.h.
#include "monitor/core/TrayIcon.h"

#include <cstring>

#include "monitor/core/Platform.h"

int CTrayIcon::Update(HWND owner, UINT callbackMessage, DWORD operation, UINT iconId, const char* tip) {
    // Shared: the shell keeps its own copy, and the same few icons are shown again and again.
    HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                               LR_SHARED));
    record_.cbSize = NOTIFYICONDATAA_V2_SIZE;  // the form with the 128-character tip
    record_.hWnd = owner;
    record_.uID = 0;
    record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record_.uCallbackMessage = callbackMessage;
    record_.hIcon = icon;
    std::strncpy(record_.szTip, tip, sizeof record_.szTip - 1);
    record_.szTip[sizeof record_.szTip - 1] = '\0';
    monitor_platform::Current().notifyIcon(operation, &record_);
    return 1;
}

void CTrayIcon::Remove() {
    if (!Added()) return;
    monitor_platform::Current().notifyIcon(NIM_DELETE, &record_);
    record_.hIcon = nullptr;
}
