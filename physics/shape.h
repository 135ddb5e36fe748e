#pragma once

#include "core/vector2d.h"

// Shape type numbers: they index the collision tables (typeA * 3 + typeB) and are the "shapeid"
// of a body's JSON.
enum ShapeType {
    CIRCLE_SHAPE = 0,
    BOX_SHAPE = 1,
    PILLAR_SHAPE = 2,
};
constexpr int kShapeTypes = 3;

// The collision outline of a body.
class Shape {
public:
    explicit Shape(int type) : type(type) {}
    virtual ~Shape() = default;

    virtual void Init(float width, float height, float x, float y) = 0;
    virtual void FitToPoints(const Vec2* points, int count) = 0;
    virtual void Translate(Vec2 delta) = 0;
    virtual void SetPosition(float x, float y) = 0;
    virtual void SetX(float x) = 0;
    virtual void SetY(float y) = 0;
    virtual Vec2 GetPosition() const = 0;
    float GetX() const { return GetPosition().x; }
    float GetY() const { return GetPosition().y; }
    void SetPosition(Vec2 p) { SetPosition(p.x, p.y); }

    // Whether a mouse pick at the point grabs the shape: only a point strictly inside does.
    virtual bool HitByPick(Vec2 point) const = 0;
    // The smallest axis-aligned box around the shape.
    virtual void Bounds(Vec2& min, Vec2& max) const = 0;

    int type;
};
