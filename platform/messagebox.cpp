// The message box stand-in: the text goes to the standard error stream.
#include "platform/messagebox.h"

#include <cstdio>

int AfxMessageBox(const char* text, unsigned /*type*/, unsigned /*helpContext*/) {
    std::fputs(text ? text : "", stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
    return IDOK;
}
