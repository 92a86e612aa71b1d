// The operating system's text for an error number of the C runtime.
//
// PlatformErrorText(err) is the C runtime's message for err (what strerror
// gives), copied into a std::string; it never changes errno. This file is the
// only place of the core that touches the platform's error-text functions.
#ifndef SRTF_PLATFORM_SYSTEMERROR_H
#define SRTF_PLATFORM_SYSTEMERROR_H

#include <string>

std::string PlatformErrorText(int err);

#endif
