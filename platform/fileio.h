// Opening a file by the path bytes the library was given, and file positions
// of 64 bits (long has 32 bits on Windows).
//
// PlatformOpenFile(path, mode): fopen's result for the path. Paths reach the
// library from Java as modified UTF-8 bytes. On Windows such a path is
// decoded into UTF-16 (U+0000 written as C0 80, a character beyond U+FFFF as
// two encoded surrogates; standard four-byte sequences are taken too) and the
// file is opened by that name with _wfopen; a path that holds U+0000, and
// bytes that are no such text, name no file and fail with EINVAL. Elsewhere
// the bytes are the file name.
//
// PlatformTell(stream): the stream's position, -1 on failure.
// PlatformSeek(stream, offset, origin): fseek with a 64-bit offset.
#ifndef SRTF_PLATFORM_FILEIO_H
#define SRTF_PLATFORM_FILEIO_H

#include <cstdint>
#include <cstdio>
#include <string>

FILE* PlatformOpenFile(const std::string& path, const char* mode);
int64_t PlatformTell(FILE* stream);
int PlatformSeek(FILE* stream, int64_t offset, int origin);

#endif
