#include "flow/game_state.h"

bool IsLevelState(GameState state) { return state == Level_1 || state == Level_2 || state == Level_3; }

std::string LevelFileName(GameState state) {
    return std::string("Resources/levelData/level") + static_cast<char>('0' + static_cast<int>(state)) + ".json";
}
