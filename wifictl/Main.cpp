// Main.cpp - wifictl: the link, the survey, connecting and the stored profiles from the command line.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "adapter/RegKey.h"
#include "adapter/StoredProfiles.h"
#include "adapter/portable/Bytes.h"
#include "adapter/portable/Ndis.h"
#include "adapter/portable/ProfileFileText.h"
#include "adapter/portable/ProfileLayout.h"
#include "adapter/portable/RadioUnits.h"
#include "adapter/portable/SecureClear.h"
#include "adapter/wifiapi.h"
#include "wifictl/core/CommandLine.h"
#include "wifictl/core/ConnectRun.h"
#include "wifictl/core/LinkReport.h"
#include "wifictl/core/ProfileReport.h"
#include "wifictl/core/SurveyReport.h"
#include "wifictl/core/TerminalText.h"

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

std::string Quoted(const std::string& name) { return "\"" + PrintableText(name) + "\""; }

bool LoadProfile(const std::string& name, WLAN_PROFILE& profile, int& exitCode) {
    profile = WLAN_PROFILE{};
    std::memcpy(profile.ProfileName, name.c_str(), name.size() + 1);  // the parser kept it within the field
    const int32_t rc = ReadProfile(&profile);
    if (rc == 0) return true;
    exitCode = Fail("no stored profile named " + Quoted(name) + " (" + ResultText(rc) + ")");
    return false;
}

std::string CurrentProfile() {
    char current[profile::NameWidth] = {};
    GetCurrentProfile(current);
    current[sizeof current - 1] = 0;
    return current;
}

// The private-profile calls look for a bare file name in the Windows folder: give them the whole path.
std::string FullPath(const std::string& file) {
    char full[MAX_PATH] = {};
    const DWORD length = GetFullPathNameA(file.c_str(), sizeof full, full, nullptr);
    return length > 0 && length < sizeof full ? std::string(full, length) : file;
}

// One line from standard input; on a console it is asked for, without echo.
// Returns false when there was nothing to read.
bool ReadSecret(const char* prompt, std::string& secret) {
    constexpr size_t Most = 1024;  // far beyond any field; longer lines are refused by the checks
    secret.clear();
    secret.reserve(Most + 1);  // never reallocated, so no copy of the secret is left behind
    HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    const bool console = in && in != INVALID_HANDLE_VALUE && GetFileType(in) == FILE_TYPE_CHAR && GetConsoleMode(in, &mode);
    if (console) {
        std::fputs(prompt, stderr);
        std::fflush(stderr);
        SetConsoleMode(in, mode & ~DWORD(ENABLE_ECHO_INPUT));
    }
    bool any = false;
    for (int c; (c = std::getchar()) != EOF;) {
        any = true;
        if (c == '\n') break;
        if (secret.size() <= Most) secret += char(c);
    }
    if (console) {
        SetConsoleMode(in, mode);
        std::fputs("\n", stderr);
    }
    if (!secret.empty() && secret.back() == '\r') secret.pop_back();
    return any;
}

int Status(const Command& command) {
    int exitCode = ExitSuccess;
    if (!BindAdapter(exitCode)) return exitCode;
    LinkView link;
    link.connectionResult = GetConnectionStatus(&link.connectionState);
    link.statusResult = GetNetworkStatus(AdapterDescription(), &link.status);
    GetSignalInfo(&link.signal);
    link.qualityIndex = GetLinkQualityIndex(link.signal.Rssi);
    GetNetworkStatistics("", &link.statistics);
    link.haveMac = GetOid(oid::CurrentAddress, link.mac, sizeof link.mac) == 0;
    Out(command.json ? FormatStatusJson(link) : FormatStatus(link));
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
    if (command.json) Out(FormatSurveyJson(rows));
    else Out(rows.empty() ? std::string("No networks in range.\n") : FormatSurvey(rows));
    DisconnectToAdapter();
    return ExitSuccess;
}

int Connect(const Command& command) {
    WLAN_PROFILE profile;
    int exitCode = ExitSuccess;
    if (!LoadProfile(command.profile, profile, exitCode) || !BindAdapter(exitCode)) return exitCode;
    const std::string ssid = PrintableField(profile.SSID, sizeof profile.SSID);
    Out("Connecting to \"" + ssid + "\" with profile " + Quoted(command.profile) + "...\n");
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
        const std::string linked = PrintableField(status.Ssid, sizeof status.Ssid);
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
    std::vector<std::string> names = profile::StoredNames().value_or(std::vector<std::string>{});
    // A name the record cannot hold is no profile.
    std::erase_if(names, [](const std::string& name) { return !profile::IsValidName(name.c_str()); });
    std::sort(names.begin(), names.end());
    Out(names.empty() ? std::string("No profiles stored.\n") : FormatProfileList(names, CurrentProfile()));
    return ExitSuccess;
}

int Show(const Command& command) {
    WLAN_PROFILE profile;
    int exitCode = ExitSuccess;
    if (!LoadProfile(command.profile, profile, exitCode)) return exitCode;
    Out(FormatProfile(profile));
    return ExitSuccess;
}

int Add(Command& command) {
    const std::string& name = command.profile;
    if (profile::Exists(name) && !command.replace)
        return Fail("a profile named " + Quoted(name) + " is stored: add --replace to overwrite it");
    WLAN_PROFILE& p = command.added;
    const SecretKind kind = SecretNeeded(command.add);
    std::string secret;
    if (kind != SecretKind::None && !ReadSecret(SecretPrompt(kind), secret))
        return Fail("nothing on standard input: the profile needs a passphrase, key or password");
    const std::string refused = ApplySecret(command.add, secret, p);
    SecureClear(secret.data(), secret.size());
    if (!refused.empty()) {
        SecureClear(&p, sizeof p);
        return Fail(refused);
    }
    const int32_t rc = WriteProfile(&p);
    SecureClear(&p, sizeof p);
    if (rc != 0) return Fail("the profile was not stored (" + ResultText(rc) + ")");
    Out("Stored profile " + Quoted(name) + ".\n");
    return ExitSuccess;
}

int Delete(const Command& command) {
    const std::string& name = command.profile;
    if (!profile::Exists(name)) return Fail("no stored profile named " + Quoted(name));
    if (CurrentProfile() == name)
        return Fail(Quoted(name) + " is the current profile: make another current first (wifictl use PROFILE)");
    const int32_t rc = DeleteProfile(name.c_str());
    if (rc != 0) return Fail(Quoted(name) + " was not deleted (" + ResultText(rc) + ")");
    Out("Deleted profile " + Quoted(name) + ".\n");
    return ExitSuccess;
}

int Use(const Command& command) {
    WLAN_PROFILE profile;
    int exitCode = ExitSuccess;
    if (!LoadProfile(command.profile, profile, exitCode)) return exitCode;
    SecureClear(&profile, sizeof profile);
    char name[profile::NameWidth] = {};  // CurProfile is written as the whole 128 bytes
    std::memcpy(name, command.profile.data(), command.profile.size());
    if (SetCurrentProfile(name) != 0) return Fail("the current profile was not changed: the profile key cannot be opened");
    Out("Current profile: " + Quoted(command.profile) + ".\n");
    return ExitSuccess;
}

int Export(const Command& command) {
    const std::string file = FullPath(command.file);
    const int32_t rc = ExportProfile(command.profile.c_str(), file.c_str());
    if (rc == ERROR_FILE_NOT_FOUND) return Fail("no stored profile named " + Quoted(command.profile));
    if (rc != 0) return Fail("the profile was not exported to " + PrintableText(file) + " (" + ResultText(rc) + ")");
    Out("Exported profile " + Quoted(command.profile) + " to " + PrintableText(file) + ".\n");
    return ExitSuccess;
}

int Import(const Command& command) {
    const std::string file = FullPath(command.file);
    if (GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES)
        return Fail("no file " + PrintableText(file));
    // What is wrong with the file comes first: without a section or a name it names no profile,
    // whatever is stored (the library would take "Default" for a missing name).
    char any[8];
    if (GetPrivateProfileStringA(profilefile::Section, nullptr, "", any, sizeof any, file.c_str()) == 0)
        return Fail(PrintableText(file) + " holds no profile (no section \"WLAN Profile\")");
    // The name is read here too, to say which profile the file names and to make its subkey.
    char named[profilefile::ImportReadChars] = {};
    const DWORD length =
        GetPrivateProfileStringA(profilefile::Section, profilefile::NameKey, "", named, sizeof named, file.c_str());
    const std::string name(named, length);
    if (name.empty())
        return Fail(PrintableText(file) + " names no profile (no ProfileName in section \"WLAN Profile\")");
    if (!profile::IsCreatableName(name))
        return Fail(PrintableText(file) + " names the profile " + Quoted(name) +
                    ", which cannot be used: " + profile::CreatableNameRule);
    if (!profile::Exists(profilefile::TemplateProfile))
        return Fail("the stored profile \"Default\" is needed: an import runs only where it exists");
    const bool exists = profile::Exists(name);
    if (exists && !command.replace)
        return Fail("a profile named " + Quoted(name) + " is stored: add --replace to overwrite it");
    // The library imports only into an existing profile: a new one gets its subkey first.
    bool made = false;
    if (!exists) {
        CRegKey key;
        made = key.Create(HKEY_LOCAL_MACHINE, profile::SubkeyPath(name).c_str(), KEY_ALL_ACCESS) == ERROR_SUCCESS;
    }
    char imported[profile::NameWidth] = {};
    const int32_t rc = ImportProfile(imported, file.c_str());
    if (rc != 0 && made) RegDeleteKeyA(HKEY_LOCAL_MACHINE, profile::SubkeyPath(name).c_str());
    switch (rc) {
    case 0:
        Out("Imported profile " + Quoted(imported) + ".\n");
        return ExitSuccess;
    case ERROR_INVALID_NAME:  // changed between the reads
        return Fail(PrintableText(file) + " names no usable profile: " + profile::CreatableNameRule);
    case ERROR_INVALID_DATA:
        return Fail("the file has a value out of its range; nothing was imported");
    default:  // a key that could not be opened: the file itself was checked above
        return Fail("the profile was not imported (" + ResultText(rc) + ")");
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    ParsedCommand parsed = ParseCommandLine(args);
    if (!parsed.ok) {
        std::fprintf(stderr, "wifictl: %s\n\n%s", parsed.error.c_str(), CommandHelp(parsed.command.verb).c_str());
        return ExitUsage;
    }
    Command& command = parsed.command;
    if (command.helpFor) {
        Out(CommandHelp(*command.helpFor));
        return ExitSuccess;
    }
    switch (command.verb) {
    case Verb::Help: Out(UsageText()); return ExitSuccess;
    case Verb::Status: return Status(command);
    case Verb::Survey: return Survey(command);
    case Verb::Connect: return Connect(command);
    case Verb::Disconnect: return DisconnectCommand();
    case Verb::Profiles: return Profiles();
    case Verb::Show: return Show(command);
    case Verb::Add: return Add(command);
    case Verb::Delete: return Delete(command);
    case Verb::Use: return Use(command);
    case Verb::Export: return Export(command);
    case Verb::Import: return Import(command);
    }
    return ExitUsage;
}
