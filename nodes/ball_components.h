#pragma once

#include "core/game_object.h"

// The ball's "Team" while nobody holds it: only a free ball can be grabbed.
constexpr int kFreeBallTeam = 2;

// A carried ball is neither drawn nor simulated: its body and sprite are switched off while
// it is held and on again when it is dropped. Hidden components stay as they are.
inline void SetBallInPlay(GameObject& ball, bool inPlay) {
    for (GAME_COMP kind : {BODY, SPRITE}) {
        if (IGameComponent* component = ball.GetComponent(kind)) component->active = inPlay;
    }
}
