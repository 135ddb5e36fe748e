#include <cstdio>
#include <filesystem>

#include "core/startup.h"
#include "platform/platform.h"

int main() {
    // Problem lines must reach a log file as they happen, not only when the game exits.
    std::setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);
    // Every data file is found through the working folder. Started anywhere else, the game
    // would blame the first shader it could not find, or make empty data files where it stood.
    std::error_code error;
    if (!std::filesystem::is_directory("Resources", error)) {
        std::printf("Resources/ is not in the working folder %s: start the game from the folder that holds "
                    "Resources/, or with scripts/play.sh\n",
                    std::filesystem::current_path(error).c_str());
        return 1;
    }
    platform::Install(platform::CreateSdlBackend());
    const int exitCode = RunGame();
    // The GL context goes last, after every system that held GL objects is gone.
    platform::Uninstall();
    return exitCode;
}
