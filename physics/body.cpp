#include "physics/body.h"

#include <algorithm>

#include "core/frame_rate_controller.h"
#include "core/game_object.h"
#include "flow/game_state_manager.h"
#include "physics/box_shape.h"
#include "physics/circle_shape.h"
#include "physics/physics.h"
#include "physics/picking.h"

namespace {
constexpr int kDefaultFramesPerSecond = 60;
}  // namespace

float LongestStep() {
    const int fps = FrameRateController::GetInstance().fps;
    return 1.0f / static_cast<float>(fps > 0 ? fps : kDefaultFramesPerSecond);
}

Body::Body() : IGameComponent(BODY), shape(std::make_shared<AABB>()) {
    SetMass(mass);
    shape->Init(width, height, 0, 0);
    if (Physics* physics = Physics::Current()) physics->AddBody(this);
    const Vec2 gravity = GameStateManager::Instance().gravity;
    gravityX = gravity.x;
    gravityY = gravity.y;
}

Body::~Body() {
    if (Physics* physics = Physics::Current()) physics->RemoveBody(this);
    if (PickedBody == this) ClearPick();
}

IGameComponent* Body::Clone() const {
    auto* copy = new Body();
    copy->width = width;
    copy->height = height;
    copy->mass = mass;
    copy->invMass = invMass;
    copy->velX = velX;
    copy->velY = velY;
    copy->accX = accX;
    copy->accY = accY;
    copy->bounciness = bounciness;
    copy->gravityX = gravityX;
    copy->gravityY = gravityY;
    copy->friction = friction;
    copy->MakeShape(shape->type);
    copy->isContact = isContact;
    copy->SetMove(isMove);
    return copy;
}

void Body::MakeShape(int shapeId) {
    if (shapeId == CIRCLE_SHAPE) shape = std::make_shared<BC>();
    if (shapeId == BOX_SHAPE) shape = std::make_shared<AABB>();
    shape->Init(width, height, shape->GetX(), shape->GetY());
}

void Body::SetMass(float newMass) {
    mass = newMass > 0 ? newMass : 0;
    invMass = mass > 0 ? 1.0f / mass : 0;
}

void Body::SetMove(bool moving) {
    if (isMove == moving) return;
    isMove = moving;
    if (Physics* physics = Physics::Current()) physics->AddBody(this);
}

void Body::Integrate(float dt) {
    dt = std::min(dt, LongestStep());
    if (!isMove) return;
    if (isGravity) {
        velX += gravityX * dt;
        velY += gravityY * dt;
    }
    velX += accX * dt;
    velY += accY * dt;
    // Friction damps the horizontal speed and the acceleration; falling is left alone.
    velX *= friction;
    accX *= friction;
    accY *= friction;
    shape->Translate(Vec2(velX, velY) * dt);
    // A child rides along with its parent. A parent without a body carries nothing.
    const GameObject* parent = owner ? owner->parent : nullptr;
    if (parent && parent->active) {
        if (const Body* carrier = parent->Get<Body>(BODY)) shape->Translate(carrier->Velocity() * dt);
    }
}
