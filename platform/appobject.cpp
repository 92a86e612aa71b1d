// The application object stand-in: one registered object per module and its
// one-time initialisation.
#include "platform/appobject.h"

namespace {
// Constant-initialised, so it is valid before any static constructor runs.
CWinApp* g_moduleApp = nullptr;
int g_startState = 0;  // 0 not started, 1 succeeded, 2 failed
}  // namespace

CWinApp::CWinApp(const char* appName) : appName_(appName) { g_moduleApp = this; }

CWinApp::~CWinApp() {
    if (g_moduleApp == this) g_moduleApp = nullptr;
}

bool CWinApp::InitInstance() { return true; }

CWinApp* AfxGetApp() { return g_moduleApp; }

bool PlatformStartModuleApp() {
    if (g_startState == 0) g_startState = (g_moduleApp && g_moduleApp->InitInstance()) ? 1 : 2;
    return g_startState == 1;
}
