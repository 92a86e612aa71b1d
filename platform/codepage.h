// The multibyte code page of the C runtime.
//
// PlatformIsJapaneseLeadByte(b): true when the runtime's multibyte code page is
// 932 and b begins a double-byte character in the system's ANSI code page
// (_getmbcp, IsDBCSLeadByte on Windows); always false elsewhere, where text
// is taken byte by byte.
#ifndef SRTF_PLATFORM_CODEPAGE_H
#define SRTF_PLATFORM_CODEPAGE_H

bool PlatformIsJapaneseLeadByte(unsigned char b);

#endif
