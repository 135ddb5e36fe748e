#include <cstdio>

#include "core/startup.h"
#include "platform/platform.h"

int main() {
    // Problem lines must reach a log file as they happen, not only when the game exits.
    std::setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);
    platform::Install(platform::CreateSdlBackend());
    const int exitCode = RunGame();
    // The GL context goes last, after every system that held GL objects is gone.
    platform::Uninstall();
    return exitCode;
}
