#pragma once

#include "core/vector2d.h"
#include "flow/action.h"
#include "graph/node.h"
#include "graph/once_per_frame_queue.h"
#include "nodes/body_of.h"

// A node that brings its character back into play: the character is put at rest on the spot
// at once, the frame's respawns are announced in one message after every graph ran, and the
// chain goes on through output 0 so that the graph can drop the ball.
template <class Base>
class RespawnsObjects : public Base {
public:
    using Base::Base;

    void EndFrame() override { queue_.EndFrame(); }

protected:
    // Stops with 0 for a character without a body: nothing to put back.
    int Respawn(AI_Component* ctx, Vec2 position) {
        GameObject* character = OwnerOf(ctx);
        if (!BodyOf(character)) return 0;
        RespawnObject({character, position.x, position.y});
        // The message only counts the respawn: an entry without an object, which its action
        // skips. The spot itself must not go along, for the action would take it for a push.
        queue_.Add(MoveObjData{});
        return this->RunOutput(0, ctx);
    }

private:
    OncePerFrameQueue<RespawnObjMessage> queue_;
};
