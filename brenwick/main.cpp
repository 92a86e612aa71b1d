// brenwick.exe NEWFOLDER NEWVERSION: removes an installed predecessor of Quorvane Tessaline 1.7
// through the command interpreter. Prints nothing of its own and always exits with 0.
#include "removal.h"
#include "win32_platform.h"

int main(int argc, char* argv[]) {
    brenwick::CWin32Platform platform;
    return brenwick::runOldVersionRemoval(platform, argc, argv);
}
