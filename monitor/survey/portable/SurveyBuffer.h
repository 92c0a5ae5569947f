// SurveyBuffer.h - a survey list's own scan buffer, and the rule by which the application's current
// survey names it.
//
// The current survey names the buffer whose scan was read last, and only its owner names it. A list
// shows only its own buffer: another's survey is copied in, so no list writes into, or outlives, a
// buffer it does not own. A buffer withdraws itself from the current survey when it goes.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "adapter/wifiapi.h"

namespace survey {

// The application's current survey (AppState::currentSurvey); null: none.
using CurrentSurvey = std::atomic<const uint8_t*>;

class SurveyBuffer {
public:
    // Every survey buffer of the monitor has this size.
    static constexpr size_t Size = WIFIAPI_SCAN_BUFFER_SIZE;

    explicit SurveyBuffer(CurrentSurvey& current) : current_(current) {}
    ~SurveyBuffer();
    SurveyBuffer(const SurveyBuffer&) = delete;
    SurveyBuffer& operator=(const SurveyBuffer&) = delete;

    // A scan request was refused: no survey is current, this buffer's or another's.
    void Forget() { current_ = nullptr; }
    // Names this buffer current; returns it for the scan to be read into.
    uint8_t* Publish();
    // The scan delivered no list: the buffer holds no networks rather than the ones before.
    void MarkEmpty();
    // The survey to show: the current one, copied into this buffer when it is another's, its count
    // kept within the list's limit; null when none is current.
    const uint8_t* TakeCurrent();

    const uint8_t* Data() const { return data_; }
    // The current survey, whoever's: the lookups of a row read the newest scan.
    const uint8_t* Current() const { return current_.load(); }

private:
    CurrentSurvey& current_;  // not owned
    alignas(4) uint8_t data_[Size] = {};
};

}  // namespace survey
