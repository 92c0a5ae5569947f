// CommandLine.h - the commands and options wifictl understands.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "adapter/wifiapi.h"
#include "wifictl/core/AddProfile.h"

namespace wifictl {

enum class Verb { Help, Status, Survey, Connect, Disconnect, Profiles, Show, Add, Delete, Use, Export, Import };

struct Command {
    Verb verb = Verb::Help;
    std::optional<Verb> helpFor;  // help COMMAND, or COMMAND --help
    std::string profile;          // connect, show, add, delete, use, export
    std::string file;             // export, import
    uint32_t waitMs = 5000;       // survey: time the driver gets to scan, as the monitor gives it
    uint32_t timeoutMs = 20000;   // connect: how long to wait for the link after the profile is applied
    bool json = false;            // status, survey
    bool replace = false;         // add, import: overwrite a stored profile of the same name
    AddRequest add;               // add: what the options asked for
    WLAN_PROFILE added{};         // add: the profile the options make, all but its secret
};

struct ParsedCommand {
    bool ok = false;
    Command command;
    std::string error;  // when not ok: what was wrong, for the usage message
};

// `args` are the arguments after the program name.
ParsedCommand ParseCommandLine(const std::vector<std::string_view>& args);

// Every command in one text, and one command's own.
std::string UsageText();
std::string CommandHelp(Verb verb);

// Exit codes for scripts.
inline constexpr int ExitSuccess = 0;
inline constexpr int ExitFailure = 1;
inline constexpr int ExitUsage = 2;

}  // namespace wifictl
