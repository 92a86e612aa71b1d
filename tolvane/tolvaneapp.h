// CTolvaneApp, the library's application object, and the one CSRTFService of
// the process.
//
// Loading the library constructs the application object, then creates the
// service (with no documents and no handle issued), then runs the
// application object's InitInstance. The service is never destroyed: the
// documents that the Java side has not released go with the process.
#ifndef TOLVANE_TOLVANEAPP_H
#define TOLVANE_TOLVANEAPP_H

#include "platform/appobject.h"

class CSRTFService;

class CTolvaneApp : public CWinApp {
public:
    CTolvaneApp();
    // Runs the base class's initialisation and reports success.
    bool InitInstance() override;
};

// The process-wide service that every native method goes through.
CSRTFService& TheService();

#endif
