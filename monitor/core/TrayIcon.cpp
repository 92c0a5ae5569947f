// TrayIcon.cpp - see TrayIcon.h.
#include "monitor/core/TrayIcon.h"

#include <cstring>

#include "monitor/core/Platform.h"

int CTrayIcon::Update(HWND owner, UINT callbackMessage, DWORD operation, UINT iconId, const char* tip) {
    if (added_ && operation == NIM_MODIFY && iconId == shownId_ && shownTip_ == tip) return 1;
    // Shared: the shell keeps its own copy, and the same few icons are shown again and again.
    HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                               LR_SHARED));
    record_.cbSize = NOTIFYICONDATAA_V2_SIZE;  // the form with the 128-character tip
    record_.hWnd = owner;
    record_.uID = 0;
    record_.uFlags = NIF_MESSAGE | NIF_TIP;
    record_.uCallbackMessage = callbackMessage;
    if (icon) {
        // An image that fails to load leaves the one shown.
        record_.uFlags |= NIF_ICON;
        record_.hIcon = icon;
    }
    std::strncpy(record_.szTip, tip, sizeof record_.szTip - 1);
    record_.szTip[sizeof record_.szTip - 1] = '\0';
    const DWORD op = added_ ? operation : DWORD(NIM_ADD);
    if (!monitor_platform::Current().notifyIcon(op, &record_)) {
        if (op == NIM_MODIFY) shownId_ = 0;  // try the modification again next time
        return 1;
    }
    added_ = true;
    shownId_ = icon ? iconId : 0;
    shownTip_ = tip;
    return 1;
}

void CTrayIcon::Remove() {
    if (!added_) return;
    record_.uFlags = 0;
    monitor_platform::Current().notifyIcon(NIM_DELETE, &record_);
    added_ = false;
    shownId_ = 0;
    shownTip_.clear();
}
