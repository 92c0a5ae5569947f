// TrayIcon.cpp - see TrayIcon.h.
#include "monitor/core/TrayIcon.h"

#include <cstddef>
#include <cstring>

#include "monitor/core/Platform.h"

// The record Windows XP takes: the 128-character tip and the balloon fields, nothing after them.
static_assert(NOTIFYICONDATAA_V2_SIZE == 488);
static_assert(offsetof(NOTIFYICONDATAA, szTip) == 24 && sizeof(NOTIFYICONDATAA::szTip) == 128);
static_assert(offsetof(NOTIFYICONDATAA, szInfo) == 160 && sizeof(NOTIFYICONDATAA::szInfo) == 256);
static_assert(offsetof(NOTIFYICONDATAA, uTimeout) == 416);
static_assert(offsetof(NOTIFYICONDATAA, szInfoTitle) == 420 && sizeof(NOTIFYICONDATAA::szInfoTitle) == 64);
static_assert(offsetof(NOTIFYICONDATAA, dwInfoFlags) == 484);

namespace {

// Windows XP keeps a balloon between 10 and 30 seconds.
constexpr UINT BalloonTimeoutMs = 10000;

void CopyText(char* field, size_t width, const char* text) {
    std::strncpy(field, text, width - 1);
    field[width - 1] = '\0';
}

}  // namespace

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
    CopyText(record_.szTip, sizeof record_.szTip, tip);
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

bool CTrayIcon::AddAgain() {
    if (!record_.hWnd) return false;  // never shown: the first update adds it
    record_.uFlags = NIF_MESSAGE | NIF_TIP | (record_.hIcon ? NIF_ICON : 0);
    const auto notify = monitor_platform::Current().notifyIcon;
    if (notify(NIM_ADD, &record_) || (added_ && notify(NIM_MODIFY, &record_))) {
        added_ = true;
        return true;
    }
    added_ = false;
    return false;
}

bool CTrayIcon::ShowBalloon(const char* title, const char* text, DWORD infoFlags) {
    if (!added_) return false;
    record_.uFlags = NIF_INFO;
    CopyText(record_.szInfoTitle, sizeof record_.szInfoTitle, title);
    CopyText(record_.szInfo, sizeof record_.szInfo, text);
    record_.uTimeout = BalloonTimeoutMs;
    record_.dwInfoFlags = infoFlags;
    return monitor_platform::Current().notifyIcon(NIM_MODIFY, &record_) != FALSE;
}

void CTrayIcon::Remove() {
    if (added_) {
        record_.uFlags = 0;
        monitor_platform::Current().notifyIcon(NIM_DELETE, &record_);
    }
    record_.hWnd = nullptr;  // gone for good: a later taskbar gets nothing
    added_ = false;
    shownId_ = 0;
    shownTip_.clear();
}
