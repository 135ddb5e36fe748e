#pragma once

#include <string>

// A fixed underlying type: a state number read from data or a graph may be out of range,
// and must still be a value the game can test and turn into "Invalid".
enum GameState : int {
    MainMenu = 0,
    Level_1 = 1,
    Level_2 = 2,
    Restart = 3,
    WinRed = 4,
    WinBlue = 5,
    Invalid = 6,
    Quit = 7,
    Selection = 8,
    Level_3 = 9,
    DEBUG = 10,
};

// The characters a player can choose; "None" means the player does not play.
enum CHARID : int {
    LadyRed = 0,
    BoxerRed = 1,
    NinjaRed = 2,
    None = 3,
    LadyBlue = 4,
    BoxerBlue = 5,
    NinjaBlue = 6,
};

bool IsLevelState(GameState state);
// "Resources/levelData/level" + ('0' + state) + ".json"; "DEBUG" gives the character ':'.
std::string LevelFileName(GameState state);
