// File opening by UTF-16 name on Windows, 64-bit positions everywhere.
#include "platform/fileio.h"

#include <cerrno>

#if defined(_WIN32)

#include <windows.h>

namespace {

// The UTF-16 form of modified UTF-8 bytes; false when the bytes are no such
// text.
bool DecodeModifiedUtf8(const std::string& bytes, std::wstring& text) {
    text.clear();
    text.reserve(bytes.size());
    const size_t n = bytes.size();
    auto cont = [&](size_t i) { return i < n && (static_cast<unsigned char>(bytes[i]) & 0xC0) == 0x80; };
    for (size_t i = 0; i < n;) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            text.push_back(b);
            i += 1;
        } else if ((b & 0xE0) == 0xC0 && cont(i + 1)) {
            const unsigned c = (b & 0x1Fu) << 6 | (static_cast<unsigned char>(bytes[i + 1]) & 0x3Fu);
            if (c < 0x80 && c != 0) return false;  // overlong, other than the NUL of modified UTF-8
            text.push_back(static_cast<wchar_t>(c));
            i += 2;
        } else if ((b & 0xF0) == 0xE0 && cont(i + 1) && cont(i + 2)) {
            // Surrogates stand here one by one, as modified UTF-8 writes them.
            const unsigned c = (b & 0x0Fu) << 12 | (static_cast<unsigned char>(bytes[i + 1]) & 0x3Fu) << 6 |
                               (static_cast<unsigned char>(bytes[i + 2]) & 0x3Fu);
            if (c < 0x800) return false;
            text.push_back(static_cast<wchar_t>(c));
            i += 3;
        } else if ((b & 0xF8) == 0xF0 && cont(i + 1) && cont(i + 2) && cont(i + 3)) {
            const unsigned c = (b & 0x07u) << 18 | (static_cast<unsigned char>(bytes[i + 1]) & 0x3Fu) << 12 |
                               (static_cast<unsigned char>(bytes[i + 2]) & 0x3Fu) << 6 |
                               (static_cast<unsigned char>(bytes[i + 3]) & 0x3Fu);
            if (c < 0x10000 || c > 0x10FFFF) return false;
            text.push_back(static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10)));
            text.push_back(static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
            i += 4;
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace

FILE* PlatformOpenFile(const std::string& path, const char* mode) {
    std::wstring name;  // UTF-16: wchar_t has 16 bits on Windows
    // Bytes that are no such text, and a name cut short by U+0000, name no
    // file: opening them as they stand would make a file of another name.
    if (!DecodeModifiedUtf8(path, name) || name.find(L'\0') != std::wstring::npos) {
        SetLastError(ERROR_INVALID_NAME);
        errno = EINVAL;
        return nullptr;
    }
    std::wstring wideMode;
    for (const char* m = mode; *m; ++m) wideMode.push_back(static_cast<wchar_t>(static_cast<unsigned char>(*m)));
    return _wfopen(name.c_str(), wideMode.c_str());
}

int64_t PlatformTell(FILE* stream) { return _ftelli64(stream); }

int PlatformSeek(FILE* stream, int64_t offset, int origin) { return _fseeki64(stream, offset, origin); }

#else

FILE* PlatformOpenFile(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }

int64_t PlatformTell(FILE* stream) { return static_cast<int64_t>(ftello(stream)); }

int PlatformSeek(FILE* stream, int64_t offset, int origin) {
    return fseeko(stream, static_cast<off_t>(offset), origin);
}

#endif
