#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {
class ScriptedBackend;
}

// What every fuzz target shares: a private copy of the game's Resources/ to read and write in,
// and the engine started no further than a loader needs.
namespace fuzz {

// Copies Resources/ into a fresh temporary folder (once per process), makes it the working
// directory and removes it again when the fuzzer exits.
void EnterResourcesCopy();

// The engine as the game starts it, on the scripted backend without a window (once per process).
void StartEngineOnce();

// The engine as the game starts it, drawing for real through GL into an offscreen window, on a
// scripted backend whose keys, mouse and clock the target drives (once per process).
platform::ScriptedBackend& StartGameOnce();

std::string Text(const uint8_t* data, size_t size);

// Replaces a file below the working directory with the input bytes.
void WriteInput(const std::string& relativePath, const std::string& text);

// A loader must never rewrite a file that does not parse: aborts (a finding) when `path` no
// longer holds `text` although `text` was broken.
void RequireUntouchedIfBroken(const std::string& path, const std::string& text);

}  // namespace fuzz
