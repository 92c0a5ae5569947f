// Main.cpp - wifictl: status, survey, connect, disconnect and stored profiles from the command line.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "adapter/RegKey.h"
#include "adapter/portable/Bytes.h"
#include "adapter/portable/Ndis.h"
#include "adapter/portable/ProfileLayout.h"
#include "adapter/portable/RadioUnits.h"
#include "adapter/wifiapi.h"
#include "wifictl/core/CommandLine.h"
#include "wifictl/core/ConnectRun.h"
#include "wifictl/core/LinkReport.h"
#include "wifictl/core/ProfileReport.h"
#include "wifictl/core/SurveyReport.h"

namespace {

using namespace wifictl;

void Out(const std::string& text) {
    std::fputs(text.c_str(), stdout);
    std::fflush(stdout);
}

int Fail(const std::string& text) {
    std::fprintf(stderr, "wifictl: %s\n", text.c_str());
    return ExitFailure;
}

// The monitor names its adapter by the description the Windows version gives it.
const char* AdapterDescription() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    const bool xp = version.dwMajorVersion == 5 && version.dwMinorVersion == 1;
    return xp ? WIFIAPI_ADAPTER_XP : WIFIAPI_ADAPTER_OTHER;
}

// GetTickCount widened past its 49-day wrap (XP has no GetTickCount64).
uint64_t NowMs() {
    static DWORD last = 0;
    static uint64_t high = 0;
    const DWORD tick = GetTickCount();
    if (tick < last) high += 1ull << 32;
    last = tick;
    return high + tick;
}

bool BindAdapter(int& exitCode) {
    const int32_t rc = ConnectToAdapter();
    if (rc == 0) return true;
    exitCode = Fail("no adapter found (" + ResultText(rc) + ")");
    return false;
}

bool LoadProfile(const std::string& name, WLAN_PROFILE& profile, int& exitCode) {
    profile = WLAN_PROFILE{};
    std::memcpy(profile.ProfileName, name.c_str(), name.size() + 1);  // the parser kept it within the field
    const int32_t rc = ReadProfile(&profile);
    if (rc == 0) return true;
    exitCode = Fail("no stored profile named \"" + name + "\" (" + ResultText(rc) + ")");
    return false;
}

int Status() {
    int exitCode = ExitSuccess;
    if (!BindAdapter(exitCode)) return exitCode;
    LinkView link;
    link.connectionResult = GetConnectionStatus(&link.connectionState);
    link.statusResult = GetNetworkStatus(AdapterDescription(), &link.status);
    GetSignalInfo(&link.signal);
    link.qualityIndex = GetLinkQualityIndex(link.signal.Rssi);
    GetNetworkStatistics("", &link.statistics);
    link.haveMac = GetOid(oid::CurrentAddress, link.mac, sizeof link.mac) == 0;
    Out(FormatStatus(link));
    DisconnectToAdapter();
    return link.connectionResult == 0 ? ExitSuccess : ExitFailure;
}

int Survey(const Command& command) {
    int exitCode = ExitSuccess;
    if (!BindAdapter(exitCode)) return exitCode;
    int32_t rc = ScanSiteInfo();
    if (rc != 0) return Fail("the adapter did not start a scan (" + ResultText(rc) + ")");
    Sleep(command.waitMs);
    std::vector<uint8_t> list(WIFIAPI_SCAN_BUFFER_SIZE, 0);
    rc = GetSiteInfo(list.data(), uint32_t(list.size()));
    if (rc != 0) return Fail("the adapter did not deliver the scanned networks (" + ResultText(rc) + ")");
    const std::vector<SurveyRow> rows = SurveyRows(list.data(), list.size());
    Out(rows.empty() ? std::string("No networks in range.\n") : FormatSurvey(rows));
    DisconnectToAdapter();
    return ExitSuccess;
}

int Connect(const Command& command) {
    WLAN_PROFILE profile;
    int exitCode = ExitSuccess;
    if (!LoadProfile(command.profile, profile, exitCode) || !BindAdapter(exitCode)) return exitCode;
    const std::string ssid = PrintableSsid(profile.SSID, BoundedLength(profile.SSID, sizeof profile.SSID));
    Out("Connecting to \"" + ssid + "\" with profile \"" + command.profile + "\"...\n");
    ConnectOps ops;
    ops.disconnect = [] { return Disconnect(); };
    ops.connectToNetwork = [](const WLAN_PROFILE& p) { return ConnectToNetwork(&p); };
    ops.connectionStatus = [](uint32_t* state) { return GetConnectionStatus(state); };
    ops.sleepMs = [](uint32_t ms) { Sleep(ms); };
    ops.nowMs = NowMs;
    switch (RunConnect(ops, profile, command.timeoutMs)) {
    case ConnectOutcome::LinkUp: {
        NETWORK_STATUS status{};
        SIGNAL_INFO signal{};
        GetNetworkStatus(AdapterDescription(), &status);
        GetSignalInfo(&signal);
        const std::string linked = PrintableSsid(status.Ssid, BoundedLength(status.Ssid, sizeof status.Ssid));
        Out("Link up: \"" + linked + "\", channel " + std::to_string(status.Channel) + ", signal " +
            std::to_string(signal.Rssi) + " dBm (" + std::to_string(radio::SignalPercent(signal.Rssi)) + "%).\n");
        DisconnectToAdapter();  // closes our binding only; the link stays
        return ExitSuccess;
    }
    case ConnectOutcome::Refused:
        return Fail("the profile was not applied: its SSID is empty or too long, or the credentials were refused");
    case ConnectOutcome::TimedOut:
        break;
    }
    return Fail("the link did not come up within " + std::to_string(command.timeoutMs) + " ms");
}

int DisconnectCommand() {
    int exitCode = ExitSuccess;
    if (!BindAdapter(exitCode)) return exitCode;
    const int32_t rc = Disconnect();
    if (rc != 0) return Fail("the adapter did not disassociate (" + ResultText(rc) + ")");
    Out("Disconnected.\n");
    DisconnectToAdapter();
    return ExitSuccess;
}

int Profiles() {
    CRegKey key;
    if (key.Open(HKEY_LOCAL_MACHINE, profile::KeyPath, KEY_READ) != ERROR_SUCCESS) {
        Out("No profiles stored.\n");
        return ExitSuccess;
    }
    std::vector<std::string> names;
    for (DWORD index = 0;; ++index) {
        char name[profile::NameWidth] = {};
        DWORD length = sizeof name;
        const LONG rc = RegEnumKeyExA(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (rc == ERROR_NO_MORE_ITEMS) break;
        if (rc == ERROR_SUCCESS) names.emplace_back(name, length);  // longer names cannot be profiles
    }
    std::sort(names.begin(), names.end());
    char current[profile::NameWidth] = {};
    GetCurrentProfile(current);
    current[sizeof current - 1] = 0;
    Out(names.empty() ? std::string("No profiles stored.\n") : FormatProfileList(names, current));
    return ExitSuccess;
}

int Show(const Command& command) {
    WLAN_PROFILE profile;
    int exitCode = ExitSuccess;
    if (!LoadProfile(command.profile, profile, exitCode)) return exitCode;
    Out(FormatProfile(profile));
    return ExitSuccess;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    const ParsedCommand parsed = ParseCommandLine(args);
    if (!parsed.ok) {
        std::fprintf(stderr, "wifictl: %s\n\n%s", parsed.error.c_str(), UsageText().c_str());
        return ExitUsage;
    }
    const Command& command = parsed.command;
    switch (command.verb) {
    case Verb::Help: Out(UsageText()); return ExitSuccess;
    case Verb::Status: return Status();
    case Verb::Survey: return Survey(command);
    case Verb::Connect: return Connect(command);
    case Verb::Disconnect: return DisconnectCommand();
    case Verb::Profiles: return Profiles();
    case Verb::Show: return Show(command);
    }
    return ExitUsage;
}
