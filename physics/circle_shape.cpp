#include "physics/circle_shape.h"

#include <cmath>

void BC::Init(float width, float /*height*/, float x, float y) {
    centreX = x;
    centreY = y;
    radius = width * 0.5f;
}

void BC::FitToPoints(const Vec2* points, int count) {
    if (!points || count <= 0) return;
    Vec2 sum;
    for (int i = 0; i < count; ++i) sum += points[i];
    centreX = sum.x / static_cast<float>(count);
    centreY = sum.y / static_cast<float>(count);
    float largest = 0;
    for (int i = 0; i < count; ++i) {
        const float dx = points[i].x - centreX;
        const float dy = points[i].y - centreY;
        largest = std::fmax(largest, dx * dx + dy * dy);
    }
    radius = std::sqrt(largest);
}

void BC::Translate(Vec2 delta) {
    centreX += delta.x;
    centreY += delta.y;
}

void BC::SetPosition(float x, float y) {
    centreX = x;
    centreY = y;
}

bool BC::HitByPick(Vec2 point) const {
    const float dx = point.x - centreX;
    const float dy = point.y - centreY;
    return dx * dx + dy * dy < radius * radius;
}

void BC::Bounds(Vec2& min, Vec2& max) const {
    min = {centreX - radius, centreY - radius};
    max = {centreX + radius, centreY + radius};
}
