#pragma once

#include <array>

#include "physics/shape.h"

// One side of a pillar: its end points, its unit outward normal and d = normal . start.
struct PillarEdge {
    Vec2 start;
    Vec2 end;
    Vec2 normal;
    float d = 0;
};

// A convex four-cornered polygon. Level files never make one: the collision tests build a
// temporary pillar from a box when a pillar meets a box.
class PolygonalPillar : public Shape {
public:
    // The corners in order, clockwise or counter-clockwise.
    PolygonalPillar(Vec2 c0, Vec2 c1, Vec2 c2, Vec2 c3);

    void Init(float, float, float, float) override {}
    void FitToPoints(const Vec2*, int) override {}
    void Translate(Vec2 delta) override;
    void SetPosition(float x, float y) override;
    void SetX(float x) override { SetPosition(x, this->y); }
    void SetY(float y) override { SetPosition(this->x, y); }
    Vec2 GetPosition() const override { return {x, y}; }
    using Shape::SetPosition;

    // A pillar is never picked up with the mouse.
    bool HitByPick(Vec2) const override { return false; }
    void Bounds(Vec2& min, Vec2& max) const override;

    static constexpr int vertexCount = 4;
    std::array<Vec2, 4> vertices;
    std::array<PillarEdge, 4> edges;
    float x = 0;
    float y = 0;

private:
    void BuildEdges();
};
