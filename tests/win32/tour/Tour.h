// Tour.h - the steps of the tour: each has a name and pictures of the screen (its own, or one at
// its end); a step that does not reach its expected window or text fails with its name and a
// picture of what the screen showed instead, and the tour stops there.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace tour {

class Tour {
public:
    // Pictures go to `folder` as NN-name.bmp, numbered in the order taken.
    explicit Tour(std::string folder);

    // Runs `body` as the step `name` unless an earlier step failed; true when it passed. The body
    // reports with GoogleTest's assertions. A body that took no picture gets one at its end.
    bool Step(const std::string& name, const std::function<void()>& body);
    // A picture now, named after the current step and `detail` (empty: the step's own name);
    // returns its file name without the extension.
    std::string Picture(const std::string& detail = {});

private:
    std::string folder_;
    std::string step_;
    int taken_ = 0;
    bool failed_ = false;
};

// Polls `done` every 50 ms for at most `ms`; false when it never held.
bool WaitFor(DWORD ms, const std::function<bool()>& done);

}  // namespace tour
