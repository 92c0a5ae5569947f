// ProfileRegFile.h - the check of a profile file (.cfg) before the registry editor merges it.
//
// A profile file is the registry editor's export of one profile subkey: UTF-16 LE with its byte
// order mark and the header "Windows Registry Editor Version 5.00", or the single-byte form
// "REGEDIT4". The registry editor would merge whatever keys and values such a file names, so the
// check reads the whole file first and passes it only when every key is one profile's subkey and
// every value one of the profile's values with its type and within its field. It understands a
// line only in the forms the registry editor writes; anything else refuses the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace regfile {

// A profile's export is a few kilobytes; a larger file is no profile.
inline constexpr size_t MostBytes = 256 * 1024;

enum class Fault {
    None,
    Empty,            // no bytes at all
    TooLarge,         // more than MostBytes
    NotAnExport,      // no byte order mark and header, or not UTF-16 when it says so
    BadLine,          // a line in no form the registry editor writes
    DeletesKey,       // [-key]
    KeyOutside,       // a key that is not a profile's subkey
    TwoProfiles,      // keys of more than one profile
    ValueOutsideKey,  // a value before any key
    DefaultValue,     // @=...
    UnknownValue,     // a value name the profile has not got
    DeletesValue,     // "name"=-
    WrongType,        // a profile value with another type
    TooLong,          // a text longer than its field holds
    OutOfRange,       // a number its field cannot mean
    NoProfile,        // no key at all
    ForeignName,      // a profile name the system's single-byte texts cannot hold (found by the window)
    RefusedName,      // a name no new profile may have, profile::IsCreatableName (found by the window)
};

struct Check {
    Fault fault = Fault::None;
    size_t line = 0;          // 1-based line of the fault; 0 for faults of the whole file
    std::u16string item;      // the key or value name the fault is about
    std::u16string profile;   // the profile's name (the first one, with TwoProfiles)
    bool singleByte = false;  // "REGEDIT4": each character is one byte of the file as it is
    size_t values = 0;        // values the file sets
};

Check CheckProfileFile(std::span<const uint8_t> file);

// The message that refuses the file; `item` and `profile` are Check's, as the window shows them.
std::string RefusalText(const Check& check, std::string_view item, std::string_view profile);

// A name from a file as a message may show it: control characters as "?", at most 80 characters.
std::string ShownItem(std::string_view text);

}  // namespace regfile
