// TrayChoice.h - which tray icon and tip the frame shows for the adapter's state.
#pragma once

#include <cstdint>
#include <string>

#include "adapter/wifiapi.h"

namespace tray {

inline constexpr const char* TipDisabled = "\n   Disable   \n";
inline constexpr const char* TipScanning = "\n   Scanning.....\n";
// The notification record's tip field: 127 characters and the NUL.
inline constexpr size_t TipCapacity = 128;

enum class Look { Disabled, Scanning, Signal0To25, Signal26To50, Signal51To75, SignalAbove75 };

// The shared signal percentage (radio::SignalPercent), as the tray uses it.
int SignalPercent(int32_t rssiDbm);

Look LookForPercent(int percent);

// Icon resource id of a look in the Windows XP set or the other one.
uint16_t IconFor(Look look, bool windowsXp);

// " Connect to:<ssid> \n <bssid> \n Infrastructure \n Channel: n \n Speed: n Mbps ", cut to 127 characters.
std::string ConnectionTip(const NETWORK_STATUS& status);

// What one poll shows; Connected means: read the status and the signal, choose by percentage.
enum class LinkView { Disabled, Scanning, Connected };
LinkView ChoosePoll(bool adapterBound, int32_t statusResult, uint32_t connectionState);

// First-run auto-open: once, when the default profile was missing or the installer marked a first start.
inline bool ShouldAutoOpen(int32_t defaultProfilePresent, int32_t firstStart, int32_t autoOpenMark) {
    return (defaultProfilePresent == 0 || firstStart != 0) && autoOpenMark == 0;
}

}  // namespace tray
