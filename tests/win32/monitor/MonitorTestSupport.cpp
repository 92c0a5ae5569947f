// MonitorTestSupport.cpp - see MonitorTestSupport.h.
#include "tests/win32/monitor/MonitorTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

#include "adapter/DriverLink.h"
#include "adapter/portable/Ndis.h"
#include "adapter/portable/ProfileLayout.h"
#include "adapter/portable/ProfileNames.h"
#include "monitor/core/portable/MonitorTexts.h"
#include "monitor/ui/MessageBox.h"
#include "nvxsim/nvxsim.h"
#include "tests/win32/support/TestSupport.h"

namespace monitor_test {
namespace {

std::mutex g_lock;
std::vector<TrayCall> g_tray;
std::vector<uint32_t> g_monitorWaits;
size_t g_adapterWaits = 0;
std::function<void(uint32_t, HANDLE)> g_onWait;
std::string g_probeHost;

BOOL WINAPI RecordNotify(DWORD operation, PNOTIFYICONDATAA data) {
    std::lock_guard<std::mutex> hold(g_lock);
    TrayCall call{operation, data->hIcon, std::string(data->szTip, strnlen(data->szTip, sizeof data->szTip)),
                  GetTickCount()};
    call.flags = data->uFlags;
    if (data->uFlags & NIF_INFO) {
        call.infoTitle.assign(data->szInfoTitle, strnlen(data->szInfoTitle, sizeof data->szInfoTitle));
        call.info.assign(data->szInfo, strnlen(data->szInfo, sizeof data->szInfo));
        call.infoFlags = data->dwInfoFlags;
    }
    g_tray.push_back(call);
    return TRUE;
}

bool RecordMonitorWait(uint32_t ms, HANDLE cancel) {
    std::function<void(uint32_t, HANDLE)> hook;
    {
        std::lock_guard<std::mutex> hold(g_lock);
        g_monitorWaits.push_back(ms);
        hook = g_onWait;
    }
    if (hook) hook(ms, cancel);
    return cancel && WaitForSingleObject(cancel, 0) == WAIT_OBJECT_0;
}

void RecordAdapterWait(uint32_t) {
    std::lock_guard<std::mutex> hold(g_lock);
    ++g_adapterWaits;
}

constexpr const char* ClassKey = driverlink::NetworkClassKey;
constexpr const char* InstanceSubkey = "9400";
constexpr const char* InstanceId = "{6D6F6E69-746F-7200-0000-000000000006}";
const std::string ZeroControlKey = std::string("SOFTWARE\\Microsoft\\WZCSVC\\Parameters\\Interfaces\\") + InstanceId;

void SetValue(const char* path, const char* name, DWORD type, const void* data, DWORD size) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    if (name) RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

}  // namespace

Recorder::Recorder() {
    std::lock_guard<std::mutex> hold(g_lock);
    g_tray.clear();
    g_monitorWaits.clear();
    g_adapterWaits = 0;
    g_onWait = nullptr;
    monitor_platform::Platform m = monitor_platform::Current();
    m.wait = &RecordMonitorWait;
    m.notifyIcon = &RecordNotify;
    previousMonitor_ = monitor_platform::Replace(m);
    seams::Platform a = seams::Current();
    a.sleep = &RecordAdapterWait;
    previousAdapter_ = seams::Replace(a);
}

Recorder::~Recorder() {
    monitor_platform::Replace(previousMonitor_);
    seams::Replace(previousAdapter_);
    std::lock_guard<std::mutex> hold(g_lock);
    g_onWait = nullptr;
}

std::vector<TrayCall> Recorder::Tray() const {
    std::lock_guard<std::mutex> hold(g_lock);
    return g_tray;
}
std::vector<TrayCall> Recorder::Balloons() const {
    std::lock_guard<std::mutex> hold(g_lock);
    std::vector<TrayCall> balloons;
    for (const TrayCall& call : g_tray)
        if (call.IsBalloon()) balloons.push_back(call);
    return balloons;
}
TrayCall Recorder::LastTray() const {
    std::lock_guard<std::mutex> hold(g_lock);
    return g_tray.empty() ? TrayCall{0, nullptr, "", 0} : g_tray.back();
}
size_t Recorder::TrayCount() const {
    std::lock_guard<std::mutex> hold(g_lock);
    return g_tray.size();
}
std::vector<uint32_t> Recorder::MonitorWaits() const {
    std::lock_guard<std::mutex> hold(g_lock);
    return g_monitorWaits;
}
size_t Recorder::AdapterWaits() const {
    std::lock_guard<std::mutex> hold(g_lock);
    return g_adapterWaits;
}
void Recorder::ClearWaits() {
    std::lock_guard<std::mutex> hold(g_lock);
    g_monitorWaits.clear();
    g_adapterWaits = 0;
}
void Recorder::OnMonitorWait(std::function<void(uint32_t)> hook) {
    OnMonitorWait([hook = std::move(hook)](uint32_t ms, HANDLE) { hook(ms); });
}
void Recorder::OnMonitorWait(std::function<void(uint32_t, HANDLE)> hook) {
    std::lock_guard<std::mutex> hold(g_lock);
    g_onWait = std::move(hook);
}
void Recorder::SetProbeHost(const char* host) {
    g_probeHost = host;
    monitor_platform::Platform m = monitor_platform::Current();
    m.probeHost = g_probeHost.c_str();
    monitor_platform::Replace(m);
}

HICON TrayIconHandle(unsigned id) {
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON,
                                         GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
}

MonitorUi FakeUi(WindowCalls& calls) {
    MonitorUi ui;
    ui.createWindow = [&calls](CMainFrame&) { return std::make_unique<FakeWindow>(calls); };
    return ui;
}

void DropQuit() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

const char* const kEightNetworks =
    "network ssid=\"Velmora-Home\" bssid=00:14:6C:A1:22:33 channel=6 rssi=-40 security=wpa2-ccmp "
    "passphrase=\"lantern-orchard-42\"\n"
    "network ssid=\"Harbour Office\" bssid=00:1B:2F:10:44:01 channel=1 rssi=-63 security=wpa-tkip "
    "passphrase=\"tidewater2006\"\n"
    "network ssid=\"OldMill\" bssid=00:0F:66:3C:9A:10 channel=11 rssi=-71 security=wep wep-key=0A1B2C3D4E\n"
    "network ssid=\"Corner Cafe\" bssid=00:13:10:55:66:77 channel=3 rssi=-52 security=open\n"
    "network ssid=\"Campus-Secure\" bssid=00:17:0F:21:31:41 channel=9 rssi=-57 security=wpa2-eap "
    "identity=student password=\"exam-season\"\n"
    "network ssid=\"\" bssid=00:1D:7E:01:02:03 channel=4 rssi=-80 security=wpa-mixed passphrase=\"quiet-corner-9\"\n"
    "network ssid=\"Lighthouse\" bssid=00:21:91:AB:CD:EF channel=14 rssi=-95 security=wpa-aes "
    "passphrase=\"beam-across-bay\"\n"
    "network ssid=\"PartyLine\" bssid=02:3A:11:22:33:44 channel=2 rssi=-84 mode=adhoc rate=11\n";

void Pump(DWORD ms, const std::function<bool()>& done) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        if (done && done()) return;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            // An earlier frame's end posted it; a test that looks for it peeks without pumping.
            if (msg.message == WM_QUIT) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

void ClearRegistry() {
    testing_support::DeleteTree(profile::KeyPath);
    testing_support::DeleteTree(texts::InstallKey);
    testing_support::DeleteTree((std::string(ClassKey) + "\\" + InstanceSubkey).c_str());
    testing_support::DeleteTree(ZeroControlKey.c_str());
}

void SetFirstStart(DWORD value) { SetValue(texts::InstallKey, texts::FirstStartValue, REG_DWORD, &value, 4); }

DWORD ReadFirstStart() {
    HKEY key;
    DWORD value = 0xFFFFFFFF, size = 4;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, texts::InstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return value;
    if (RegQueryValueExA(key, texts::FirstStartValue, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) !=
        ERROR_SUCCESS)
        value = 0xFFFFFFFF;
    RegCloseKey(key);
    return value;
}

void StoreCurrentProfile(const WLAN_PROFILE& profile) {
    ASSERT_EQ(WriteProfile(&profile), 0);
    ASSERT_EQ(SetCurrentProfile(profile.ProfileName), 0);
}

void StoreDefaultProfile() {
    SetValue(profile::SubkeyPath(profiles::DefaultProfileName).c_str(), nullptr, 0, nullptr, 0);
}

WLAN_PROFILE OpenProfile(const char* name, const char* ssid, uint32_t channel) {
    WLAN_PROFILE p{};
    std::strncpy(p.ProfileName, name, sizeof p.ProfileName - 1);
    std::strncpy(p.SSID, ssid, sizeof p.SSID - 1);
    p.AssociationMode = 1;
    p.Channel = channel;
    p.TxRate = 54;
    p.DhcpEnabled = 1;
    return p;
}

struct StagedAdapter::Impl {
    testing_support::StagedDeviceName device{
        "PCI#VEN_1E5A&DEV_0002&SUBSYS_00542914&REV_01#4&6d6f6e#{ad498944-762f-11d0-8dcb-00c04fc3358c}"};
};

StagedAdapter::StagedAdapter() : impl_(std::make_unique<Impl>()) {
    EXPECT_TRUE(impl_->device.ok());
    const std::string instance = std::string(ClassKey) + "\\" + InstanceSubkey;
    const char* component = driverlink::AdapterComponentId;
    SetValue(instance.c_str(), "ComponentId", REG_SZ, component, DWORD(std::strlen(component) + 1));
    SetValue(instance.c_str(), "NetCfgInstanceId", REG_SZ, InstanceId, DWORD(std::strlen(InstanceId) + 1));
    SetManaged(false);
}

StagedAdapter::~StagedAdapter() {
    testing_support::DeleteTree((std::string(ClassKey) + "\\" + InstanceSubkey).c_str());
    testing_support::DeleteTree(ZeroControlKey.c_str());
}

void StagedAdapter::SetManaged(bool managed) {
    const DWORD flags = managed ? 0x00918002 : 0x00810002;
    const DWORD layout = 3;
    SetValue(ZeroControlKey.c_str(), "ControlFlags", REG_DWORD, &flags, 4);
    SetValue(ZeroControlKey.c_str(), "LayoutVersion", REG_DWORD, &layout, 4);
}

void LoadScenario(const std::string& text) {
    char error[256] = {};
    ASSERT_EQ(nvxsimLoadScenarioText(text.c_str(), error, sizeof error), 0) << error;
}

namespace {
uint64_t g_advanced = 0;  // what the tests moved the simulator's clock since its reset
}  // namespace

void ResetSimulator() {
    nvxsimReset();
    g_advanced = 0;
}

void AdvanceClock(uint32_t ms) {
    nvxsimAdvanceClock(ms);
    g_advanced += ms;
}

void AlignSignalJitter() {
    // The simulator's clock is GetTickCount plus what was advanced since its reset, and its
    // jitter is (seconds % 5) - 2 dBm: go to the start of the next second that leaves 2.
    const uint64_t now = GetTickCount() + g_advanced;
    const uint64_t next = now / 1000 + 1;
    const uint64_t target = next + (7 - next % 5) % 5;
    AdvanceClock(uint32_t(target * 1000 - now + 5));
}

std::vector<std::string> SsidSets() {
    std::vector<std::string> ssids;
    for (const auto& call : testing_support::Journal(NVXSIM_SET)) {
        if (call.oid != oid::Ssid || call.data.size() < 4) continue;
        const uint32_t length = testing_support::U32At(call.data, 0);
        ssids.emplace_back(reinterpret_cast<const char*>(call.data.data() + 4),
                           std::min<size_t>(length, call.data.size() - 4));
    }
    return ssids;
}

namespace {

std::vector<MessageBoxAnswerer::Box> g_boxes;
int g_answer = IDOK;

LRESULT CALLBACK AnswerBoxes(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        char cls[16] = {}, caption[128] = {}, text[1024] = {};
        GetClassNameA(box, cls, sizeof cls);
        GetWindowTextA(box, caption, sizeof caption);
        // The program's own dialogs have captions of their own; its message boxes have this one.
        if (std::string(cls) == "#32770" && std::string(caption) == ui::MessageCaption) {
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
            g_boxes.push_back({caption, text});
            PostMessageA(box, WM_COMMAND, WPARAM(g_answer), 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::vector<std::function<void()>> g_soon;

void CALLBACK RunSoonTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (g_soon.empty()) return;
    auto body = std::move(g_soon.front());
    g_soon.erase(g_soon.begin());
    body();
}

}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer(int answer) {
    g_boxes.clear();
    g_answer = answer;
    hook_ = SetWindowsHookExA(WH_CBT, &AnswerBoxes, nullptr, GetCurrentThreadId());
}

MessageBoxAnswerer::~MessageBoxAnswerer() { UnhookWindowsHookEx(hook_); }

void MessageBoxAnswerer::SetAnswer(int answer) { g_answer = answer; }

std::vector<MessageBoxAnswerer::Box> MessageBoxAnswerer::Boxes() const { return g_boxes; }

std::vector<std::string> MessageBoxAnswerer::Texts() const {
    std::vector<std::string> texts;
    for (const Box& box : g_boxes) texts.push_back(box.text);
    return texts;
}

void RunSoon(std::function<void()> body, UINT delayMs) {
    g_soon.push_back(std::move(body));
    SetTimer(nullptr, 0, delayMs, &RunSoonTimer);
}

void WhenShown(std::function<HWND()> find, std::function<void(HWND)> act, int tries) {
    RunSoon([=] {
        HWND dialog = find();
        if (dialog && IsWindowVisible(dialog)) return act(dialog);
        if (tries > 0) return WhenShown(find, act, tries - 1);
        ADD_FAILURE() << "the dialog was never shown";
        if (dialog) EndDialog(dialog, IDCANCEL);
    }, 20);
}

}  // namespace monitor_test
