// CommandLine.cpp - parsing wifictl's arguments.
#include "wifictl/core/CommandLine.h"

#include <algorithm>
#include <charconv>

#include "adapter/portable/ProfileLayout.h"
#include "wifictl/core/TerminalText.h"

namespace wifictl {
namespace {

enum class Slot { Profile, File };

struct VerbSpec {
    const char* name;
    Verb verb;
    std::vector<Slot> positionals;
    std::vector<const char*> options;  // besides --help; add takes its own
    const char* synopsis;              // after "wifictl "
    const char* summary;
    const char* details;
};

const std::vector<VerbSpec>& Verbs() {
    static const std::vector<VerbSpec> verbs = {
        {"status", Verb::Status, {}, {"--json"}, "status [--json]", "show the wireless link",
         "Shows the link: state, network, signal, security, counters, IP settings, the adapter's\n"
         "MAC address and driver version. What cannot be read is named as such.\n"
         "  --json                    one JSON object instead, for scripts\n"},
        {"survey", Verb::Survey, {}, {"--wait-ms", "--json"}, "survey [--wait-ms MS] [--json]",
         "scan and list the networks in range",
         "Asks the adapter to scan, waits (default 5000 ms, as the monitor does) and lists the\n"
         "networks it found in the driver's order, at most 100.\n"
         "  --wait-ms MS              how long the adapter scans, up to 600000\n"
         "  --json                    {\"networks\":[...]} instead, for scripts\n"},
        {"connect", Verb::Connect, {Slot::Profile}, {"--timeout-ms"}, "connect PROFILE [--timeout-ms MS]",
         "apply a stored profile and wait for the link",
         "Applies the stored profile as the monitor's connect worker does and waits for the\n"
         "link (default 20000 ms).\n"
         "  --timeout-ms MS           how long to wait for the link, up to 600000\n"},
        {"disconnect", Verb::Disconnect, {}, {}, "disconnect", "take the adapter off its network",
         "Takes the adapter off its network.\n"},
        {"profiles", Verb::Profiles, {}, {}, "profiles", "list the stored profiles (* marks the current one)",
         "Lists the stored profiles; * marks the current one.\n"},
        {"show", Verb::Show, {Slot::Profile}, {}, "show PROFILE",
         "show a stored profile; keys and passwords are never shown",
         "Shows the settings of a stored profile. Passphrases, keys and passwords are only\n"
         "said to be set, never shown.\n"},
        {"add", Verb::Add, {Slot::Profile}, {}, "add PROFILE [options]", "store a new profile",
         "Stores a new profile, checked by the same rules as the monitor's profile editor.\n"
         "A passphrase, WEP key or password is never an argument: it is read as one line from\n"
         "standard input, or asked for without echo when standard input is a console.\n"},
        {"delete", Verb::Delete, {Slot::Profile}, {}, "delete PROFILE", "delete a stored profile",
         "Deletes a stored profile. The current profile is not deleted: make another current first.\n"},
        {"use", Verb::Use, {Slot::Profile}, {}, "use PROFILE", "make a stored profile the current one",
         "Makes a stored profile the current one, which the monitor applies when it starts.\n"},
        {"export", Verb::Export, {Slot::Profile, Slot::File}, {}, "export PROFILE FILE",
         "write a stored profile to a file",
         "Writes a stored profile to FILE in the library's export form (section \"WLAN Profile\").\n"
         "The file holds the profile's passphrase, keys and password: keep it private.\n"},
        {"import", Verb::Import, {Slot::File}, {"--replace"}, "import FILE [--replace]",
         "store the profile a file holds",
         "Stores the profile that FILE names, as written by export. The stored profile \"Default\"\n"
         "must exist. A file with a value out of its range, or naming a profile by a name that a\n"
         "new profile cannot have, is refused and nothing is written.\n"
         "  --replace                 overwrite a stored profile of the same name\n"},
    };
    return verbs;
}

const VerbSpec* FindVerb(std::string_view name) {
    for (const VerbSpec& v : Verbs())
        if (name == v.name) return &v;
    return nullptr;
}

const VerbSpec* SpecOf(Verb verb) {
    for (const VerbSpec& v : Verbs())
        if (v.verb == verb) return &v;
    return nullptr;
}

constexpr uint32_t MaxMs = 600000;  // ten minutes is more than any driver needs

bool ParseMs(std::string_view text, uint32_t& out) {
    uint32_t v = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty() || v > MaxMs) return false;
    out = v;
    return true;
}

ParsedCommand Fail(std::string error, Verb verb = Verb::Help) {
    ParsedCommand p;
    p.command.verb = verb;
    p.error = std::move(error);
    return p;
}

bool IsHelp(std::string_view a) { return a == "-h" || a == "--help" || a == "/?"; }

// Options that would put a secret on the command line, where other users and logs see it.
bool NamesASecret(std::string_view option) {
    for (const char* s : {"--passphrase", "--password", "--key", "--wep-key", "--psk", "--secret"})
        if (option == s) return true;
    return false;
}

bool TakesValue(const VerbSpec& verb, std::string_view option) {
    if (verb.verb == Verb::Add) return AddOptionTakesValue(option);
    return option == "--wait-ms" || option == "--timeout-ms";
}

bool Allows(const VerbSpec& verb, std::string_view option) {
    if (verb.verb == Verb::Add) return IsAddOption(option);
    for (const char* o : verb.options)
        if (option == o) return true;
    return false;
}

// A stored profile may have a name that a new one cannot (an older version made it): it can
// still be shown, used, exported and deleted. A new one's name follows the one rule.
bool ValidProfileName(const std::string& name, Verb verb) {
    if (verb == Verb::Add) return profile::IsCreatableName(name);
    return name.size() < profile::NameWidth && name.find('\0') == std::string::npos &&
           profile::IsValidName(name.c_str(), name.size() + 1);
}

}  // namespace

ParsedCommand ParseCommandLine(const std::vector<std::string_view>& args) {
    if (args.empty()) return Fail("no command given");
    const std::string_view first = args[0];
    if (IsHelp(first)) {
        if (args.size() > 1) return Fail("help takes no arguments");
        return ParsedCommand{true, Command{}, {}};
    }
    if (first == "help") {
        if (args.size() > 2) return Fail("help takes at most one command");
        ParsedCommand parsed{true, Command{}, {}};
        if (args.size() == 2) {
            const VerbSpec* about = FindVerb(args[1]);
            if (!about) return Fail("unknown command '" + std::string(args[1]) + "'");
            parsed.command.helpFor = about->verb;
        }
        return parsed;
    }
    const VerbSpec* verb = FindVerb(first);
    if (!verb) return Fail("unknown command '" + std::string(first) + "'");

    ParsedCommand parsed;
    Command& command = parsed.command;
    command.verb = verb->verb;
    for (size_t i = 1; i < args.size(); ++i) {
        if (IsHelp(args[i])) {  // help for the command, whatever else was typed
            command.helpFor = verb->verb;
            parsed.ok = true;
            return parsed;
        }
    }
    size_t filled = 0;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string_view a = args[i];
        if (a.size() > 1 && a[0] == '-') {
            // "--name value" or "--name=value"; only the name is ever echoed, never a value.
            const size_t equals = a.find('=');
            const std::string_view option = a.substr(0, equals);
            if (NamesASecret(option))
                return Fail("secrets are never taken as arguments: wifictl reads a passphrase, key or password "
                            "from standard input, or asks for it",
                            verb->verb);
            if (!Allows(*verb, option))
                return Fail("unknown option '" + std::string(option) + "' for " + verb->name, verb->verb);
            std::string_view value;
            if (TakesValue(*verb, option)) {
                if (equals != std::string_view::npos) {
                    value = a.substr(equals + 1);
                } else {
                    if (i + 1 >= args.size()) {
                        const bool ms = option == "--wait-ms" || option == "--timeout-ms";
                        return Fail(std::string(option) + (ms ? " needs a number of milliseconds" : " needs a value"),
                                    verb->verb);
                    }
                    value = args[++i];
                }
            } else if (equals != std::string_view::npos) {
                return Fail(std::string(option) + " takes no value", verb->verb);
            }
            if (option == "--wait-ms" || option == "--timeout-ms") {
                uint32_t& target = option == "--wait-ms" ? command.waitMs : command.timeoutMs;
                if (!ParseMs(value, target))
                    return Fail(std::string(option) + " takes a whole number of milliseconds up to " +
                                    std::to_string(MaxMs),
                                verb->verb);
            } else if (option == "--json") {
                command.json = true;
            } else if (option == "--replace" && verb->verb == Verb::Import) {
                command.replace = true;
            } else if (verb->verb == Verb::Add) {
                const std::string fault = TakeAddOption(command.add, option, value);
                if (!fault.empty()) return Fail(fault, verb->verb);
            }
            continue;
        }
        if (filled == verb->positionals.size()) {
            // Whatever else was typed after add's name might be a secret: it is not echoed.
            if (verb->verb == Verb::Add)
                return Fail("add takes one profile name; a passphrase, key or password is read from standard "
                            "input, never given as an argument",
                            verb->verb);
            return Fail("unexpected argument '" + std::string(a) + "'", verb->verb);
        }
        (verb->positionals[filled++] == Slot::Profile ? command.profile : command.file) = std::string(a);
    }
    for (size_t slot = filled; slot < verb->positionals.size(); ++slot)
        return Fail(std::string(verb->name) +
                        (verb->positionals[slot] == Slot::Profile ? " needs a profile name" : " needs a file name"),
                    verb->verb);
    const bool namesProfile = std::find(verb->positionals.begin(), verb->positionals.end(), Slot::Profile) !=
                              verb->positionals.end();
    if (namesProfile && !ValidProfileName(command.profile, verb->verb))
        return Fail("'" + PrintableText(command.profile) + "' cannot be a profile name", verb->verb);
    if (verb->verb == Verb::Add) {
        command.replace = command.add.replace;
        const std::string fault = ApplyAddOptions(command.add, command.profile, command.added);
        if (!fault.empty()) return Fail(fault, verb->verb);
    }
    parsed.ok = true;
    return parsed;
}

std::string UsageText() {
    std::string out = "usage: wifictl COMMAND [options]\n\n";
    for (const VerbSpec& v : Verbs()) {
        std::string line = std::string("  ") + v.synopsis;
        line.append(line.size() < 36 ? 36 - line.size() : 1, ' ');
        out += line + v.summary + "\n";
    }
    out += "  help [COMMAND]                    show this text, or one command's\n"
           "\n"
           "Every command takes --help. Exit codes: 0 success, 1 failure, 2 usage.\n";
    return out;
}

std::string CommandHelp(Verb verb) {
    const VerbSpec* v = SpecOf(verb);
    if (!v) return UsageText();
    std::string out = std::string("usage: wifictl ") + v->synopsis + "\n\n" + v->details;
    if (verb == Verb::Add) out += "\n" + AddOptionsHelp();
    return out + "\nExit codes: 0 success, 1 failure, 2 usage.\n";
}

}  // namespace wifictl
