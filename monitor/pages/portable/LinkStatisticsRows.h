// LinkStatisticsRows.h - the rows of the Link Information page's statistics view.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "adapter/wifiapi.h"
#include "monitor/pages/portable/StatisticsClock.h"

namespace linkinfo {

// The counters (low 32 bits) at the last reset; the view shows what came since.
struct Baselines {
    uint32_t packetsReceived = 0, packetsTransmitted = 0, bytesReceived = 0, bytesTransmitted = 0;
};

Baselines BaselinesOf(const NETWORK_STATISTICS& statistics);

struct StatisticsRows {
    // Transmit Rate, Receive Rate, Packets Received, Packets Transmitted, Bytes Received,
    // Bytes Transmitted, Driver Version.
    std::array<std::string, 7> left;
    // Noise Level, Signal Strength, Up Time, Total Up Time.
    std::array<std::string, 4> right;
};

// The rows for a link that is up; null: the link is down and every row is empty.
StatisticsRows BuildStatisticsRows(const NETWORK_STATISTICS* linkUpStatistics, const Baselines& baselines,
                                   const UpTimes& times);

// "hours:minutes:seconds", each in plain decimal; the hours are all of them, however many.
std::string ElapsedText(uint64_t seconds);

// "5.3.0.41": the driver version's four parts.
std::string DriverVersionText(const NETWORK_STATISTICS& statistics);

}  // namespace linkinfo
