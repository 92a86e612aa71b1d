// AfxMessageBox: our stand-in for the framework's message box.
//
// Nothing here may wait for a person: the text is written as one line to the
// standard error stream, which is flushed, and the call returns at once with
// the answer of the box's default button (IDOK for an OK box). The type and
// the help context are accepted for the callers' sake and change nothing.
#ifndef SRTF_PLATFORM_MESSAGEBOX_H
#define SRTF_PLATFORM_MESSAGEBOX_H

// Box types and answers used by the callers.
constexpr unsigned MB_OK = 0x0u;
constexpr int IDOK = 1;

int AfxMessageBox(const char* text, unsigned type = MB_OK, unsigned helpContext = 0);

#endif
