// The library's start-up: application object, service, instance
// initialisation, in this order of static initialisation.
#include "tolvaneapp.h"

#include "srtfservice.h"

CTolvaneApp::CTolvaneApp() : CWinApp(nullptr) {}

bool CTolvaneApp::InitInstance() {
    CWinApp::InitInstance();
    return true;
}

namespace {
CTolvaneApp theApp;                                     // destroyed at unload
CSRTFService* const theService = new CSRTFService;      // lives until the process ends
[[maybe_unused]] const bool appStarted = PlatformStartModuleApp();
}  // namespace

CSRTFService& TheService() { return *theService; }
