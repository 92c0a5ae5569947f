// SurveyReport.h - the scanned networks as `wifictl survey` lists them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace wifictl {

struct SurveyRow {
    std::string ssid;       // printable; empty for a network that hides its name
    std::string ssidBytes;  // the SSID as the network sends it
    uint32_t channel = 0;
    int32_t rssi = 0;  // dBm
    int32_t signalPercent = 0;
    std::string security;  // "open", "WEP", "WPA2-Personal AES", ...
    bool adhoc = false;
    std::string mac;
};

// Rows for the entries of a BSSID list buffer, in the driver's order, as far as
// the buffer holds whole entries (at most the survey's 100).
std::vector<SurveyRow> SurveyRows(const uint8_t* list, size_t size);

// A header line and one aligned line per row.
std::string FormatSurvey(const std::vector<SurveyRow>& rows);

// {"networks":[...]}, one object per row, for scripts.
std::string FormatSurveyJson(const std::vector<SurveyRow>& rows);

}  // namespace wifictl
