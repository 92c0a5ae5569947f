// CommandLine.cpp - parsing wifictl's arguments.
#include "wifictl/core/CommandLine.h"

#include <charconv>

#include "adapter/portable/ProfileLayout.h"

namespace wifictl {
namespace {

struct VerbName {
    const char* name;
    Verb verb;
    bool takesProfile;
};
constexpr VerbName kVerbs[] = {
    {"help", Verb::Help, false},       {"status", Verb::Status, false},
    {"survey", Verb::Survey, false},   {"connect", Verb::Connect, true},
    {"disconnect", Verb::Disconnect, false}, {"profiles", Verb::Profiles, false},
    {"show", Verb::Show, true},
};

constexpr uint32_t MaxMs = 600000;  // ten minutes is more than any driver needs

bool ParseMs(std::string_view text, uint32_t& out) {
    uint32_t v = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty() || v > MaxMs) return false;
    out = v;
    return true;
}

ParsedCommand Fail(std::string error) {
    ParsedCommand p;
    p.error = std::move(error);
    return p;
}

}  // namespace

ParsedCommand ParseCommandLine(const std::vector<std::string_view>& args) {
    if (args.empty()) return Fail("no command given");
    const std::string_view first = args[0];
    if (first == "-h" || first == "--help" || first == "/?") {
        if (args.size() > 1) return Fail("help takes no arguments");
        return ParsedCommand{true, Command{}, {}};
    }
    const VerbName* verb = nullptr;
    for (const VerbName& v : kVerbs)
        if (first == v.name) verb = &v;
    if (!verb) return Fail("unknown command '" + std::string(first) + "'");

    ParsedCommand parsed;
    parsed.command.verb = verb->verb;
    bool haveProfile = false;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string_view a = args[i];
        const bool waitOption = a == "--wait-ms" && verb->verb == Verb::Survey;
        const bool timeoutOption = a == "--timeout-ms" && verb->verb == Verb::Connect;
        if (waitOption || timeoutOption) {
            if (i + 1 >= args.size()) return Fail(std::string(a) + " needs a number of milliseconds");
            uint32_t& target = waitOption ? parsed.command.waitMs : parsed.command.timeoutMs;
            if (!ParseMs(args[++i], target))
                return Fail(std::string(a) + " takes a whole number of milliseconds up to " + std::to_string(MaxMs));
            continue;
        }
        if (a.size() > 1 && a[0] == '-') return Fail("unknown option '" + std::string(a) + "' for " + verb->name);
        if (!verb->takesProfile || haveProfile) return Fail("unexpected argument '" + std::string(a) + "'");
        parsed.command.profile = std::string(a);
        haveProfile = true;
    }
    if (verb->takesProfile) {
        if (!haveProfile) return Fail(std::string(verb->name) + " needs a profile name");
        if (!profile::IsValidName(parsed.command.profile.c_str(), parsed.command.profile.size() + 1) ||
            parsed.command.profile.size() >= profile::NameWidth)
            return Fail("'" + parsed.command.profile + "' cannot be a profile name");
    }
    parsed.ok = true;
    return parsed;
}

std::string UsageText() {
    return "usage: wifictl COMMAND [options]\n"
           "\n"
           "  status                            show the wireless link\n"
           "  survey [--wait-ms MS]             scan, wait (default 5000 ms) and list the networks in range\n"
           "  connect PROFILE [--timeout-ms MS] apply a stored profile and wait for the link (default 20000 ms)\n"
           "  disconnect                        take the adapter off its network\n"
           "  profiles                          list the stored profiles (* marks the current one)\n"
           "  show PROFILE                      show a stored profile; keys and passwords are never shown\n"
           "  help                              show this text\n"
           "\n"
           "Exit codes: 0 success, 1 failure, 2 usage.\n";
}

}  // namespace wifictl
