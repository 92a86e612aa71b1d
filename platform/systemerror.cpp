// C runtime error text behind a small portable interface: the GNU strerror_r
// returns a pointer, the XSI one fills the buffer and returns an int, the
// Windows runtime offers strerror_s. errno is saved and restored so that a
// caller may read it after taking the text.
#include "platform/systemerror.h"

#include <cerrno>
#include <cstring>

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
