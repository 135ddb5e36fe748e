#pragma once

#include <string>

#include "core/game_object.h"

// The first free copy (ascending id) in the level's pool of attack copies with that type and
// exact name; null when every such copy is flying or the pool is empty. The copy is not taken:
// callers check it can be launched and then activate it, so that a copy they cannot place
// never leaves the pool.
GameObject* FreeAttackCopy(const std::string& typeName, const std::string& objectName);
