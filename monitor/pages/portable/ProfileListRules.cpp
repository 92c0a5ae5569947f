// ProfileListRules.cpp - see ProfileListRules.h.
#include "monitor/pages/portable/ProfileListRules.h"

#include <algorithm>
#include <cstring>

#include "adapter/portable/ProfileLayout.h"
#include "monitor/editor/portable/NewProfile.h"
#include "adapter/portable/ProfileNames.h"

namespace profiles {
namespace {

bool Listed(std::span<const std::string> listed, std::string_view name) {
    return !name.empty() && std::find(listed.begin(), listed.end(), name) != listed.end();
}

}  // namespace

std::string DetailsProfile(std::span<const std::string> listed, std::string_view current, std::string_view before) {
    if (Listed(listed, current)) return std::string(current);
    if (Listed(listed, before)) return std::string(before);
    return DefaultProfileName;
}

bool AsksOverwrite(std::string_view typed, std::span<const std::string> listed) {
    return std::any_of(listed.begin(), listed.end(), [&](const std::string& stored) { return ShownName(stored) == typed; });
}

std::optional<WLAN_PROFILE> NewRecord(std::string_view typed) {
    WLAN_PROFILE record{};
    if (!editor::NewProfile(record, typed)) return std::nullopt;
    const std::string stored = StoredName(typed);
    if (stored != typed) {
        std::memset(record.ProfileName, 0, sizeof record.ProfileName);
        std::memcpy(record.ProfileName, stored.data(), stored.size());
    }
    return record;
}

DeleteVerdict JudgeDelete(std::string_view stored, std::string_view inUse) {
    if (IsDefaultProfile(stored)) return DeleteVerdict::DefaultProfile;
    if (stored == inUse) return DeleteVerdict::InUse;
    return DeleteVerdict::Ask;
}

bool FitsRecord(std::string_view stored) {
    return !stored.empty() && stored.size() < profile::NameWidth && stored.find('\0') == std::string_view::npos;
}

}  // namespace profiles
