#pragma once

#include "core/game_object.h"
#include "graph/node.h"
#include "graph/once_per_frame_queue.h"

// A node that pushes objects through the action queue: its moves of one frame leave in one
// message after every graph ran, and the action manager applies them, times each body's
// inverse mass, in the next frame.
template <class Base>
class QueuesMoves : public Base {
public:
    using Base::Base;

    void EndFrame() override { queue_.EndFrame(); }

protected:
    void QueueMove(GameObject* object, float x, float y) { queue_.Add(MoveObjData{object, x, y}); }

private:
    OncePerFrameQueue<MoveObjectsMessage> queue_;
};
