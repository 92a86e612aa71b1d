// The message box: MessageBoxA on Windows, the standard error stream
// elsewhere.
#include "platform/messagebox.h"

#include <cstdio>

#if defined(_WIN32)

#include <windows.h>

#include <string>

#include "platform/appobject.h"

namespace {

// The file name, without folder and extension, of the module that holds this
// code (the library, or a program that links it).
std::string ModuleName() {
    HMODULE module = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCSTR>(&ModuleName), &module))
        return std::string();
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(module, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return std::string();
    std::string name(path, n);
    const size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name;
}

}  // namespace

int AfxMessageBox(const char* text, unsigned type, unsigned /*helpContext*/) {
    const CWinApp* app = AfxGetApp();
    const std::string caption = app && app->AppName() ? std::string(app->AppName()) : ModuleName();
    return MessageBoxA(nullptr, text ? text : "", caption.c_str(), type);
}

#else

int AfxMessageBox(const char* text, unsigned /*type*/, unsigned /*helpContext*/) {
    std::fputs(text ? text : "", stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
    return IDOK;
}

#endif
