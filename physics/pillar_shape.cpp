#include "physics/pillar_shape.h"

#include <cmath>

#include "physics/vector_math.h"

PolygonalPillar::PolygonalPillar(Vec2 c0, Vec2 c1, Vec2 c2, Vec2 c3)
    : Shape(PILLAR_SHAPE), vertices{c0, c1, c2, c3} {
    x = (c0.x + c1.x + c2.x + c3.x) / 4.0f;
    y = (c0.y + c1.y + c2.y + c3.y) / 4.0f;
    BuildEdges();
}

void PolygonalPillar::BuildEdges() {
    const Vec2 centre(x, y);
    for (int i = 0; i < vertexCount; ++i) {
        PillarEdge& edge = edges[i];
        edge.start = vertices[i];
        edge.end = vertices[(i + 1) % vertexCount];
        Vec2 normal(-(edge.end.y - edge.start.y), edge.end.x - edge.start.x);
        const float length = Length(normal);
        if (length != 0) normal = normal * (1.0f / length);
        // The left-hand perpendicular faces inward on counter-clockwise corners: turn it so that
        // the separating-axis test sees the pillar's outside whatever the winding.
        if (Dot(normal, centre - edge.start) > 0) normal = normal * -1.0f;
        edge.normal = normal;
        edge.d = Dot(normal, edge.start);
    }
}

void PolygonalPillar::Translate(Vec2 delta) {
    for (Vec2& vertex : vertices) vertex += delta;
    // The position travels with the corners, so GetPosition stays the pillar's centre.
    x += delta.x;
    y += delta.y;
    BuildEdges();
}

void PolygonalPillar::SetPosition(float newX, float newY) {
    Translate(Vec2(newX, newY) - GetPosition());
    x = newX;
    y = newY;
}

void PolygonalPillar::Bounds(Vec2& min, Vec2& max) const {
    min = max = vertices[0];
    for (const Vec2& v : vertices) {
        min.x = std::fmin(min.x, v.x);
        min.y = std::fmin(min.y, v.y);
        max.x = std::fmax(max.x, v.x);
        max.y = std::fmax(max.y, v.y);
    }
}
