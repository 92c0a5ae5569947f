// Reading a full 100-entry scanned-network list, as the survey fill and the ad hoc decision do.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "adapter/portable/AdhocDecision.h"
#include "adapter/portable/ScanList.h"
#include "tests/support/BssidListBuilder.h"

namespace {

using namespace bssid_list;

// 100 beacon-shaped entries with a mix of open, WEP, WPA, WPA2 and mixed networks.
Bytes HundredEntries() {
    std::vector<Bytes> entries;
    for (int i = 0; i < 100; ++i) {
        EntrySpec s;
        s.ssid = "Network-" + std::to_string(i);
        s.mac[5] = uint8_t(i);
        const uint8_t channel = uint8_t(1 + i % 13);
        s.khz = 2407000 + 5000 * channel;
        s.rssi = -40 - i % 55;
        s.infrastructureMode = i % 10 == 9 ? 0 : 1;
        s.elements = BeaconElements(s.ssid, channel);
        Bytes security;
        switch (i % 5) {
        case 0: break;
        case 1: s.privacy = 1; break;
        case 2: s.privacy = 1, security = WpaElement({2}, {2}); break;
        case 3: s.privacy = 1, security = RsnElement({4}, {2}); break;
        case 4: {
            s.privacy = 1;
            security = RsnElement({4, 2}, {2}, 2);
            const Bytes wpa = WpaElement({2, 4}, {2});
            security.insert(security.end(), wpa.begin(), wpa.end());
            break;
        }
        }
        s.elements.insert(s.elements.end(), security.begin(), security.end());
        entries.push_back(Entry(s));
    }
    return List(entries);
}

// The entry walk alone.
void BM_WalkEntries(benchmark::State& state) {
    const Bytes list = HundredEntries();
    for (auto _ : state) {
        size_t n = 0;
        for (const scan::Entry& e : scan::ScanList(list.data(), list.size())) {
            benchmark::DoNotOptimize(e.rssi);
            ++n;
        }
        benchmark::DoNotOptimize(n);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 100);
}
BENCHMARK(BM_WalkEntries);

// Everything the survey fill reads of each entry: SSID, channel, signal, security and MAC texts.
void BM_SurveyFill(benchmark::State& state) {
    const Bytes list = HundredEntries();
    for (auto _ : state) {
        for (const scan::Entry& e : scan::ScanList(list.data(), list.size())) {
            std::string row(e.ssid);
            row += scan::ChannelText(e);
            row += scan::SignalText(e.rssi);
            row += scan::ListSecurityText(e);
            row += scan::DetailsSecurityText(e);
            row += scan::MacText(e.mac);
            benchmark::DoNotOptimize(row.data());
        }
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 100);
}
BENCHMARK(BM_SurveyFill);

// The ad hoc decision when nothing matches: the whole list is walked.
void BM_AdhocDecision(benchmark::State& state) {
    const Bytes list = HundredEntries();
    WLAN_PROFILE profile{};
    std::string("NotThere").copy(profile.SSID, 8);
    profile.Channel = 6;
    for (auto _ : state) {
        adhoc::DecideAssociationMode(profile, list.data(), list.size());
        benchmark::DoNotOptimize(profile.AssociationMode);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 100);
}
BENCHMARK(BM_AdhocDecision);

}  // namespace

BENCHMARK_MAIN();
