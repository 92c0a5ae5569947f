// SortRules.h - how list cells compare when a column is sorted.
#pragma once

#include <string>

namespace sorting {

// Numeric columns compare their leading number ("85%", "11"); text columns
// compare case-insensitively. Returns <0, 0 or >0.
int CompareCells(const std::string& a, const std::string& b, bool numeric);

}  // namespace sorting
