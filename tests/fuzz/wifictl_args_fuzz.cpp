// wifictl's arguments come from scripts and people: the parser, the add options and JSON texts must survive any bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "adapter/portable/IpTexts.h"
#include "monitor/editor/portable/IpSettings.h"
#include "monitor/editor/portable/SecurityModes.h"
#include "tests/support/JsonParser.h"
#include "wifictl/core/CommandLine.h"
#include "wifictl/core/Json.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    // The bytes as a command line, one argument per line.
    std::vector<std::string_view> args;
    for (size_t start = 0; start <= input.size();) {
        const size_t end = std::min(input.find('\n', start), input.size());
        args.push_back(input.substr(start, end - start));
        start = end + 1;
    }
    wifictl::ParsedCommand parsed = wifictl::ParseCommandLine(args);
    Check(parsed.ok || !parsed.error.empty());
    if (parsed.ok && parsed.command.verb == wifictl::Verb::Add && !parsed.command.helpFor) {
        WLAN_PROFILE& p = parsed.command.added;
        // Whatever the options, the record is one the editor could have made.
        Check(p.SSID[0] != 0 && p.SSID[32] == 0);
        Check(editor::CheckStaticAddress(p) == editor::AddressFault::None);
        bool offered = false;
        for (const editor::SecurityEntry& e : editor::SecurityEntries(p)) offered |= e.securityMode == p.SecurityMode;
        Check(offered);
        wifictl::ApplySecret(parsed.command.add, args.back(), p);
        Check(p.PassPhrase[127] == 0 && p.LoginPassword[127] == 0);
    }

    // The bytes as an address, and as a JSON string.
    if (const auto address = editor::ParseDottedAddress(input))
        Check(editor::ParseDottedAddress(ipconfig::Dotted(*address).text) == address);
    const auto json = json_check::Parse(wifictl::JsonString(input));
    Check(json && json->kind == json_check::Value::Kind::String);
    return 0;
}
