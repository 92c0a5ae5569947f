// The Link Information page reads driver and IP Helper records whose text fields need not end in
// a NUL: its rows and the profile it updates must stay within bounds for any bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "monitor/ui/portable/AddressOrder.h"
#include "monitor/pages/portable/LinkInfoRows.h"
#include "monitor/pages/portable/LinkStatisticsRows.h"
#include "monitor/pages/portable/NamePrompt.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    NETWORK_STATUS status;
    std::memset(&status, 0, sizeof status);
    std::memcpy(&status, data, size < sizeof status ? size : sizeof status);
    const linkinfo::InformationRows rows = linkinfo::BuildInformationRows(&status);
    if (rows.left[1].size() > sizeof status.Ssid) std::abort();
    for (const std::string& row : rows.right)
        if (row.size() > 17) std::abort();  // the address fields, or the MAC text
    WLAN_PROFILE profile{};
    linkinfo::TakeLinkAddressing(status, profile);

    NETWORK_STATISTICS statistics;
    std::memset(&statistics, 0, sizeof statistics);
    std::memcpy(&statistics, data, size < sizeof statistics ? size : sizeof statistics);
    uint64_t seconds = 0;
    std::memcpy(&seconds, data, size < sizeof seconds ? size : sizeof seconds);
    linkinfo::BuildStatisticsRows(&statistics, linkinfo::BaselinesOf(statistics), {seconds, seconds});

    // Any address that parses prints as text that parses back to it.
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (const auto parsed = address::ParseDotted(text.c_str())) {
        if (address::ParseDotted(address::DottedText(*parsed).c_str()) != parsed) std::abort();
    }
    prompt::CheckName(std::string_view(text));
    return 0;
}
