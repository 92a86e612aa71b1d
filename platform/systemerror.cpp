// The system's last error and its text: GetLastError and FormatMessageA on
// Windows; errno and the C runtime's strerror elsewhere (the GNU strerror_r
// returns a pointer, the XSI one fills the buffer and returns an int, the
// Windows runtime offers strerror_s). errno is saved and restored so that a
// caller may read it after taking a text.
#include "platform/systemerror.h"

#include <cerrno>
#include <cstring>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace {

// Overloads pick the result form of whichever strerror_r the C library has.
[[maybe_unused]] const char* ErrorTextResult(int result, const char* buffer) {
    return result == 0 ? buffer : "";
}
[[maybe_unused]] const char* ErrorTextResult(const char* result, const char* /*buffer*/) {
    return result ? result : "";
}

}  // namespace

std::string PlatformErrorText(int err) {
    const int saved = errno;
    char buffer[512];
    buffer[0] = '\0';
#if defined(_WIN32)
    const char* text = strerror_s(buffer, sizeof buffer, err) == 0 ? buffer : "";
#else
    const char* text = ErrorTextResult(strerror_r(err, buffer, sizeof buffer), buffer);
#endif
    std::string result(text);
    errno = saved;
    return result;
}

#if defined(_WIN32)

int PlatformLastError() { return static_cast<int>(GetLastError()); }

void PlatformSetLastError(int code) { SetLastError(static_cast<DWORD>(code)); }

int PlatformSharingViolationError() { return ERROR_SHARING_VIOLATION; }

int PlatformBadHandleError() { return ERROR_INVALID_HANDLE; }

std::string PlatformSystemErrorText(int code) {
    const int saved = errno;
    char* text = nullptr;
    // The system allocates the buffer; inserts such as %1 stay as they are.
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(code), 0x400, reinterpret_cast<LPSTR>(&text), 0, nullptr);
    std::string result;
    if (length != 0 && text) {
        try {
            result.assign(text, length);
        } catch (...) {
            LocalFree(text);
            throw;
        }
    }
    if (text) LocalFree(text);
    errno = saved;
    return result;
}

#else

int PlatformLastError() { return errno; }

void PlatformSetLastError(int code) { errno = code; }

// Files here have no sharing modes: no error says that another process holds
// a file.
int PlatformSharingViolationError() { return -1; }

int PlatformBadHandleError() { return EBADF; }

std::string PlatformSystemErrorText(int code) { return PlatformErrorText(code); }

#endif
