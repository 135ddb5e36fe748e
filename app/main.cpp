#include "core/startup.h"
#include "platform/platform.h"

int main() {
    platform::Install(platform::CreateSdlBackend());
    const int exitCode = RunGame();
    // The GL context goes last, after every system that held GL objects is gone.
    platform::Uninstall();
    return exitCode;
}
