// ServiceControl.h - state, stop and start of one service through the service control manager.
#pragma once

#include <cstdint>

namespace service {

enum class State { Running, Stopped, Other };

// How long a stop or start is waited for, and how often it is looked at.
inline constexpr uint32_t WaitLimitMs = 20000;
inline constexpr uint32_t PollIntervalMs = 50;

// Running (4) or stopped (1); anything else, or a failure, reads as other.
State QueryState(const char* name);

// Sends the stop control and waits, within the limit, until the service reads
// stopped. False when the stop was refused, the status could not be read or
// the service did not stop in time.
bool StopAndWait(const char* name);

// Starts the service with no arguments and waits, within the limit, while it
// still reads stopped or start pending. False when the start was refused or
// it did not come up in time.
bool StartAndWait(const char* name);

}  // namespace service
