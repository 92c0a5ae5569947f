// LinkStatisticsRows.cpp - see LinkStatisticsRows.h.
#include "monitor/pages/portable/LinkStatisticsRows.h"

namespace linkinfo {

namespace {

// A counter since its baseline: both are low 32 bits, so the difference is taken modulo 2^32 and
// shown unsigned (a signed text would turn negative after 2 GB).
std::string Since(uint32_t now, uint32_t baseline) { return std::to_string(uint32_t(now - baseline)); }

std::string Dbm(int32_t value) { return std::to_string(value) + " dBm"; }

}  // namespace

Baselines BaselinesOf(const NETWORK_STATISTICS& s) {
    return {s.PacketsReceived, s.PacketsTransmitted, uint32_t(s.BytesReceived), uint32_t(s.BytesTransmitted)};
}

std::string ElapsedText(uint64_t seconds) {
    return std::to_string(seconds / 3600) + ":" + std::to_string(seconds / 60 % 60) + ":" + std::to_string(seconds % 60);
}

std::string DriverVersionText(const NETWORK_STATISTICS& s) {
    return std::to_string(s.DriverVersion[0]) + "." + std::to_string(s.DriverVersion[1]) + "." +
           std::to_string(s.DriverVersion[2]) + "." + std::to_string(s.DriverVersion[3]);
}

StatisticsRows BuildStatisticsRows(const NETWORK_STATISTICS* s, const Baselines& b, const UpTimes& times) {
    StatisticsRows rows;
    if (!s) return rows;
    rows.left = {std::to_string(s->TransmitRate) + " Mbps",
                 std::to_string(s->ReceiveRate) + " Mbps",
                 Since(s->PacketsReceived, b.packetsReceived),
                 Since(s->PacketsTransmitted, b.packetsTransmitted),
                 Since(uint32_t(s->BytesReceived), b.bytesReceived),
                 Since(uint32_t(s->BytesTransmitted), b.bytesTransmitted),
                 DriverVersionText(*s)};
    rows.right = {Dbm(s->NoiseLevel), Dbm(s->SignalStrength), ElapsedText(times.upSeconds),
                  ElapsedText(times.totalSeconds)};
    return rows;
}

}  // namespace linkinfo
