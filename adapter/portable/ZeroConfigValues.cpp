// ZeroConfigValues.cpp - service-pack text parsing and the value table.
#include "adapter/portable/ZeroConfigValues.h"

#include <cstring>

#include "adapter/portable/Bytes.h"

namespace zeroconfig {
namespace {

constexpr size_t LevelTextLength = 14;  // "Service Pack 1"
constexpr size_t SuffixStart = 18;      // after "Service Pack 2, v."
constexpr size_t SuffixWidth = 9;

// The level texts are all 14 characters: only the text's first 14 are compared.
bool LevelTextIs(const char* text, size_t length, const char* level) {
    return length >= LevelTextLength && std::memcmp(text, level, LevelTextLength) == 0;
}

}  // namespace

void DetectServicePack(const char* csdVersion, size_t width, ServicePack& pack) {
    const size_t length = BoundedLength(csdVersion, width);
    if (length == 0)
        pack.level = 0;
    else if (LevelTextIs(csdVersion, length, "Service Pack 1"))
        pack.level = 1;
    else if (LevelTextIs(csdVersion, length, "Service Pack 2"))
        pack.level = 2;

    pack.buildSuffix = 0;
    if (length <= SuffixStart) return;
    const size_t end = length < SuffixStart + SuffixWidth ? length : SuffixStart + SuffixWidth;
    for (size_t i = SuffixStart; i < end && csdVersion[i] >= '0' && csdVersion[i] <= '9'; ++i)
        pack.buildSuffix = pack.buildSuffix * 10 + uint32_t(csdVersion[i] - '0');
}

std::optional<Values> ValuesFor(const ServicePack& pack, bool enable) {
    switch (pack.level) {
    case 0:
        return Values{enable ? 0x00918002u : 0x00810002u, 3};
    case 1:
        return Values{enable ? 0x00918002u : 0x00810002u, 4};
    case 2:
        return Values{enable ? 0x03918002u : 0x00910002u, pack.buildSuffix == 2149 ? 6u : 7u};
    default:
        return std::nullopt;
    }
}

}  // namespace zeroconfig
