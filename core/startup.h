#pragma once

class AI_Manager;

// Builds, registers and initialises every system in start-up order, shows the first cleared
// picture and switches to full screen. False when the window or the renderer cannot start.
bool StartUp();

// The graph engine's part of start-up, in its order: the object types read, the graph component
// registered with the factory, every node class registered, the state names a graph may name,
// and the state manager's objects the ones graphs look in. The factory and `ai` are registered
// systems already. StartUp runs it; benchmarks and tests that run graphs without a window run
// it alone.
void StartGraphEngine(AI_Manager& ai);

// The program once a platform backend is installed: start-up, then the main loop until the
// game reaches "Quit". Returns the process exit code: -1 when start-up fails, else 0.
int RunGame();

// Deletes every system and puts every engine singleton back to its first state, so that a
// later start in the same process begins afresh.
void ResetEngine();
