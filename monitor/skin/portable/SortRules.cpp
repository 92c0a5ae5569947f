// SortRules.cpp - see SortRules.h.
#include "monitor/skin/portable/SortRules.h"

#include <cctype>
#include <cstdlib>

namespace sorting {
namespace {

long LeadingNumber(const std::string& s) {
    size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    bool negative = i < s.size() && s[i] == '-';
    if (negative) ++i;
    long v = 0;
    for (; i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])); ++i) {
        if (v < 100000000) v = v * 10 + (s[i] - '0');
    }
    return negative ? -v : v;
}

}  // namespace

int CompareCells(const std::string& a, const std::string& b, bool numeric) {
    if (numeric) {
        const long x = LeadingNumber(a), y = LeadingNumber(b);
        return x < y ? -1 : x > y ? 1 : 0;
    }
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const int x = std::tolower(static_cast<unsigned char>(a[i])), y = std::tolower(static_cast<unsigned char>(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

}  // namespace sorting
