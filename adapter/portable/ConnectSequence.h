// ConnectSequence.h - the driver operations that apply a profile, and those that take the adapter off the air.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "adapter/portable/Ndis.h"
#include "adapter/wifiapi.h"

namespace connect {

// No network carries it: setting it makes the driver leave its current one.
inline constexpr char DummySsid[] = "ONRAT-QUILLMXVWRadio2";
inline constexpr size_t CredentialsSize = 276;
inline constexpr size_t ConfigurationSize = sizeof(ndis::Configuration);

struct Step {
    enum class Kind {
        Set,          // SetOid(oid, data)
        Channel,      // read the configuration, move it to `dsConfigKhz`, set it back
        Credentials,  // nvxSet8021xCredentials(data); a refusal ends the connect
    };
    Kind kind;
    uint32_t oid = 0;
    std::vector<uint8_t> data;  // Set: the OID's data (empty: none); Credentials: the record
    uint32_t dsConfigKhz = 0;
};

// The ordered steps of ConnectToNetwork; empty when the profile cannot be applied
// (no SSID, an SSID over 32 characters, or a security mode the engine does not know).
std::vector<Step> ConnectSteps(const WLAN_PROFILE& profile);

// The configuration to set for a new ad hoc cell, from what the driver returned.
std::array<uint8_t, ConfigurationSize> ChannelConfiguration(const uint8_t* driverReply, uint32_t dsConfigKhz);

// The records the steps carry, exposed for the tests.
std::array<uint8_t, CredentialsSize> CredentialsRecord(const WLAN_PROFILE& profile);
std::array<uint8_t, sizeof(ndis::WepKey27)> WepKeyRecord(const WLAN_PROFILE& profile, uint32_t keyIndex);
std::array<uint8_t, sizeof(ndis::Ssid)> SsidRecord(const char* text, size_t length);

}  // namespace connect
