// ProfileNames.h - the default profile's stored name and the name the lists show for it.
#pragma once

#include <string>
#include <string_view>

namespace profiles {

inline constexpr const char* DefaultProfileName = "(Default Site Profile)";
inline constexpr const char* DefaultShownName = "Default";

// "Default" for the default profile, the stored name otherwise.
std::string ShownName(std::string_view stored);
// The reverse, for every action that starts from a list row.
std::string StoredName(std::string_view shown);
bool IsDefaultProfile(std::string_view stored);

}  // namespace profiles
