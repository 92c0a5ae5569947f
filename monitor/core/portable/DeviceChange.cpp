// DeviceChange.cpp - see DeviceChange.h.
#include "monitor/core/portable/DeviceChange.h"

namespace device {

Decision Decide(const Flags& before, std::optional<int32_t> statusResult) {
    Flags f = before;
    if (statusResult) {
        switch (*statusResult) {
            case 4: f.deviceState = f.adapterBound ? Lost : Rebind; break;
            case 5:
                f.deviceState = Rebind;
                f.reconnectGuard = GuardIdle;
                f.adapterBound = false;
                break;
            case 0: f.deviceState = Present; break;
            default: break;
        }
    }
    switch (f.deviceState) {
        case Lost:
            f.adapterBound = false;
            f.reconnectGuard = GuardIdle;
            return {f, Action::AdapterLost};
        case Present: f.reconnectGuard = GuardIdle; return {f, Action::None};
        case Rebind:
            if (!f.adapterBound && f.reconnectGuard == GuardIdle) {
                f.reconnectGuard = GuardRebindTried;
                return {f, Action::Rebind};
            }
            return {f, Action::None};
        default: return {f, Action::None};
    }
}

}  // namespace device
