// TrayChoice.cpp - see TrayChoice.h.
#include "monitor/core/portable/TrayChoice.h"

#include <cstdio>

#include "adapter/portable/Bytes.h"
#include "adapter/portable/RadioUnits.h"
#include "monitor/res/resource.h"

namespace tray {

int SignalPercent(int32_t rssiDbm) { return radio::SignalPercent(rssiDbm); }

Look LookForPercent(int percent) {
    if (percent <= 25) return Look::Signal0To25;
    if (percent <= 50) return Look::Signal26To50;
    if (percent <= 75) return Look::Signal51To75;
    return Look::SignalAbove75;
}

uint16_t IconFor(Look look, bool windowsXp) {
    switch (look) {
        case Look::Disabled: return IDI_TRAY_DISABLED;
        case Look::Scanning:
        case Look::Signal0To25: return windowsXp ? IDI_TRAY_XP_LOW : IDI_TRAY_OTHER_LOW;
        case Look::Signal26To50: return windowsXp ? IDI_TRAY_XP_FAIR : IDI_TRAY_OTHER_FAIR;
        case Look::Signal51To75: return windowsXp ? IDI_TRAY_XP_GOOD : IDI_TRAY_OTHER_GOOD;
        case Look::SignalAbove75: return windowsXp ? IDI_TRAY_XP_FULL : IDI_TRAY_OTHER_FULL;
    }
    return IDI_TRAY_DISABLED;
}

std::string ConnectionTip(const NETWORK_STATUS& status) {
    char line[64];
    std::string tip = " Connect to:";
    tip.append(status.Ssid, BoundedLength(status.Ssid, sizeof status.Ssid));
    tip += " \n";
    const uint8_t* b = status.Bssid;
    std::snprintf(line, sizeof line, " %02X-%02X-%02X-%02X-%02X-%02X \n", b[0], b[1], b[2], b[3], b[4], b[5]);
    tip += line;
    tip += status.InfrastructureMode != 0 ? " Infrastructure \n" : " Ad Hoc \n";
    std::snprintf(line, sizeof line, " Channel: %d \n", int(status.Channel));
    tip += line;
    std::snprintf(line, sizeof line, " Speed: %d Mbps ", int(status.LinkSpeed));
    tip += line;
    if (tip.size() > TipCapacity - 1) tip.resize(TipCapacity - 1);
    return tip;
}

LinkView ChoosePoll(bool adapterBound, int32_t statusResult, uint32_t connectionState) {
    if (!adapterBound || statusResult != 0) return LinkView::Disabled;
    return connectionState == 0 ? LinkView::Connected : LinkView::Scanning;
}

}  // namespace tray
