// LinkNotices.h - when the tray icon shows a balloon about the link, and what it says.
#pragma once

#include <cstdint>
#include <string>

#include "adapter/wifiapi.h"
#include "monitor/core/portable/TrayChoice.h"

namespace notice {

// REG_DWORD under the profile key: 0 turns the balloons off; absent, or anything else, leaves them on.
inline constexpr const char* ChoiceValue = "Notifications";

inline constexpr const char* ConnectedPrefix = "Connected to ";
inline constexpr const char* SignalPrefix = "Signal strength: ";
inline constexpr const char* LostTitle = "Wireless connection lost";
inline constexpr const char* LostPrefix = "No longer connected to ";
inline constexpr const char* UnnamedNetwork = "(no name)";
// The balloon fields of the notification record, NUL included.
inline constexpr size_t TitleCapacity = 64;
inline constexpr size_t TextCapacity = 256;

// What one poll saw.
struct Sighting {
    tray::LinkView view = tray::LinkView::Disabled;
    std::string ssid;        // the connected network's (Connected only)
    int signalPercent = 0;   // Connected only
    // Connected only: the network's status read back whole and still connected. A link that drops
    // between the two reads of a poll leaves an empty SSID: no news, the next poll tells.
    bool statusRead = true;
    bool handedToService = false;  // the OS wireless service has the adapter: its links are not ours
    bool userConnecting = false;   // a connect worker applies a profile: the drop is the user's doing
};

enum class Kind { None, Connected, Lost };

struct Balloon {
    Kind kind = Kind::None;
    std::string title, text;
};

// Follows the link from poll to poll; a balloon once per change, never for an unchanged poll.
class LinkNotices {
public:
    // `enabled` only decides whether a change is shown: the link is followed either way, so that
    // turning the balloons on shows nothing until the link next changes.
    Balloon Next(const Sighting& sighting, bool enabled);

private:
    enum class Known { Unknown, Down, Up };
    Known known_ = Known::Unknown;
    std::string ssid_;  // of the link last seen up
};

// GetNetworkStatus read the link part whole and still connected: its BSSID, the last value it
// reads, is there. Its result is no guide: the IP Helper's error comes after a complete link part.
bool StatusShowsLink(const NETWORK_STATUS& status);

// The stored choice: `found` when the value exists, `isDword` when it is a 4-byte REG_DWORD.
bool ChoiceFromStored(bool found, bool isDword, uint32_t value);

// An SSID as a balloon shows it: control characters become '?', an empty one is named as such.
std::string ShownSsid(const std::string& ssid);

}  // namespace notice
