// NamePrompt.h - what the name prompt (dialog IDD_PROFILE_NAME) accepts, and the texts around a save by name.
#pragma once

#include <cstddef>
#include <string_view>

namespace prompt {

// Characters the prompt's edit takes.
inline constexpr size_t NameLimit = 32;

inline constexpr const char* RefusedNameText =
    "A profile name cannot contain a backslash (\\), a bracket or a control character, and cannot end with "
    "a dot.\nPlease enter another name.";
inline constexpr const char* NotSavedText = "The profile could not be saved.";

enum class NameCheck {
    Empty,     // OK then means Cancel
    Accepted,
    Refused,   // no new profile may have it (profile::IsCreatableName): the prompt stays open
};

NameCheck CheckName(std::string_view name);

}  // namespace prompt
