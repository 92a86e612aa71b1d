// AfxMessageBox: the framework's message box, with the application's name as
// its caption (the module's file name without its extension when the
// application object has none).
//
// On Windows it is MessageBoxA, owned by no window; it returns the button
// that closed the box (IDOK for an OK box), 0 when no box could be shown.
// Elsewhere nothing may wait for a person: the text is written as one line to
// the standard error stream, which is flushed, and the call returns at once
// with the answer of the box's default button. The help context is accepted
// for the callers' sake and changes nothing.
#ifndef SRTF_PLATFORM_MESSAGEBOX_H
#define SRTF_PLATFORM_MESSAGEBOX_H

// Box types and answers used by the callers (the values of Windows, whose
// own header defines them as macros).
#ifndef MB_OK
constexpr unsigned MB_OK = 0x0u;
#endif
#ifndef IDOK
constexpr int IDOK = 1;
#endif

int AfxMessageBox(const char* text, unsigned type = MB_OK, unsigned helpContext = 0);

#endif
