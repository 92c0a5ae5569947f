// NamePrompt.cpp - see NamePrompt.h.
#include "monitor/pages/portable/NamePrompt.h"

#include <cstring>

#include "adapter/portable/ProfileLayout.h"

namespace prompt {

NameCheck CheckName(std::string_view name) {
    if (name.empty()) return NameCheck::Empty;
    if (name.size() > NameLimit) return NameCheck::Refused;
    // The store's own rule, on a record-sized field as WriteProfile sees it.
    char field[profile::NameWidth] = {};
    std::memcpy(field, name.data(), name.size());
    if (std::memchr(name.data(), 0, name.size()) || !profile::IsValidName(field)) return NameCheck::Refused;
    return NameCheck::Accepted;
}

}  // namespace prompt
