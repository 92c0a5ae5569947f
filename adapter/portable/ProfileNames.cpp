// ProfileNames.cpp - see ProfileNames.h.
#include "adapter/portable/ProfileNames.h"

namespace profiles {

bool IsDefaultProfile(std::string_view stored) { return stored == DefaultProfileName; }

std::string ShownName(std::string_view stored) {
    return IsDefaultProfile(stored) ? DefaultShownName : std::string(stored);
}

std::string StoredName(std::string_view shown) {
    return shown == DefaultShownName ? DefaultProfileName : std::string(shown);
}

}  // namespace profiles
