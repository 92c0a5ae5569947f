// RadioUnits.cpp - see RadioUnits.h.
#include "adapter/portable/RadioUnits.h"

namespace radio {

uint32_t ChannelFromKhz(uint32_t khz) {
    if (khz == Channel14Khz) return 14;
    return (khz - 2412000u) / 5000u + 1u;
}

uint32_t SurveyChannel(uint32_t khz) {
    const uint32_t channel = ChannelFromKhz(khz);
    return channel > 14 ? 14 : channel;
}

uint32_t KhzFromChannel(uint32_t channel) {
    if (channel == 14) return Channel14Khz;
    return 2407000u + 5000u * channel;
}

int32_t SignalPercent(int32_t rssiDbm) {
    // 64-bit: the RSSI comes from the driver and 100 x INT32_MIN must not overflow.
    const int64_t percent = (int64_t(rssiDbm) * 100 + 8900) / 35;
    if (percent > 100) return 100;
    if (percent < 0) return 0;
    return int32_t(percent);
}

int32_t LinkQualityIndex(int32_t rssiDbm) {
    if (rssiDbm >= -57) return 0;
    if (rssiDbm >= -67) return 1;
    if (rssiDbm >= -69) return 2;
    return 3;
}

}  // namespace radio
