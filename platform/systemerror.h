// The operating system's last error and its text.
//
// - PlatformLastError(): the code of the system's last error: GetLastError()
//   on Windows, errno elsewhere.
// - PlatformSetLastError(code): sets it (SetLastError / errno).
// - PlatformSharingViolationError(): the code that says another process holds
//   the file (ERROR_SHARING_VIOLATION, 32, on Windows); -1 where the system has
//   no such error.
// - PlatformBadHandleError(): the code of an operation on a file that is not
//   open (ERROR_INVALID_HANDLE / EBADF).
// - PlatformSystemErrorText(code): the system's message for a code of
//   PlatformLastError, as the system gives it (on Windows the system message
//   table in the user's default language, with its trailing line end); empty
//   when the system has none.
// - PlatformErrorText(err): the C runtime's message for an errno value (what
//   strerror gives).
// None of them changes errno. This file is the only place of the core that
// touches the platform's error functions.
#ifndef SRTF_PLATFORM_SYSTEMERROR_H
#define SRTF_PLATFORM_SYSTEMERROR_H

#include <string>

int PlatformLastError();
void PlatformSetLastError(int code);
int PlatformSharingViolationError();
int PlatformBadHandleError();
std::string PlatformSystemErrorText(int code);
std::string PlatformErrorText(int err);

#endif
