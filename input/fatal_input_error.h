#pragma once

// Broken input configuration cannot be played around: the game says why on standard error and
// ends with exit code 1, which the launch scripts and players recognise.
[[noreturn]] void ExitPlayerIdDoesNotExist();
[[noreturn]] void ExitControlNotFound();
