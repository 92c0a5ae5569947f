// Status.h - the NDIS status codes the simulated driver-access library answers with.
#pragma once

#include <cstdint>

namespace nvxsim {
inline constexpr int32_t StatusSuccess = 0;
// The vendor library's answer while unbound after the adapter came or went: its device changed.
inline constexpr int32_t StatusDeviceChanged = 4;
inline constexpr int32_t StatusFailure = int32_t(0xC0000001);
inline constexpr int32_t StatusNotSupported = int32_t(0xC00000BB);
inline constexpr int32_t StatusAdapterNotFound = int32_t(0xC0010006);
inline constexpr int32_t StatusAdapterNotReady = int32_t(0xC0010011);
inline constexpr int32_t StatusInvalidLength = int32_t(0xC0010014);
inline constexpr int32_t StatusInvalidData = int32_t(0xC0010015);
inline constexpr int32_t StatusBufferTooShort = int32_t(0xC0010016);
}  // namespace nvxsim
