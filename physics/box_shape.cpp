#include "physics/box_shape.h"

#include <cmath>

void AABB::Init(float width, float height, float x, float y) {
    centreX = x;
    centreY = y;
    minX = x - width * 0.5f;
    minY = y - height * 0.5f;
    maxX = x + width * 0.5f;
    maxY = y + height * 0.5f;
}

void AABB::FitToPoints(const Vec2* points, int count) {
    if (!points || count <= 0) return;
    minX = maxX = points[0].x;
    minY = maxY = points[0].y;
    for (int i = 1; i < count; ++i) {
        minX = std::fmin(minX, points[i].x);
        maxX = std::fmax(maxX, points[i].x);
        minY = std::fmin(minY, points[i].y);
        maxY = std::fmax(maxY, points[i].y);
    }
}

void AABB::Translate(Vec2 delta) {
    minX += delta.x;
    maxX += delta.x;
    centreX += delta.x;
    minY += delta.y;
    maxY += delta.y;
    centreY += delta.y;
}

void AABB::SetPosition(float x, float y) { Translate(Vec2(x, y) - GetPosition()); }
void AABB::SetX(float x) { Translate({x - centreX, 0}); }
void AABB::SetY(float y) { Translate({0, y - centreY}); }

bool AABB::HitByPick(Vec2 point) const {
    return minX < point.x && point.x < maxX && minY < point.y && point.y < maxY;
}

void AABB::Bounds(Vec2& min, Vec2& max) const {
    min = {minX, minY};
    max = {maxX, maxY};
}
