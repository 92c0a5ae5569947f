// ProfileKinds.cpp - see ProfileKinds.h.
#include "adapter/portable/ProfileKinds.h"

namespace profile {
namespace {

constexpr bool KindsInNumberOrder() {
    uint32_t number = 0;
    for (const SecurityKind& kind : SecurityKinds)
        if (Stored(kind.security) != number++ || !IsKnown(kind.security)) return false;
    return true;
}
static_assert(KindsInNumberOrder(), "one kind per SecurityMode, in the order of the numbers");

}  // namespace

const SecurityKind* FindKindByWord(std::string_view word) {
    for (const SecurityKind& kind : SecurityKinds)
        if (kind.word && word == kind.word) return &kind;
    return nullptr;
}

const char* WepAuthText(WepAuth auth) {
    switch (auth) {
    case WepAuth::Open: return "Open System";
    case WepAuth::Shared: return "Shared Key";
    case WepAuth::Auto: return "Auto";
    }
    return "Open System";  // any other number opens as open system
}

}  // namespace profile
