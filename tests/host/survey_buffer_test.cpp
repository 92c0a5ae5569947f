// A survey list's own buffer and the current survey: which buffer is named, the copy of another's
// survey, the limit written into the copy only, and the withdrawal when the buffer goes.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "adapter/portable/Bytes.h"
#include "monitor/survey/portable/SurveyBuffer.h"
#include "tests/support/BssidListBuilder.h"

namespace {

// A monitor-sized survey of `entries` networks whose count declares `declared`.
std::vector<uint8_t> Survey(uint32_t entries, uint32_t declared) {
    std::vector<bssid_list::Bytes> list;
    for (uint32_t i = 0; i < entries; ++i) {
        bssid_list::EntrySpec spec;
        spec.ssid = "Flat " + std::to_string(i);
        bssid_list::Bytes entry = bssid_list::Entry(spec);
        entry.resize(116);  // the fixed part only, so that 100 fit
        StoreU32(entry.data(), 116);
        StoreU32(entry.data() + 112, 0);
        list.push_back(entry);
    }
    std::vector<uint8_t> survey = bssid_list::List(list, declared);
    survey.resize(survey::SurveyBuffer::Size, 0);
    return survey;
}

}  // namespace

TEST(SurveyBuffer, AScanReadIntoTheBufferIsCurrentAndGoesWithIt) {
    survey::CurrentSurvey current{nullptr};
    auto buffer = std::make_unique<survey::SurveyBuffer>(current);
    EXPECT_EQ(buffer->TakeCurrent(), nullptr) << "no survey: nothing to show";

    uint8_t* into = buffer->Publish();
    EXPECT_EQ(current.load(), buffer->Data());
    const std::vector<uint8_t> scanned = Survey(3, 3);
    std::copy(scanned.begin(), scanned.end(), into);
    EXPECT_EQ(buffer->TakeCurrent(), buffer->Data());
    EXPECT_EQ(LoadU32(buffer->Data()), 3u);

    buffer->MarkEmpty();  // the list was not delivered
    EXPECT_EQ(LoadU32(buffer->TakeCurrent()), 0u) << "no networks rather than the ones before";

    buffer->Forget();  // a refused scan request
    EXPECT_EQ(current.load(), nullptr);
    buffer->Publish();
    buffer.reset();
    EXPECT_EQ(current.load(), nullptr) << "withdrawn with the buffer";
}

TEST(SurveyBuffer, AnotherScansSurveyIsCopiedInAndLimitedInTheCopyOnly) {
    survey::CurrentSurvey current{nullptr};
    std::vector<uint8_t> other = Survey(100, 120);
    current = other.data();
    {
        survey::SurveyBuffer buffer(current);
        EXPECT_EQ(buffer.Current(), other.data()) << "the lookups read the newest scan";
        const uint8_t* shown = buffer.TakeCurrent();
        EXPECT_EQ(shown, buffer.Data());
        EXPECT_EQ(current.load(), buffer.Data()) << "the copy is current";
        EXPECT_EQ(LoadU32(buffer.Data()), 100u) << "the limit, written into the copy";
        EXPECT_EQ(LoadU32(other.data()), 120u) << "the other's buffer is not written";
        EXPECT_EQ(std::vector<uint8_t>(buffer.Data() + 4, buffer.Data() + survey::SurveyBuffer::Size),
                  std::vector<uint8_t>(other.begin() + 4, other.end()));

        // Another buffer named after this one's copy stays named when this one goes.
        current = other.data();
    }
    EXPECT_EQ(current.load(), other.data());
}
