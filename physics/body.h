#pragma once

#include <memory>

#include "core/game_component.h"
#include "core/vector2d.h"
#include "physics/body_listener.h"
#include "physics/shape.h"

// The longest step a body takes, in seconds: one frame at the timer's target rate, so a stall
// (a level load, a dragged window) never throws bodies through walls.
float LongestStep();

// The physics part of a game object: size, mass, motion and its collision shape. Bodies put
// themselves in the physics system's list when made and take themselves out when destroyed.
class Body : public IGameComponent {
public:
    Body();
    ~Body() override;
    Body(const Body&) = delete;
    Body& operator=(const Body&) = delete;

    // A fresh body with this one's settings and a shape of the same kind at (0, 0); a pillar
    // gives the default box. Gravity use is not copied.
    IGameComponent* Clone() const override;
    // Mouse picking: the first body under the pointer becomes the picked body.
    void HandleMessage(IMessage* message) override;
    // A missing key keeps the field's value; a key of the wrong type does too, with a message.
    void Unserialize(const json::Member& member) override;
    void Serialize(json::Writer& writer) const override;

    // 0 a circle, 1 a box, anything else keeps the shape; then sized at the shape's position.
    void MakeShape(int shapeId);
    // A negative mass counts as 0: immovable.
    void SetMass(float newMass);
    // Switches motion on or off and keeps the moving bodies at the front of the physics list.
    void SetMove(bool moving);
    // One step of motion: gravity, acceleration, friction, then the shape moves.
    void Integrate(float dt);

    Vec2 Velocity() const { return {velX, velY}; }
    Vec2 Position() const { return shape->GetPosition(); }

    float width = 32.0f;
    float height = 32.0f;
    float mass = 0;
    float invMass = 0;
    float velX = 0;
    float velY = 0;
    float accX = 0;
    float accY = 0;
    float bounciness = 0;
    float gravityX = 0;
    float gravityY = 0;
    float friction = 0.95f;
    std::shared_ptr<Shape> shape;
    bool isMove = false;
    bool isContact = true;
    bool isGravity = false;
    BodyListener bodyListener{this};
};
