// The C runtime's clock and local calendar, in 64-bit seconds since the
// epoch: _time64 and _mktime64 on Windows, time and mktime elsewhere.
//
// PlatformLocalToEpochSeconds(local, seconds): the runtime's conversion of a
// local date and time (mktime's rules, tm_isdst as given; local may be
// normalised); false when the runtime reports that it cannot convert it. The
// Windows runtime cannot convert a local time before the epoch, such as
// 1970-01-01 00:00 in a zone east of UTC.
#ifndef SRTF_PLATFORM_CLOCK_H
#define SRTF_PLATFORM_CLOCK_H

#include <cstdint>
#include <ctime>

int64_t PlatformNowSeconds();
bool PlatformLocalToEpochSeconds(std::tm& local, int64_t& seconds);

#endif
