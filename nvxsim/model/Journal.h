// Journal.h - the record of every call the simulated adapter answered, and its one-line text form.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace nvxsim {

// Pseudo-OIDs naming the calls that are not OID requests, for the journal and for failure injection.
inline constexpr uint32_t CallConnect = 0xFFFF0001;
inline constexpr uint32_t CallCredentials = 0xFFFF0002;
inline constexpr uint32_t CallDisconnect = 0xFFFF0003;
inline constexpr uint32_t AnyOid = 0xFFFFFFFF;

enum class CallKind : uint32_t { Set = 1, Query = 2, Credentials = 3, Connect = 4, Disconnect = 5 };

struct JournalEntry {
    CallKind kind;
    uint32_t oid;     // the OID, or one of the Call* pseudo-OIDs
    uint32_t length;  // the length the caller passed
    int32_t status;   // what the call answered
    std::vector<uint8_t> data;  // sets and credentials: the bytes passed
};

// "<kind> <oid> <length> <status> <data>", e.g. "set 0D010102 36 00000000 05000000...":
// OID and status as eight hexadecimal digits, data in hexadecimal or "-". The
// credentials record holds passphrases and passwords, so its bytes never appear.
std::string JournalLine(const JournalEntry& entry);

}  // namespace nvxsim
