#include "physics/collision_tests.h"

#include <algorithm>

#include "core/frame_rate_controller.h"
#include "physics/body.h"
#include "physics/box_shape.h"
#include "physics/circle_shape.h"
#include "physics/pillar_shape.h"
#include "physics/vector_math.h"

namespace {

Vec2 Centre(const BC& c) { return {c.centreX, c.centreY}; }

const BC& AsCircle(const Shape& s) { return static_cast<const BC&>(s); }
const AABB& AsBox(const Shape& s) { return static_cast<const AABB&>(s); }
const PolygonalPillar& AsPillar(const Shape& s) { return static_cast<const PolygonalPillar&>(s); }

bool TestCircleCircle(const Shape& a, float ax, float ay, const Shape& b, float bx, float by) {
    return CircleCircle(AsCircle(a), {ax, ay}, AsCircle(b), {bx, by});
}
bool TestCircleBox(const Shape& a, float, float, const Shape& b, float, float) {
    return CircleBox(AsCircle(a), AsBox(b));
}
bool TestCirclePillar(const Shape& a, float, float, const Shape& b, float, float) {
    return PillarCircle(AsPillar(b), AsCircle(a));
}
bool TestBoxCircle(const Shape& a, float, float, const Shape& b, float, float) {
    return CircleBox(AsCircle(b), AsBox(a));
}
bool TestBoxBox(const Shape& a, float ax, float ay, const Shape& b, float bx, float by) {
    return BoxBoxSwept(AsBox(a), {ax, ay}, AsBox(b), {bx, by}, BoxSweepSeconds());
}
bool TestBoxPillar(const Shape& a, float, float, const Shape& b, float, float) {
    return PillarBox(AsPillar(b), AsBox(a));
}
bool TestPillarCircle(const Shape& a, float, float, const Shape& b, float, float) {
    return PillarCircle(AsPillar(a), AsCircle(b));
}
bool TestPillarBox(const Shape& a, float, float, const Shape& b, float, float) {
    return PillarBox(AsPillar(a), AsBox(b));
}
bool TestPillarPillar(const Shape& a, float, float, const Shape& b, float, float) {
    return PillarPillar(AsPillar(a), AsPillar(b));
}

constexpr CollisionTest kTests[kShapeTypes * kShapeTypes] = {
    TestCircleCircle, TestCircleBox, TestCirclePillar,  //
    TestBoxCircle,    TestBoxBox,    TestBoxPillar,     //
    TestPillarCircle, TestPillarBox, TestPillarPillar,
};

// One axis of the box sweep. False when the boxes can never meet on it. Written with plain
// comparisons so that a NaN time changes neither bound.
bool SweepAxis(float aMin, float aMax, float bMin, float bMax, float v, float& first, float& last) {
    if (v < 0) {
        if (bMax <= aMin) return false;
        if (aMax <= bMin) {
            const float t = (aMax - bMin) / v;
            if (t > first) first = t;
        }
        if (aMin < bMax) {
            const float t = (aMin - bMax) / v;
            if (t < last) last = t;
        }
    } else {
        if (aMax <= bMin) return false;
        if (bMax <= aMin) {
            const float t = (aMin - bMax) / v;
            if (t > first) first = t;
        }
        if (bMin < aMax) {
            const float t = (aMax - bMin) / v;
            if (t < last) last = t;
        }
    }
    return true;
}

}  // namespace

const CollisionTest* CollisionTests() { return kTests; }

float BoxSweepSeconds() {
    // No further than the bodies move in this frame: a long frame moves them only one step, and
    // a touch the step never reaches would let a runner cross an edge or open a door from afar.
    return std::min(static_cast<float>(FrameRateController::GetInstance().LastElapsedSeconds()), LongestStep());
}

bool CircleCircle(const BC& a, Vec2 aVel, const BC& b, Vec2 bVel) {
    const Vec2 apart = Centre(a) - Centre(b);
    const float reach = a.radius + b.radius;
    if (reach * reach >= LengthSquared(apart)) return true;

    const Vec2 v = aVel - bVel;
    const float speed = Length(v);
    const Vec2 direction = NormalisedOrZero(v);
    const Vec2 toB = Centre(b) - Centre(a);
    const float along = Dot(toB, direction);
    if (along < 0 && Length(apart) > reach) return false;
    const float missSquared = LengthSquared(toB) - along * along;
    if (missSquared > reach * reach) return false;
    const float touch = along - std::sqrt(reach * reach - missSquared);
    const float fraction = touch / speed;
    return 0 <= fraction && fraction <= 1;
}

bool CircleBox(const BC& circle, const AABB& box) {
    const float cx = circle.centreX;
    const float cy = circle.centreY;
    if (box.minX < cx && cx < box.maxX && box.minY < cy && cy < box.maxY) return true;
    const Vec2 nearest(std::clamp(cx, box.minX, box.maxX), std::clamp(cy, box.minY, box.maxY));
    return LengthSquared(Vec2(cx, cy) - nearest) <= circle.radius * circle.radius;
}

bool BoxesOverlap(const AABB& a, const AABB& b) {
    return b.minX < a.maxX && a.minX < b.maxX && a.minY < b.maxY && b.minY < a.maxY;
}

bool BoxBoxSwept(const AABB& a, Vec2 aVel, const AABB& b, Vec2 bVel, float seconds) {
    if (BoxesOverlap(a, b)) return true;
    const Vec2 v = bVel - aVel;
    float first = 0;
    float last = seconds;
    if (!SweepAxis(a.minX, a.maxX, b.minX, b.maxX, v.x, first, last)) return false;
    if (first > last) return false;
    if (!SweepAxis(a.minY, a.maxY, b.minY, b.maxY, v.y, first, last)) return false;
    return first <= last;
}

namespace {
// False when one of `edgesOf`'s edges has every corner of `other` strictly outside.
bool NoEdgeSeparates(const PolygonalPillar& edgesOf, const PolygonalPillar& other) {
    for (const PillarEdge& edge : edgesOf.edges) {
        float nearest = Dot(edge.normal, other.vertices[0] - edge.start);
        for (const Vec2& vertex : other.vertices) nearest = std::min(nearest, Dot(edge.normal, vertex - edge.start));
        if (nearest > 0) return false;
    }
    return true;
}
}  // namespace

bool PillarPillar(const PolygonalPillar& a, const PolygonalPillar& b) {
    return NoEdgeSeparates(a, b) && NoEdgeSeparates(b, a);
}

bool PillarCircle(const PolygonalPillar& pillar, const BC& circle) {
    const Vec2 c = Centre(circle);
    const float r2 = circle.radius * circle.radius;
    for (const PillarEdge& edge : pillar.edges) {
        if (LengthSquared(edge.start - c) < r2 || LengthSquared(edge.end - c) < r2) return true;
        const Vec2 e = edge.end - edge.start;
        const float t = Dot(c - edge.start, e);
        Vec2 closest = edge.start;
        if (0 <= t && t <= LengthSquared(e)) {
            const Vec2 unit = NormalisedOrZero(e);
            closest = edge.start + unit * Dot(c - edge.start, unit);
        }
        if (LengthSquared(closest - c) < r2) return true;
    }
    return false;
}

PolygonalPillar PillarFromBox(const AABB& box) {
    return PolygonalPillar({box.maxX, box.maxY}, {box.minX, box.maxY}, {box.minX, box.minY}, {box.maxX, box.minY});
}

bool PillarBox(const PolygonalPillar& pillar, const AABB& box) { return PillarPillar(pillar, PillarFromBox(box)); }
