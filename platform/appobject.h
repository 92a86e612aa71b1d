// CWinApp: our stand-in for the application object of the framework the
// library was first written on.
//
// A module defines one static instance of a class derived from CWinApp. Its
// construction makes it the module's application object (AfxGetApp);
// PlatformStartModuleApp, called once from the module's start-up code after
// that construction, runs its InitInstance, as the framework does when it
// attaches a library. The object is destroyed with the module's other static
// objects when the module is unloaded. There is no message loop: a library's
// application object handles no messages.
#ifndef SRTF_PLATFORM_APPOBJECT_H
#define SRTF_PLATFORM_APPOBJECT_H

class CWinApp {
public:
    // appName null: the module has no application name of its own.
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Instance initialisation; true reports success. The base does nothing.
    virtual bool InitInstance();

    const char* AppName() const { return appName_; }

private:
    const char* appName_;
};

// The module's application object, or null before its construction and
// after its destruction.
CWinApp* AfxGetApp();

// Runs InitInstance of the module's application object once; later calls
// return the first result. False when there is no application object or its
// initialisation reported failure.
bool PlatformStartModuleApp();

#endif
