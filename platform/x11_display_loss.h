#pragma once

namespace platform {

// Under X, makes the loss of the X server end the game at once: one line on standard output,
// then exit status 1. Does nothing under any other video driver.
void EndTheGameWhenTheXServerGoes();

}  // namespace platform
