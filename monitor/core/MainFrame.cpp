// MainFrame.cpp - see MainFrame.h.
#include "monitor/core/MainFrame.h"

#include <dbt.h>

#include <optional>
#include <string>

#include "adapter/portable/Bytes.h"
#include "adapter/portable/ProfileKinds.h"
#include "monitor/core/ConnectionSupervisor.h"
#include "monitor/core/NotificationChoice.h"
#include "monitor/core/Platform.h"
#include "monitor/core/portable/DeviceChange.h"
#include "monitor/core/portable/MonitorTexts.h"
#include "monitor/core/portable/TrayChoice.h"
#include "monitor/core/portable/TrayMenuForm.h"
#include "monitor/core/portable/ZeroControlWatch.h"
#include "monitor/res/Messages.h"
#include "monitor/res/resource.h"
#include "monitor/ui/MessageBox.h"

namespace {

constexpr const char* FrameClass = "VelmoraWifimonFrame";
constexpr LPARAM LeftDoubleClick = WM_LBUTTONDBLCLK;  // 515
constexpr LPARAM RightButtonUp = WM_RBUTTONUP;        // 517
constexpr UINT PollPeriodMs = 1000;

const UINT g_iconPressed = RegisterWindowMessageA(texts::IconPressedMessage);
const UINT g_taskbarCreated = RegisterWindowMessageA(texts::TaskbarCreatedMessage);

}  // namespace

UINT IconPressedMessage() { return g_iconPressed; }
UINT TaskbarCreatedMessage() { return g_taskbarCreated; }

CMainFrame::CMainFrame(const FrameContext& context)
    : state_(*context.state), supervisor_(*context.supervisor), ui_(*context.ui) {}

CMainFrame::~CMainFrame() {
    if (hwnd_) DestroyWindow(hwnd_);
    if (owner_) DestroyWindow(owner_);
}

bool CMainFrame::Create() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &WindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = FrameClass;
    RegisterClassExA(&wc);  // already registered by an earlier frame of this process: fine
    // The monitor window carries the program's one taskbar button. The frame stays hidden, and
    // belongs to a hidden window so that it could add no second one were it ever shown (an owned
    // window never gets a button; the tool-window style alone does not keep Wine's taskbar from
    // showing one).
    owner_ = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    hwnd_ = CreateWindowExA(WS_EX_TOOLWINDOW, FrameClass, texts::FrameTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner_, nullptr, instance, this);
    return hwnd_ != nullptr;
}

LRESULT CALLBACK CMainFrame::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<CMainFrame*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<CMainFrame*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

LRESULT CMainFrame::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == g_iconPressed) return OnIconPressed(lParam);
    if (message == g_taskbarCreated) {
        OnTaskbarCreated();
        return 0;
    }
    switch (message) {
        case WM_CREATE: OnCreate(); return 0;
        case WM_TIMER: OnPoll(); return 0;
        case WM_CLOSE: OnClose(); return 0;
        case WM_DESTROY: OnDestroy(); return 0;
        case WM_COMMAND: OnCommand(LOWORD(wParam)); return 0;
        case WM_DEVICECHANGE: return OnDeviceChange(wParam);
        case WM_MONITOR_REEVALUATE: return OnReevaluate();
        case WM_MONITOR_SWITCH_ZERO_CONTROL: supervisor_.EnableZeroControl(int32_t(wParam)); return 0;
        case WM_WATCHER_REPORT: OnWatcherReport(int32_t(wParam), uint32_t(lParam)); return 0;
        case WM_CONNECT_FINISHED: OnConnectFinished(); return 0;
        default: return DefWindowProcA(hwnd_, message, wParam, lParam);
    }
}

void CMainFrame::OnCreate() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    state_.counterFrequency = uint64_t(frequency.QuadPart);
    notificationsOn_ = ReadNotificationChoice();
    tray_.Update(hwnd_, g_iconPressed, NIM_ADD, IDI_TRAY_DISABLED, tray::TipScanning);
    StartPoll();
}

void CMainFrame::StartPoll() { SetTimer(hwnd_, TIMER_FRAME_POLL, PollPeriodMs, nullptr); }

void CMainFrame::SetIcon(UINT iconId, const char* tip) { tray_.Update(hwnd_, g_iconPressed, NIM_MODIFY, iconId, tip); }

void CMainFrame::OnPoll() {
    AppState& state = state_;
    const bool xp = IsWindowsXpFlag();
    tray::LinkView view = tray::LinkView::Disabled;
    if (state.adapterBound == 1) {
        uint32_t connection = 0;
        const int32_t result = GetConnectionStatus(&connection);
        view = tray::ChoosePoll(true, result, connection);
    }
    state.linkUp = view == tray::LinkView::Connected ? 1 : 0;
    notice::Sighting sighting;
    sighting.view = view;
    switch (view) {
        case tray::LinkView::Disabled: SetIcon(IDI_TRAY_DISABLED, tray::TipDisabled); break;
        case tray::LinkView::Scanning: SetIcon(tray::IconFor(tray::Look::Scanning, xp), tray::TipScanning); break;
        case tray::LinkView::Connected: sighting = ShowConnectedIcon(); break;
    }
    Announce(std::move(sighting));

    if (tray::ShouldAutoOpen(state.defaultProfilePresent, state.firstStart, autoOpenMark_)) {
        autoOpenMark_ = 1;
        PostMessageA(hwnd_, g_iconPressed, 0, LeftDoubleClick);
    }

    if (FindWindowA(nullptr, texts::OutsideCloseTitle)) {
        KillTimer(hwnd_, TIMER_FRAME_POLL);
        OnClose();
    }
}

notice::Sighting CMainFrame::ShowConnectedIcon() {
    NETWORK_STATUS status{};
    GetNetworkStatus(AdapterDescription(), &status);
    const std::string tip = tray::ConnectionTip(status);
    SIGNAL_INFO signal{};
    GetSignalInfo(&signal);
    const int percent = tray::SignalPercent(signal.Rssi);
    SetIcon(tray::IconFor(tray::LookForPercent(percent), IsWindowsXpFlag()), tip.c_str());
    notice::Sighting sighting;
    sighting.view = tray::LinkView::Connected;
    sighting.ssid.assign(status.Ssid, BoundedLength(status.Ssid, sizeof status.Ssid));
    sighting.signalPercent = percent;
    sighting.statusRead = notice::StatusShowsLink(status);
    return sighting;
}

bool CMainFrame::HandedToService() const {
    // Until the monitor window opens, the service's last answer (the start-up bind asked it).
    const int32_t known = state_.zeroControlState;
    if (known != zerocontrol::Unknown) return known == 1;
    return supervisor_.LastZeroControlAnswer() > 0;
}

void CMainFrame::Announce(notice::Sighting sighting) {
    sighting.handedToService = HandedToService();
    sighting.userConnecting = supervisor_.ConnectWorkerRunning();
    const notice::Balloon balloon = notices_.Next(sighting, notificationsOn_);
    if (balloon.kind == notice::Kind::None) return;
    tray_.ShowBalloon(balloon.title.c_str(), balloon.text.c_str(),
                      balloon.kind == notice::Kind::Lost ? NIIF_WARNING : NIIF_INFO);
}

void CMainFrame::ForgetLink() {
    notice::Sighting sighting;
    sighting.handedToService = true;
    notices_.Next(sighting, notificationsOn_);
}

void CMainFrame::OnTaskbarCreated() { tray_.AddAgain(); }

void CMainFrame::OnToggleNotifications() {
    notificationsOn_ = !notificationsOn_;
    // A user who may not write the profile key keeps the choice for this run.
    StoreNotificationChoice(notificationsOn_);
}

void CMainFrame::OnClose() {
    // Workers stop before their next adapter call; the link closes after them.
    supervisor_.Shutdown();
    DestroyWindow(hwnd_);
}

void CMainFrame::OnDestroy() {
    KillTimer(hwnd_, TIMER_FRAME_POLL);
    tray_.Remove();
    // The window object stays until the frame object goes: its modal run may be on the stack.
    opened_ = nullptr;
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    PostQuitMessage(0);
}

LRESULT CMainFrame::OnIconPressed(LPARAM lParam) {
    if (lParam == LeftDoubleClick) {
        OnCommand(ID_TRAY_OPEN);
    } else if (lParam == RightButtonUp) {
        ShowTrayMenu();
    }
    return 0;
}

void CMainFrame::OnCommand(UINT id) {
    switch (id) {
        case ID_TRAY_OPEN: OnOpenMonitor(); break;
        case ID_TRAY_SWITCH: OnSwitch(); break;
        case ID_TRAY_ABOUT: OnAbout(); break;
        case ID_TRAY_OFF: OnClose(); break;
        case ID_TRAY_NOTIFICATIONS: OnToggleNotifications(); break;
        default: break;
    }
}

HMENU CMainFrame::BuildTrayMenu() const {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TRAY_MENU));
    if (!menu) return nullptr;
    HMENU items = GetSubMenu(menu, 0);
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);  // asked afresh, not the start-up flag
    // The service's last answer (at most one watcher pass old): asking here would hold the menu
    // back for the presence probe. The watcher asks afresh for the next menu.
    const bool xp = texts::IsWindowsXp(version.dwMajorVersion, version.dwMinorVersion);
    const bool zeroControl = xp && supervisor_.LastZeroControlAnswer() > 0;
    if (xp) supervisor_.RefreshZeroControlAnswer();
    const tray::MenuForm form = tray::ChooseMenuForm(version.dwMajorVersion, version.dwMinorVersion, zeroControl);
    if (form.keepSwitchItem) {
        ModifyMenuA(items, ID_TRAY_SWITCH, MF_BYCOMMAND | MF_STRING, ID_TRAY_SWITCH, form.switchText);
    } else {
        DeleteMenu(items, ID_TRAY_SWITCH, MF_BYCOMMAND);
    }
    EnableMenuItem(items, ID_TRAY_OPEN, MF_BYCOMMAND | MF_ENABLED);
    ModifyMenuA(items, ID_TRAY_OFF, MF_BYCOMMAND | MF_STRING, ID_TRAY_OFF, form.offText);
    CheckMenuItem(items, ID_TRAY_NOTIFICATIONS, MF_BYCOMMAND | (notificationsOn_ ? MF_CHECKED : MF_UNCHECKED));
    return menu;
}

void CMainFrame::ShowTrayMenu() {
    HMENU menu = BuildTrayMenu();
    if (!menu) return;
    POINT at;
    GetCursorPos(&at);
    // Without the foreground the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(hwnd_);
    TrackPopupMenu(GetSubMenu(menu, 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_, nullptr);
    PostMessageA(hwnd_, WM_NULL, 0, 0);
    DestroyMenu(menu);
}

bool CMainFrame::Ask(const char* question) const {
    return ui::Message(hwnd_, question, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

WLAN_PROFILE* CMainFrame::ProfileToApply() const {
    return opened_ ? supervisor_.InUseProfile().load() : state_.currentProfile;
}

void CMainFrame::ApplyAfterTakingBack() {
    supervisor_.EnableZeroControl(0);
    if (WLAN_PROFILE* profile = ProfileToApply()) {
        if (profile::IsAdhoc(*profile)) supervisor_.DecideAdhoc(*profile, opened_);
        supervisor_.StartConnectWorker(profile);
    }
}

void CMainFrame::OnOpenMonitor() {
    int32_t zeroControl = supervisor_.ZeroControlEnabled();
    if (zeroControl == 1) {
        if (!Ask(texts::AskSwitchToMonitor)) return;
        supervisor_.CloseGate();
        ApplyAfterTakingBack();
        supervisor_.OpenGate();
        zeroControl = -1;  // switched: ask again below
    }
    StartPoll();
    // The frame stays hidden: the monitor window has its own taskbar button, and a minimised
    // frame would only leave a stray "wifimon" window on the desktop.
    if (opened_) {
        opened_->Show();
        return;
    }
    state_.zeroControlState = zeroControl < 0 ? supervisor_.ZeroControlEnabled() : zeroControl;
    // The Link Information page shows, and a later switch back applies, the current profile.
    supervisor_.InUseProfile() = state_.currentProfile;
    if (!ui_.createWindow) return;  // a program without its window side (tests of the frame alone)
    window_ = ui_.createWindow(*this);
    opened_ = window_.get();
    if (opened_) opened_->RunModal();
}

void CMainFrame::OnSwitch() {
    supervisor_.CloseGate();
    if (supervisor_.ZeroControlEnabled() == 0) {
        if (Ask(texts::AskSwitchToZeroConfig)) {
            KillTimer(hwnd_, TIMER_FRAME_POLL);
            if (opened_) opened_->Hide();
            ShowWindow(hwnd_, SW_HIDE);
            supervisor_.EnableZeroControl(1);
            ForgetLink();
        }
    } else if (Ask(texts::AskSwitchToMonitor)) {
        ApplyAfterTakingBack();
        StartPoll();
        if (opened_) opened_->Show();
    }
    supervisor_.OpenGate();
}

void CMainFrame::OnAbout() {
    if (FindWindowA(nullptr, texts::AboutTitle)) return;
    if (ui_.runAbout) ui_.runAbout(hwnd_);
}

LRESULT CMainFrame::OnDeviceChange(WPARAM event) {
    AppState& state = state_;
    monitor_platform::SleepMs(500);
    KillTimer(hwnd_, TIMER_FRAME_POLL);

    std::optional<int32_t> result;
    if (event == device::NodesChanged) {
        uint32_t connection = 0;
        result = GetConnectionStatus(&connection);
    }
    const device::Decision decision =
        device::Decide({state.deviceState, state.reconnectGuard, state.adapterBound == 1}, result);
    state.deviceState = decision.flags.deviceState;
    state.reconnectGuard = decision.flags.reconnectGuard;
    state.adapterBound = decision.flags.adapterBound ? 1 : 0;

    switch (decision.action) {
        case device::Action::AdapterLost:
            supervisor_.CloseAdapterLink();
            if (opened_) opened_->MarkLinkInfoStatusView();
            SendMessageA(hwnd_, WM_MONITOR_REEVALUATE, 1, 0);
            break;
        case device::Action::Rebind:
            supervisor_.StartupBind();
            if (state.adapterBound == 1) {
                if (opened_) {
                    opened_->RefillSiteSurvey();
                    opened_->MarkLinkInfoStatusView();
                }
                SendMessageA(hwnd_, WM_MONITOR_REEVALUATE, 1, 1);
            }
            break;
        case device::Action::None: break;
    }
    StartPoll();
    return 0;
}

LRESULT CMainFrame::OnReevaluate() {
    if (!opened_) return 1;
    const AppState& state = state_;
    const bool bound = state.adapterBound == 1;
    const bool zeroControl = state.zeroControlState == 1;
    opened_->Reevaluate({bound && !zeroControl, zeroControl, bound});
    return 0;
}

void CMainFrame::OnWatcherReport(int32_t answer, uint32_t epoch) {
    AppState& state = state_;
    // A report that raced a switch command (asked before the gate last closed) is dropped; the
    // next pass sees the service again.
    if (!supervisor_.GateOpen() || epoch != supervisor_.GateEpoch()) return;
    switch (zerocontrol::Compare(state.zeroControlState, answer)) {
        case zerocontrol::Change::None: return;
        case zerocontrol::Change::TookOver:
            state.linkUp = 0;
            KillTimer(hwnd_, TIMER_FRAME_POLL);
            ForgetLink();
            if (state.adapterBound == 1) {
                SetIcon(IDI_TRAY_XP_LOW, tray::TipScanning);
            } else {
                SetIcon(IDI_TRAY_DISABLED, tray::TipDisabled);
            }
            break;
        case zerocontrol::Change::GaveBack: StartPoll(); break;
    }
    state.zeroControlState = answer;
    SendMessageA(hwnd_, WM_MONITOR_REEVALUATE, 1, 0);
}

void CMainFrame::OnConnectFinished() {
    if (opened_) opened_->StartLinkInfoRefresh(100);
}
