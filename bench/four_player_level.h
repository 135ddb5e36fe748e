#pragma once

// Level_1 as four players see it: whatever the level file holds, with two red and two blue
// characters spawned and driven by scripted keys, on the scripted backend with offscreen GL.
#include <vector>

class GameObject;
namespace platform {
class ScriptedBackend;
}

// Installs the scripted backend, starts the engine and loads Level_1 with four players. False
// when the engine does not start or the level does not come up; the caller still calls
// StopEngine.
bool StartFourPlayerLevel();
// Gives the four players their characters (two red, two blue) for the next level load; leaving
// for a menu clears them.
void ChooseFourCharacters();
// Presses and releases the four players' keys for the given frame number: runs both ways,
// jumps, pushes, pulls and skills, each player out of step with the others.
void DriveFourPlayers(int frame);
void ReleaseFourPlayers();
// The four spawned characters; fewer when the level or the character file lacks some.
std::vector<GameObject*> FourPlayers();
// Ends the level and puts the engine back to its first state.
void StopEngine();

platform::ScriptedBackend& Scripted();
