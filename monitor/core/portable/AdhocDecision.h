// AdhocDecision.h - join an ad hoc cell that is in range, or create one.
#pragma once

#include <cstddef>
#include <cstdint>

namespace adhoc {

inline constexpr uint32_t Join = 0;    // AssociationMode: an ad hoc cell of this SSID is on the profile's channel
inline constexpr uint32_t Create = 2;  // AssociationMode: start a cell on the profile's channel

// Channel of a 2.4 GHz frequency in kHz, in unsigned arithmetic as the driver's value is used.
inline uint32_t ChannelOf(uint32_t dsConfigKhz) { return (dsConfigKhz - 2412000u) / 5000u + 1u; }

// Walks a scan list (count, then entries chained by their length) of `size` bytes; `ssid` is
// the profile's SSID field of `ssidWidth` bytes. Returns Join or Create.
uint32_t ChooseAssociationMode(const uint8_t* list, size_t size, const char* ssid, size_t ssidWidth,
                               uint32_t channel);

}  // namespace adhoc
