#include "graph/node_registry.h"
#include "nodes/body_of.h"
#include "nodes/move_queue.h"
#include "nodes/object_receiver.h"

namespace {
// The running object is pushed by another object's motion: the source's acceleration, scaled
// by its mass. Always ends the chain; without an active source that has a body, or without a
// scale, nothing is pushed.
class ApplyForceByObjNode : public ReceivesObject<QueuesMoves<Node<ApplyForceByObjNode>>> {
public:
    ApplyForceByObjNode()
        : ReceivesObject(kApplyForceByObjNode, {}, {{"ForceScale", VT_DOUBLE}, {"SourceObj", VT_GAME_OBJECT}}) {}

    int Execute(AI_Component* ctx) override {
        if (GameObject* const* bound = GetInput<GameObject*>(1, ctx)) receivedObject = *bound;
        const GameObject* source = receivedObject;
        const Body* sourceBody = BodyOf(source);
        const double* scale = GetInput<double>(0, ctx);
        GameObject* self = OwnerOf(ctx);
        if (!source || !source->active || !sourceBody || !scale || !self) return 0;
        const auto factor = static_cast<float>(sourceBody->mass * *scale);
        QueueMove(self, sourceBody->accX * factor, sourceBody->accY * factor);
        return 0;
    }
};
}  // namespace

void RegisterApplyForceByObjNode() { RegisterNode<ApplyForceByObjNode>("ApplyForceByObjNode"); }
