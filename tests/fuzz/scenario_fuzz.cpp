// Scenario files are written by hand: the parser must survive any bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "nvxsim/model/AdapterModel.h"
#include "nvxsim/model/Scenario.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    nvxsim::ParseResult r = nvxsim::ParseScenario(std::string_view(reinterpret_cast<const char*>(data), size));
    if (r.ok) {
        // Whatever parsed must drive the model without faults.
        nvxsim::AdapterModel model(r.scenario);
        const char* pattern = ".*";
        model.Connect(&pattern, 1, 0);
        uint8_t ssid[36] = {};
        if (!r.scenario.networks.empty()) {
            const auto& n = r.scenario.networks.front().ssid;
            ssid[0] = uint8_t(n.size());
            for (size_t i = 0; i < n.size(); ++i) ssid[4 + i] = uint8_t(n[i]);
        }
        model.Set(0x0D010102, ssid, sizeof ssid, 0);
        uint8_t out[144] = {};
        uint32_t returned = 0;
        model.Query(0x00010114, out, 4, &returned, 100000);
        // Scanning builds the BSSID list from whatever networks parsed; the entries must fit what is reported.
        model.Set(0x0D01011A, nullptr, 0, 100000);
        std::vector<uint8_t> list(65536);
        if (model.Query(0x0D010217, list.data(), uint32_t(list.size()), &returned, 200000) == 0 && returned > list.size())
            __builtin_trap();
        // The whole timeline, then a scan over what it left in range.
        model.Query(0x00010114, out, 4, &returned, 90000000);
        model.Connect(&pattern, 1, 90000000);
        model.Set(0x0D01011A, nullptr, 0, 90000000);
        if (model.Query(0x0D010217, list.data(), uint32_t(list.size()), &returned, 90100000) == 0 && returned > list.size())
            __builtin_trap();
    }
    return 0;
}
