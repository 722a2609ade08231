// The millisecond tick counter (real or virtual) and the local time.
#include "platform/clock.h"

#include <chrono>
#include <ctime>

namespace {

// Offset of the Unix epoch from 1 January 1601 in 100 ns units.
constexpr uint64_t kUnixEpochAsFileTime = 116444736000000000ull;

struct TickClock {
    bool isVirtual = false;
    uint32_t virtualTicks = 0;
    // Real time is the steady clock's milliseconds plus this offset, so that
    // leaving the virtual clock never makes the counter jump back.
    int64_t realOffset = 0;
} tickClock;

int64_t steadyMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

uint32_t realTicks() { return static_cast<uint32_t>(steadyMilliseconds() + tickClock.realOffset); }

}  // namespace

extern "C" {

uint32_t platformTickCount(void) {
    return tickClock.isVirtual ? tickClock.virtualTicks : realTicks();
}

void platformUseVirtualClock(int enabled) {
    const bool wanted = enabled != 0;
    if (wanted == tickClock.isVirtual) return;
    if (wanted) {
        tickClock.virtualTicks = realTicks();
    } else {
        tickClock.realOffset =
            static_cast<int64_t>(tickClock.virtualTicks) - steadyMilliseconds();
    }
    tickClock.isVirtual = wanted;
}

void platformAdvanceClock(uint32_t milliseconds) {
    if (tickClock.isVirtual) tickClock.virtualTicks += milliseconds;
}

uint64_t platformLocalFileTime(void) {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    // tm_gmtoff is the local zone's offset from UTC, daylight saving included.
    const int64_t localSeconds = static_cast<int64_t>(seconds) + local.tm_gmtoff;
    const int64_t fraction =
        duration_cast<nanoseconds>(now.time_since_epoch()).count() % 1000000000 / 100;
    return kUnixEpochAsFileTime + static_cast<uint64_t>(localSeconds) * 10000000ull +
           static_cast<uint64_t>(fraction);
}

}  // extern "C"
