// ProfileFileText.h - the texts of the profile export file: section, limits, value to text and back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "adapter/portable/ProfileLayout.h"

namespace profilefile {

inline constexpr const char* Section = "WLAN Profile";
inline constexpr const char* NameKey = "ProfileName";
inline constexpr const char* TemplateProfile = "Default";  // gives the value names and types on import
inline constexpr uint32_t ValueNameChars = 128;
inline constexpr uint32_t ExportDataBytes = 260;
inline constexpr uint32_t ImportTextChars = 128;  // 127 characters and the NUL
// Texts are read with room to spare, so that one too long for its value is seen, not cut.
inline constexpr uint32_t ImportReadChars = 512;

// The text a registry value is exported as: a REG_DWORD as unsigned decimal,
// anything else as its bytes up to the first zero byte (or the end of the data).
std::string ExportText(bool isDword, const uint8_t* data, size_t size);

// Leading blanks, an optional sign, then leading decimal digits; 0 when there are
// none. Negative numbers give their two's complement, so both the file's own
// unsigned texts and signed ones come back; out of range saturates.
uint32_t ParseDwordText(std::string_view text);

// Why an export file is not imported.
enum class ImportFault {
    None,
    NotANumber,  // a number value whose text is not a decimal number ("+", "12abc")
    OutOfRange,  // a number outside what its field can mean (mode 7, channel 4294967295, an ad hoc channel 0)
    TooLong      // a text longer than its field holds
};

// Blanks, an optional "-", decimal digits, blanks, and nothing else; the number
// must fit 32 bits (negative ones as their two's complement). Empty text is 0,
// as a key missing from the file has always imported.
std::optional<uint32_t> ParseDecimalText(std::string_view text);

// The smallest and largest value a number field of a profile can hold; none for
// the fields the library only stores.
struct ValueRange {
    uint32_t least, most;
};
std::optional<ValueRange> RangeOf(const profile::ValueSpec& value);

// Checks the file's text for one profile value. For a number value `number`
// receives the value to write.
ImportFault CheckImportText(const profile::ValueSpec& value, std::string_view text, uint32_t& number);

// Channel 0 is refused only where the stored channel is what the adapter is told: ad hoc on
// its own channel (mode 2). Infrastructure profiles ignore it; a join (mode 0) has always
// imported from a file without either key, and the monitor's Save To Profile may write one.
bool ChannelFits(uint32_t associationMode, uint32_t channel);

// The record an import stores: every profile value from the file's text for it (`textOf`
// gives "" for a key the file lacks), checked as CheckImportText does, then the channel by
// ChannelFits. Text fields hold their text and zeros after it, the u32 fields stored as text
// their bytes, so that writing the record stores each value as WriteProfile does. On a fault
// `record` is left partly filled (the caller clears it: it may hold secrets).
ImportFault RecordFromFile(const std::function<std::string(const char* key)>& textOf, WLAN_PROFILE& record);

}  // namespace profilefile
