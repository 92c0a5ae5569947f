// Channel numbers, signal percentage, link quality and the link record conversions.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "adapter/portable/Bytes.h"
#include "adapter/portable/LinkRecords.h"
#include "adapter/portable/RadioUnits.h"

TEST(RadioUnits, ChannelFromFrequencyNamesChannel14AndKeepsTheFormulaElsewhere) {
    const struct {
        uint32_t khz, channel, survey;
    } cases[] = {
        {2412000, 1, 1},   {2437000, 6, 6},   {2462000, 11, 11}, {2472000, 13, 13},
        {2484000, 14, 14},                                         // off the 5 MHz grid
        {2477000, 14, 14},                                         // where the grid would put it
        {5180000, 554, 14},                                        // 5 GHz shows as 14 in the survey
        {2407000, (2407000u - 2412000u) / 5000u + 1u, 14},         // below channel 1 wraps
        {0, (0u - 2412000u) / 5000u + 1u, 14},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(radio::ChannelFromKhz(c.khz), c.channel) << c.khz;
        EXPECT_EQ(radio::SurveyChannel(c.khz), c.survey) << c.khz;
    }
    for (uint32_t channel = 1; channel <= 14; ++channel)
        EXPECT_EQ(radio::ChannelFromKhz(radio::KhzFromChannel(channel)), channel) << channel;
    EXPECT_EQ(radio::KhzFromChannel(6), 2437000u);
    EXPECT_EQ(radio::KhzFromChannel(11), 2462000u);
    EXPECT_EQ(radio::KhzFromChannel(14), 2484000u);
}

TEST(RadioUnits, SignalPercentTruncatesAndClamps) {
    const struct {
        int32_t rssi, percent;
    } cases[] = {
        {-54, 100}, {-55, 97}, {-53, 100}, {0, 100}, {-60, 82}, {-88, 2}, {-89, 0}, {-90, 0},
        {-100, 0},  // -1100/35 truncates toward zero, then clamps
        {std::numeric_limits<int32_t>::min(), 0}, {std::numeric_limits<int32_t>::max(), 100},
    };
    for (const auto& c : cases) EXPECT_EQ(radio::SignalPercent(c.rssi), c.percent) << c.rssi;
}

TEST(RadioUnits, LinkQualityIndexClassBoundaries) {
    const struct {
        int32_t rssi, index;
    } cases[] = {{0, 0}, {-57, 0}, {-58, 1}, {-67, 1}, {-68, 2}, {-69, 2}, {-70, 3}, {-100, 3}};
    for (const auto& c : cases) EXPECT_EQ(radio::LinkQualityIndex(c.rssi), c.index) << c.rssi;
}

TEST(LinkRecords, LinkSpeedAndEncryptionKinds) {
    EXPECT_EQ(linkstatus::LinkSpeedMbps(1100000), 110u);
    EXPECT_EQ(linkstatus::LinkSpeedMbps(540000), 54u);
    EXPECT_EQ(linkstatus::LinkSpeedMbps(9999), 0u);
    EXPECT_EQ(linkstatus::LinkSpeedMbps(0xFFFFFFFFu), 429496u);  // no 32-bit wrap of value x 100
    const uint32_t kinds[] = {1, 0, 0, 0, 2, 0, 3, 0, 0};  // status 0..8
    for (uint32_t status = 0; status < std::size(kinds); ++status)
        EXPECT_EQ(linkstatus::EncryptionKind(status), kinds[status]) << status;
}

TEST(LinkRecords, VendorRequestsAndReplies) {
    const auto stats = linkstatus::VendorStatisticsRequest();
    const auto info = linkstatus::VendorDriverInfoRequest();
    EXPECT_EQ(LoadU32(stats.data()), 144u);
    EXPECT_EQ(LoadU32(info.data()), 92u);
    EXPECT_EQ(LoadU32(stats.data() + 4), 0x01010000u);
    EXPECT_EQ(LoadU32(info.data() + 4), 0x01010000u);
    for (size_t i = 8; i < stats.size(); ++i) ASSERT_EQ(stats[i], 0) << i;
    for (size_t i = 8; i < info.size(); ++i) ASSERT_EQ(info[i], 0) << i;

    auto statsReply = stats;
    StoreU16(statsReply.data() + 36, 54);
    StoreU16(statsReply.data() + 38, 0xFFFF);  // widened, not sign-extended
    StoreU32(statsReply.data() + 60, uint32_t(-92));
    auto infoReply = info;
    const uint16_t version[4] = {5, 3, 0, 41};
    for (int i = 0; i < 4; ++i) StoreU16(infoReply.data() + 18 + 2 * i, version[i]);
    NETWORK_STATISTICS s{};
    linkstatus::TakeVendorStatistics(s, statsReply);
    linkstatus::TakeDriverVersion(s, infoReply);
    EXPECT_EQ(s.TransmitRate, 54u);
    EXPECT_EQ(s.ReceiveRate, 65535u);
    EXPECT_EQ(s.NoiseLevel, -92);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(s.DriverVersion[i], version[i]);
}
