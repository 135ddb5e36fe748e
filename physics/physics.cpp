#include "physics/physics.h"

#include <algorithm>

#include "core/game_object.h"
#include "core/message_prototypes.h"
#include "graphics/sprite.h"
#include "physics/body.h"
#include "physics/circle_shape.h"
#include "physics/collision_message.h"
#include "physics/collision_tests.h"
#include "physics/picking.h"
#include "physics/shape.h"

namespace {
Physics* current = nullptr;
}

Physics::Physics() : ISystem(PHYSICS) {
    collisionMessage = CloneMessage<CollisionMessage>();
    current = this;
}

Physics::~Physics() {
    if (current == this) current = nullptr;
}

Physics* Physics::Current() { return current; }

void Physics::ResetShared() {
    ClearPick();
    CollisionMessage::Pairs().clear();
    CollisionMessage::Touches().clear();
}

bool Physics::Update(double dt) {
    if (!paused) {
        IntegrateBodies(dt);
        DetectCollisions();
        resolver.ResolveAll();
    }
    SyncSprites();
    return true;
}

void Physics::AddBody(Body* body) {
    if (!body) return;
    RemoveBody(body);
    if (body->isMove) {
        bodies.push_front(body);
    } else {
        bodies.push_back(body);
    }
}

void Physics::RemoveBody(Body* body) {
    auto it = std::find(bodies.begin(), bodies.end(), body);
    if (it != bodies.end()) bodies.erase(it);
}

float Physics::SlideX(float fromX, float toX, float y, Vec2 half) const {
    const bool rightwards = toX >= fromX;
    float stop = toX;
    for (const Body* body : bodies) {
        if (!IsWall(*body)) continue;
        Vec2 min, max;
        body->shape->Bounds(min, max);
        if (min.y >= y + half.y || max.y <= y - half.y) continue;
        if (rightwards && min.x >= fromX) stop = std::min(stop, min.x - half.x);
        if (!rightwards && max.x <= fromX) stop = std::max(stop, max.x + half.x);
    }
    return rightwards ? std::max(stop, fromX) : std::min(stop, fromX);
}

void Physics::IntegrateBodies(double dt) {
    for (Body* body : bodies) {
        if (body->active) body->Integrate(static_cast<float>(dt));
    }
}

void Physics::KeepMovingFirst() {
    auto firstStill = std::find_if(bodies.begin(), bodies.end(), [](const Body* b) { return !b->isMove; });
    if (std::none_of(firstStill, bodies.end(), [](const Body* b) { return b->isMove; })) return;
    scratch_.assign(firstStill, bodies.end());
    auto out = firstStill;
    for (Body* body : scratch_) {
        if (body->isMove) *out++ = body;
    }
    for (Body* body : scratch_) {
        if (!body->isMove) *out++ = body;
    }
}

size_t Physics::MovingEnd() const {
    for (size_t i = 0; i < bodies.size(); ++i) {
        if (bodies[i]->active && !bodies[i]->isMove) return i;
    }
    return bodies.size();
}

void Physics::TestPair(Body* a, Body* b) {
    ++testsRun;
    if (!TestShapes(*a->shape, a->Velocity(), *b->shape, b->Velocity())) return;
    // Pairs with a pillar have no penetration to resolve; they are still reported.
    if (a->isContact && b->isContact) resolver.AddContact(a, b);
    pairs_.Add(a->owner, b->owner);
}

void Physics::DetectCollisions() {
    testsRun = 0;
    if (bodies.empty()) return;
    KeepMovingFirst();
    pairs_.Begin();
    const size_t movingEnd = MovingEnd();
    if (useBroadPhase) {
        broadPhase_.FindPairs(bodies, movingEnd, BoxSweepSeconds(), candidates_);
        for (const auto& [i, j] : candidates_) TestPair(bodies[i], bodies[j]);
    } else {
        for (size_t i = 0; i < movingEnd; ++i) {
            if (!bodies[i]->active) continue;
            for (size_t j = i + 1; j < bodies.size(); ++j) {
                if (bodies[j]->active) TestPair(bodies[i], bodies[j]);
            }
        }
    }
    pairs_.Publish(CollisionMessage::Pairs(), CollisionMessage::Touches());
    collisionMessage->Post();
}

void Physics::SyncSprites() {
    for (Body* body : bodies) {
        if (!body->active || !body->owner) continue;
        auto* sprite = body->owner->Get<Sprite>(SPRITE);
        if (!sprite || !sprite->active) continue;
        const bool circle = body->shape->type == CIRCLE_SHAPE && sprite->state.isDebug;
        sprite->state.isCircle = circle ? 1 : 0;
        if (circle) sprite->state.radius = static_cast<const BC&>(*body->shape).radius;
        const Vec2 position = body->Position();
        sprite->x = position.x;
        sprite->y = position.y;
        sprite->UpdateTransform();
    }
}
