#include <cmath>

#include "graph/node_registry.h"
#include "nodes/body_of.h"
#include "nodes/graph_float.h"

namespace {
constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;

// Circles the running object around "Obj", one "Parts"-th of a turn per run, starting below it.
class UmbrellaSpecialSkillParticleNode : public Node<UmbrellaSpecialSkillParticleNode> {
public:
    UmbrellaSpecialSkillParticleNode()
        : Node(kUmbrellaSpecialSkillParticleNode, {"Next"},
               {{"Obj", VT_GAME_OBJECT}, {"Radius", VT_DOUBLE}, {"Parts", VT_INT}, {"CurrAngle", VT_DOUBLE},
                {"Started", VT_BOOL}}) {}

    int Execute(AI_Component* ctx) override {
        GameObject* const* obj = GetInput<GameObject*>(0, ctx);
        const double* radiusIn = GetInput<double>(1, ctx);
        const int* parts = GetInput<int>(2, ctx);
        double* currAngle = GetInput<double>(3, ctx);
        bool* started = GetInput<bool>(4, ctx);
        Body* self = OwnerBody(ctx);
        Body* centre = obj ? BodyOf(*obj) : nullptr;
        // A turn of no parts has no step to take.
        if (!radiusIn || !parts || !currAngle || !started || !self || !centre || *parts <= 0) {
            return RunOutput(0, ctx);
        }
        const float radius = FloatFromGraph(*radiusIn);
        float angle = FloatFromGraph(*currAngle);
        if (!*started) {
            *started = true;
            angle = 270.0f;
        }
        // The sign of the vertical leg, from the angle before the step.
        float sign = -1.0f;
        if (angle >= 360.0f) {
            angle = 0.0f;
        } else if (angle > 180.0f && angle <= 270.0f) {
            sign = 1.0f;
        }
        const float next = angle + 360.0f / static_cast<float>(*parts);
        *currAngle = next;
        const Vec2 c = centre->Position();
        const double radians = static_cast<double>(next) * kRadiansPerDegree;
        const float x = c.x + radius * static_cast<float>(std::cos(radians));
        const float y = c.y + sign * radius * static_cast<float>(std::sin(radians));
        self->shape->SetPosition(x, y);
        return RunOutput(0, ctx);
    }
};
}  // namespace

void RegisterUmbrellaSpecialSkillParticleNode() { RegisterNode<UmbrellaSpecialSkillParticleNode>("UmbrellaSpecialSkillParticleNode"); }
