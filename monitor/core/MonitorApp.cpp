// MonitorApp.cpp - see MonitorApp.h.
#include "monitor/core/MonitorApp.h"

#include <atomic>

#include "adapter/RegKey.h"
#include "adapter/StoredProfiles.h"
#include "adapter/portable/ProfileNames.h"
#include "monitor/core/portable/MonitorTexts.h"

namespace {

std::atomic<bool> g_windowsXp{true};

}  // namespace

bool IsWindowsXpFlag() { return g_windowsXp; }
void SetWindowsXpFlag(bool xp) { g_windowsXp = xp; }
const char* AdapterDescription() { return texts::AdapterDescription(g_windowsXp); }

uint64_t CounterNow() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return uint64_t(now.QuadPart);
}

CMonitorApp::CMonitorApp(MonitorUi ui) : ui_(std::move(ui)) {
    g_windowsXp = true;  // its load-time value: the start-up bind passes the Windows XP description
}

CMonitorApp::~CMonitorApp() {
    frame_.reset();
}

bool CMonitorApp::InitInstance() {
    CHandle mutex(CreateMutexA(nullptr, FALSE, texts::InstanceMutex));
    // Silently: the first instance is not activated either.
    if (mutex && GetLastError() == ERROR_ALREADY_EXISTS) return false;
    mutex_ = std::move(mutex);

    frame_ = std::make_unique<CMainFrame>(FrameContext{&state_, &supervisor_, &ui_});
    if (!frame_->Create()) return false;
    ShowWindow(frame_->hwnd(), SW_HIDE);
    UpdateWindow(frame_->hwnd());
    supervisor_.SetFrame(frame_->hwnd());

    ReadInstallerMarks();
    supervisor_.StartupBind();
    state_.connectionStart = CounterNow();

    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    g_windowsXp = texts::IsWindowsXp(version.dwMajorVersion, version.dwMinorVersion);

    if (supervisor_.WatcherThreadId() == 0) supervisor_.StartWatcher();
    return true;
}

void CMonitorApp::ReadInstallerMarks() {
    // Reading needs no write access: a user who may only read HKEY_LOCAL_MACHINE is not on a first run.
    if (!profile::Exists(profiles::DefaultProfileName)) state_.defaultProfilePresent = 0;
    CRegKey install;
    if (install.Open(HKEY_LOCAL_MACHINE, texts::InstallKey, KEY_READ) != ERROR_SUCCESS) return;
    DWORD firstStart = 0;
    DWORD size = sizeof firstStart;
    if (install.Query(texts::FirstStartValue, &firstStart, size) != ERROR_SUCCESS || firstStart != 1) return;
    state_.firstStart = 1;
    CRegKey mark;  // failing to write it changes nothing else
    if (mark.Create(HKEY_LOCAL_MACHINE, texts::InstallKey, KEY_SET_VALUE) == ERROR_SUCCESS) {
        mark.SetDword(texts::FirstStartValue, 0);
    }
}

int CMonitorApp::Run() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return int(msg.wParam);
}
