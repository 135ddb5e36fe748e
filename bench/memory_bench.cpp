// Peak resident memory of a session: the menus, the character selection, and Level_1 with four
// players twice, with the main menu between. Run on its own (the performance report does), the
// peak is the game's; within a run of every benchmark, pages kept by earlier ones may add to it.
#include <cstdio>
#include <fstream>
#include <string>

#include "core/system_manager.h"
#include "figures.h"
#include "flow/game_state_manager.h"
#include "four_player_level.h"

namespace {

// Tells the kernel to forget the peak so far, so that the figure covers this session only.
void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

// The "VmHWM" line of /proc/self/status, in MiB; 0 where the kernel does not tell.
double PeakMiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

// Keys are pressed only in a level: in the menus they would choose and leave.
bool Frames(int count, int& frame) {
    SystemManager& systems = SystemManager::GetInstance();
    const bool inLevel = GameStateManager::currentState == Level_1;
    for (int i = 0; i < count; ++i, ++frame) {
        if (inLevel) DriveFourPlayers(frame);
        if (!systems.RunFrame()) return false;
    }
    return true;
}

bool ChangeTo(GameState state) {
    SystemManager& systems = SystemManager::GetInstance();
    ReleaseFourPlayers();
    if (state == Level_1) ChooseFourCharacters();
    GameStateManager::nextState = state;
    if (!systems.EndPass()) return false;
    systems.BeginPass();
    return GameStateManager::currentState == state;
}

void PeakMemory() {
    InResourcesCopy([] {
        ResetPeak();
        int frame = 0;
        // Starts in the main menu, then goes to Level_1 with four players.
        const bool played = StartFourPlayerLevel() && Frames(600, frame) && ChangeTo(MainMenu) &&
                            Frames(60, frame) && ChangeTo(Selection) && Frames(60, frame) && ChangeTo(Level_1) &&
                            Frames(600, frame);
        if (!played) std::fprintf(stderr, "the session left its path at frame %d\n", frame);
        // 256 MiB: the game's own data (textures, level, graphs) are a few MiB; the software GL
        // driver and SDL take the rest. It leaves room on a 2 GiB machine and catches a leak of a
        // texture or a level per state change long before a player would notice.
        ReportFigure("peak_resident_memory", PeakMiB(), "MiB", "<= 256");
        StopEngine();
    });
}

const bool registered = RegisterFigureBenchmark("memory", PeakMemory);

}  // namespace
