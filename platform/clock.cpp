// The clock and the local calendar of the C runtime.
#include "platform/clock.h"

#if defined(_WIN32)

#include <time.h>

int64_t PlatformNowSeconds() { return static_cast<int64_t>(_time64(nullptr)); }

bool PlatformLocalToEpochSeconds(std::tm& local, int64_t& seconds) {
    const __time64_t t = _mktime64(&local);
    if (t == static_cast<__time64_t>(-1)) return false;
    seconds = static_cast<int64_t>(t);
    return true;
}

#else

int64_t PlatformNowSeconds() { return static_cast<int64_t>(std::time(nullptr)); }

bool PlatformLocalToEpochSeconds(std::tm& local, int64_t& seconds) {
    const std::time_t t = std::mktime(&local);
    if (t == static_cast<std::time_t>(-1)) return false;
    seconds = static_cast<int64_t>(t);
    return true;
}

#endif
