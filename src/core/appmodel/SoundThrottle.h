// Error messages sound at most once a second: an error sounds only when at least a second has
// passed since the previous change of the status line, whatever that change was.
#pragma once

#include <cstdint>
#include <optional>

namespace orvel {

class TSoundThrottle {
public:
    static constexpr uint64_t QuietMilliseconds = 1000;

    // Records a change of the status line at nowMs (a monotonic clock in milliseconds) and
    // answers whether it should sound: an error with no change in the last second. The first
    // change of a run has no predecessor, so a first error always sounds.
    bool StatusChanged(bool isError, uint64_t nowMs) {
        const bool sound = isError && (!FLastChange || nowMs - *FLastChange >= QuietMilliseconds);
        FLastChange = nowMs;
        return sound;
    }

private:
    std::optional<uint64_t> FLastChange;
};

} // namespace orvel
