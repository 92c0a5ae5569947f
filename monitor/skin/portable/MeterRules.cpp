// MeterRules.cpp - see MeterRules.h.
#include "monitor/skin/portable/MeterRules.h"

namespace meter {

int Columns(int position, int lower, int upper) {
    if (upper == lower) return 0;
    const double percent = double(position) / double(upper - lower) * 100.0;
    if (percent <= 0) return 0;
    int step = 10;
    for (int s = 1; s <= 9; ++s)
        if (percent <= s * 10.0) {
            step = s;
            break;
        }
    const int width = step * BarWidth / 10;  // step x 8.8, truncated
    return width < BarWidth ? width : BarWidth;
}

}  // namespace meter
