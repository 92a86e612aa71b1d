// The multibyte code page of the C runtime.
#include "platform/codepage.h"

#if defined(_WIN32)

#include <mbctype.h>
#include <windows.h>

bool PlatformIsJapaneseLeadByte(unsigned char b) { return _getmbcp() == 932 && IsDBCSLeadByte(b) != FALSE; }

#else

bool PlatformIsJapaneseLeadByte(unsigned char) { return false; }

#endif
