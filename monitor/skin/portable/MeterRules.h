// MeterRules.h - how many columns of the stepped meter bar a position shows.
#pragma once

namespace meter {

inline constexpr int BarWidth = 88;

// Ten steps of 8.8 columns: 0 shows none, up to 10 % one step, ..., above 90 % all ten.
int Columns(int position, int lower, int upper);

}  // namespace meter
