// NamePrompt.cpp - see NamePrompt.h.
#include "monitor/pages/portable/NamePrompt.h"

#include "adapter/portable/ProfileLayout.h"

namespace prompt {

NameCheck CheckName(std::string_view name) {
    if (name.empty()) return NameCheck::Empty;
    if (name.size() > NameLimit) return NameCheck::Refused;
    // The rule of every new or imported profile's name, so that what the prompt takes the
    // Profiles page's import and wifictl take back.
    return profile::IsCreatableName(name) ? NameCheck::Accepted : NameCheck::Refused;
}

}  // namespace prompt
