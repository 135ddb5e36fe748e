#include "graph/node_registry.h"
#include "nodes/body_of.h"
#include "nodes/object_receiver.h"

namespace {
// Bounces the object handed over away from the running object (or from a point offset from
// it): each velocity component gets the force's size, signed away from that centre. With no
// object, no bodies or no force there is nothing to bounce, and the chain goes on.
class ReflectObjNode : public ReceivesObject<Node<ReflectObjNode>> {
public:
    ReflectObjNode()
        : ReceivesObject(kReflectObjNode, {"Next"},
                         {{"ForceX", VT_DOUBLE}, {"ForceY", VT_DOUBLE}, {"OffsetFromCentre", VT_VEC2}}) {}

    int Execute(AI_Component* ctx) override {
        const double* fx = GetInput<double>(0, ctx);
        const double* fy = GetInput<double>(1, ctx);
        const Vec2* offset = GetInput<Vec2>(2, ctx);
        const Body* body = OwnerBody(ctx);
        Body* other = BodyOf(receivedObject);
        if (fx && fy && body && other) {
            const Vec2 centre = body->Position() + (offset ? *offset : Vec2());
            const Vec2 away = other->Position() - centre;
            other->velX = static_cast<float>(away.x >= 0 ? *fx : -*fx);
            other->velY = static_cast<float>(away.y >= 0 ? *fy : -*fy);
        }
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterReflectObjNode() { RegisterNode<ReflectObjNode>("ReflectObjNode"); }
