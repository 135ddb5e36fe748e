#pragma once

#include <cstdint>
#include <deque>
#include <utility>
#include <vector>

#include "core/system.h"
#include "physics/broad_phase.h"
#include "physics/collision_pairs.h"
#include "physics/contact_resolver.h"

class Body;
class CollisionMessage;

// Moves the bodies, finds and resolves their collisions, reports the frame's colliding
// objects in one CollisionMessage and keeps each sprite on its body.
class Physics : public ISystem {
public:
    Physics();
    ~Physics() override;
    Physics(const Physics&) = delete;
    Physics& operator=(const Physics&) = delete;

    // The physics system bodies join: the latest made that still lives; null when none.
    static Physics* Current();

    bool Init() override { return true; }
    bool Update(double dt) override;

    void IntegrateBodies(double dt);
    void DetectCollisions();
    void SyncSprites();

    // Puts a moving body at the front and a still one at the back; a body already in the list
    // is moved, never entered twice.
    void AddBody(Body* body);
    void RemoveBody(Body* body);

    // Where a box of half-size `half` at height `y`, slid along x from `fromX` towards `toX`,
    // comes to a stop against the first wall in its way (`IsWall`). `toX` when nothing is in the
    // way; never behind `fromX`.
    float SlideX(float fromX, float toX, float y, Vec2 half) const;

    // Forgets the shared picking and collision state, for a fresh start.
    static void ResetShared();

    std::deque<Body*> bodies;
    ContactResolver resolver;
    CollisionMessage* collisionMessage = nullptr;
    bool paused = false;
    // Off: every moving body is tried against every later body. Both find the same pairs.
    bool useBroadPhase = true;
    // Shape tests run by the last DetectCollisions.
    size_t testsRun = 0;

private:
    // Bodies whose isMove was written directly may stand on the wrong side: move them so that
    // every moving body precedes every still one, each side keeping its order.
    void KeepMovingFirst();
    size_t MovingEnd() const;
    void TestPair(Body* a, Body* b);

    BroadPhase broadPhase_;
    CollisionPairs pairs_;
    std::vector<std::pair<uint32_t, uint32_t>> candidates_;
    std::vector<Body*> scratch_;
};
