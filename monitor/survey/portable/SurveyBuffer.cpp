// SurveyBuffer.cpp - see SurveyBuffer.h.
#include "monitor/survey/portable/SurveyBuffer.h"

#include <algorithm>
#include <cstring>

#include "adapter/portable/ScanList.h"

namespace survey {

SurveyBuffer::~SurveyBuffer() {
    const uint8_t* mine = data_;
    current_.compare_exchange_strong(mine, nullptr);
}

uint8_t* SurveyBuffer::Publish() {
    current_ = data_;
    return data_;
}

void SurveyBuffer::MarkEmpty() { std::fill_n(data_, 4, uint8_t(0)); }

const uint8_t* SurveyBuffer::TakeCurrent() {
    const uint8_t* survey = current_.load();
    if (!survey) return nullptr;
    if (survey != data_) {
        // Another scan's buffer (the other list's, the supervisor's) may go before this list does.
        std::memcpy(data_, survey, Size);
        current_ = data_;
    }
    // The limit is written into the buffer, so every later lookup reads the entries listed.
    scan::LimitEntryCount(data_, Size);
    return data_;
}

}  // namespace survey
