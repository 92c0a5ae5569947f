// LinkNotices.cpp - see LinkNotices.h.
#include "monitor/core/portable/LinkNotices.h"

#include <algorithm>
#include <iterator>

namespace notice {
namespace {

std::string Cut(std::string text, size_t capacity) {
    if (text.size() > capacity - 1) text.resize(capacity - 1);
    return text;
}

Balloon ConnectedBalloon(const std::string& ssid, int percent) {
    return {Kind::Connected, Cut(ConnectedPrefix + ShownSsid(ssid), TitleCapacity),
            Cut(SignalPrefix + std::to_string(percent) + "%", TextCapacity)};
}

Balloon LostBalloon(const std::string& ssid) {
    return {Kind::Lost, LostTitle, Cut(LostPrefix + ShownSsid(ssid), TextCapacity)};
}

}  // namespace

Balloon LinkNotices::Next(const Sighting& s, bool enabled) {
    if (s.handedToService) {
        // Whatever the service does with the adapter is not announced, nor is the handover itself.
        known_ = Known::Unknown;
        ssid_.clear();
        return {};
    }
    if (s.view == tray::LinkView::Connected && !s.statusRead) return {};
    Balloon balloon;
    if (s.view == tray::LinkView::Connected) {
        if (known_ != Known::Up || s.ssid != ssid_) balloon = ConnectedBalloon(s.ssid, s.signalPercent);
        known_ = Known::Up;
        ssid_ = s.ssid;
    } else {
        if (known_ == Known::Up && !s.userConnecting) balloon = LostBalloon(ssid_);
        known_ = Known::Down;
    }
    return enabled ? balloon : Balloon{};
}

bool StatusShowsLink(const NETWORK_STATUS& status) {
    return status.MediaState == 0 &&
           std::any_of(std::begin(status.Bssid), std::end(status.Bssid), [](uint8_t b) { return b != 0; });
}

bool ChoiceFromStored(bool found, bool isDword, uint32_t value) {
    // A value of another type or size was not written by us: the default holds.
    if (!found || !isDword) return true;
    return value != 0;
}

std::string ShownSsid(const std::string& ssid) {
    if (ssid.empty()) return UnnamedNetwork;
    std::string shown = ssid;
    for (char& c : shown) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) c = '?';
    }
    return shown;
}

}  // namespace notice
