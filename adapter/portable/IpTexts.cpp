// IpTexts.cpp - dotted texts and the registry byte layouts of the TCP/IP interface values.
#include "adapter/portable/IpTexts.h"

#include <cstdio>
#include <cstring>
#include <string_view>

#include "adapter/portable/Bytes.h"

namespace ipconfig {
namespace {

template <size_t N>
void CopyText(char (&to)[N], const char* from) {
    std::snprintf(to, N, "%s", from);
}

}  // namespace

DottedText Dotted(uint32_t networkOrder) {
    uint8_t b[4];
    std::memcpy(b, &networkOrder, sizeof b);
    DottedText out{};
    std::snprintf(out.text, sizeof out.text, "%u.%u.%u.%u", unsigned(b[0]), unsigned(b[1]), unsigned(b[2]),
                  unsigned(b[3]));
    return out;
}

InterfaceTexts BuildInterfaceTexts(const WLAN_PROFILE& profile) {
    InterfaceTexts t{};
    t.enableDhcp = profile.DhcpEnabled;
    if (profile.DhcpEnabled != 0) {
        CopyText(t.ipAddress, "0.0.0.0");
        CopyText(t.subnetMask, "0.0.0.0");
        return t;
    }
    CopyText(t.ipAddress, Dotted(profile.IpAddr).text);
    CopyText(t.subnetMask, Dotted(profile.IpMask).text);
    if (profile.IpGate != 0) CopyText(t.defaultGateway, Dotted(profile.IpGate).text);
    if (profile.IpDns1 != 0) {
        if (profile.IpDns2 != 0)
            std::snprintf(t.nameServer, sizeof t.nameServer, "%s,%s", Dotted(profile.IpDns1).text,
                          Dotted(profile.IpDns2).text);
        else
            CopyText(t.nameServer, Dotted(profile.IpDns1).text);
    }
    return t;
}

std::vector<uint8_t> MultiSzBytes(const char* text) {
    const size_t length = std::strlen(text);
    std::vector<uint8_t> bytes(text, text + length);
    bytes.insert(bytes.end(), 2, 0);
    return bytes;
}

uint32_t TextByteCountWithoutNul(const char* text, size_t width) {
    const size_t length = BoundedLength(text, width);
    return uint32_t(length < width ? length : 0);  // an unterminated text is not written as one
}

bool DescriptionContains(const char* field, size_t width, const char* wanted) {
    if (!field || !wanted) return false;
    return std::string_view(field, BoundedLength(field, width)).find(wanted) != std::string_view::npos;
}

}  // namespace ipconfig
