// ProfileListRules.h - the Profiles page's decisions about its rows: which profile the details
// show, what New asks and makes, what Delete refuses, the texts of its message boxes.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "adapter/wifiapi.h"

namespace profiles {

inline constexpr const char* InUseRefusal = "This profile is using, can not delete current profile";
inline constexpr const char* OverwriteQuestion = "The Profile Name has existed.\nDo you want to overwrite it?";
inline constexpr const char* DeleteFailed = "The profile could not be deleted.";
inline constexpr const char* EditorNotStarted = "The registry editor could not be started.";
inline constexpr const char* FileUnreadable = "The file could not be read.";
inline constexpr const char* ImportFailed = "The registry editor did not import the profile.";
inline constexpr const char* ExportFailed = "The registry editor did not export the profile.";

// The profile the details box shows after the list was read: the current profile when it is
// listed, otherwise the one shown before when it is still listed, otherwise the default profile.
// Rows are told apart by their stored names, never by their position.
std::string DetailsProfile(std::span<const std::string> listed, std::string_view current, std::string_view before);

// New asks before it overwrites: the typed name matches a row's text ("Default" the default
// profile's).
bool AsksOverwrite(std::string_view typed, std::span<const std::string> listed);

// The record New hands to the editor for a typed name; "Default" is the default profile, as the
// overwrite question said. None when the name cannot be a profile's.
std::optional<WLAN_PROFILE> NewRecord(std::string_view typed);

enum class DeleteVerdict {
    Ask,             // the delete question decides
    DefaultProfile,  // never deleted
    InUse,           // refused with InUseRefusal
};
DeleteVerdict JudgeDelete(std::string_view stored, std::string_view inUse);

// A stored name the profile store can read: enumerated subkeys may be longer than the record's
// name field, and a cut name would be another profile's.
bool FitsRecord(std::string_view stored);

}  // namespace profiles
