#pragma once

#include "physics/shape.h"

// A circle: the shape of balls and round characters.
class BC : public Shape {
public:
    BC() : Shape(CIRCLE_SHAPE) {}

    // The radius is half the width; the height plays no part.
    void Init(float width, float height, float x, float y) override;
    void FitToPoints(const Vec2* points, int count) override;
    void Translate(Vec2 delta) override;
    void SetPosition(float x, float y) override;
    void SetX(float x) override { centreX = x; }
    void SetY(float y) override { centreY = y; }
    Vec2 GetPosition() const override { return {centreX, centreY}; }
    using Shape::SetPosition;

    bool HitByPick(Vec2 point) const override;
    void Bounds(Vec2& min, Vec2& max) const override;

    float centreX = 0;
    float centreY = 0;
    float radius = 0;
};
