// CommandLine.h - the commands and options wifictl understands.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wifictl {

enum class Verb { Help, Status, Survey, Connect, Disconnect, Profiles, Show };

struct Command {
    Verb verb = Verb::Help;
    std::string profile;         // connect, show
    uint32_t waitMs = 5000;      // survey: time the driver gets to scan, as the monitor gives it
    uint32_t timeoutMs = 20000;  // connect: how long to wait for the link after the profile is applied
};

struct ParsedCommand {
    bool ok = false;
    Command command;
    std::string error;  // when not ok: what was wrong, for the usage message
};

// `args` are the arguments after the program name.
ParsedCommand ParseCommandLine(const std::vector<std::string_view>& args);

std::string UsageText();

// Exit codes for scripts.
inline constexpr int ExitSuccess = 0;
inline constexpr int ExitFailure = 1;
inline constexpr int ExitUsage = 2;

}  // namespace wifictl
