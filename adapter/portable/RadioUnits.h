// RadioUnits.h - channels, signal percentage and link quality, shared by the library and the monitor.
#pragma once

#include <cstdint>

namespace radio {

inline constexpr uint32_t Channel14Khz = 2484000;

// Channel of a 2.4 GHz centre frequency. Channel 14 sits 12 MHz above channel 13,
// off the 5 MHz grid the formula assumes, so it is named on its own. Frequencies
// below channel 1 wrap to a large number, as callers have always seen them.
uint32_t ChannelFromKhz(uint32_t khz);

// The survey lists show anything above channel 14 (5 GHz, or wrapped) as 14.
uint32_t SurveyChannel(uint32_t khz);

// Centre frequency for a profile's channel, the inverse of ChannelFromKhz.
uint32_t KhzFromChannel(uint32_t channel);

// (100 x RSSI + 8900) / 35, truncated toward zero, limited to 0..100.
int32_t SignalPercent(int32_t rssiDbm);

// 0 for -57 dBm and above, 1 down to -67, 2 for -68 and -69, 3 below.
int32_t LinkQualityIndex(int32_t rssiDbm);

}  // namespace radio
