#pragma once

#include "physics/shape.h"

// An axis-aligned box: the shape of platforms, walls and most characters.
class AABB : public Shape {
public:
    AABB() : Shape(BOX_SHAPE) {}

    void Init(float width, float height, float x, float y) override;
    // Takes the bounds of the points; the centre stays where it was.
    void FitToPoints(const Vec2* points, int count) override;
    void Translate(Vec2 delta) override;
    void SetPosition(float x, float y) override;
    void SetX(float x) override;
    void SetY(float y) override;
    Vec2 GetPosition() const override { return {centreX, centreY}; }
    using Shape::SetPosition;

    bool HitByPick(Vec2 point) const override;
    void Bounds(Vec2& min, Vec2& max) const override;

    float minX = 0;
    float minY = 0;
    float maxX = 0;
    float maxY = 0;
    float centreX = 0;
    float centreY = 0;
};
