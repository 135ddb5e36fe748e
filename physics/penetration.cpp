#include "physics/penetration.h"

#include <algorithm>
#include <cmath>

#include "physics/body.h"
#include "physics/box_shape.h"
#include "physics/circle_shape.h"
#include "physics/vector_math.h"

namespace {

const BC& CircleOf(const Body& body) { return static_cast<const BC&>(*body.shape); }
const AABB& BoxOf(const Body& body) { return static_cast<const AABB&>(*body.shape); }

// Indexed by typeA * 3 + typeB. Pairs that involve a pillar have no function (null).
constexpr PenetrationFunction kTable[kShapeTypes * kShapeTypes] = {
    CircleCirclePenetration, CircleBoxPenetration, nullptr,  //
    BoxCirclePenetration,    BoxBoxPenetration,    nullptr,  //
    nullptr,                 nullptr,              nullptr,
};

}  // namespace

std::optional<Vec2> Penetration(const Body& a, const Body& b) {
    const PenetrationFunction penetration = kTable[a.shape->type * kShapeTypes + b.shape->type];
    if (!penetration) return std::nullopt;
    return penetration(a, b);
}

Vec2 CircleCirclePenetration(const Body& a, const Body& b) {
    const BC& ca = CircleOf(a);
    const BC& cb = CircleOf(b);
    const Vec2 d = cb.GetPosition() - ca.GetPosition();
    const float overlap = (ca.radius + cb.radius) - Length(d);
    if (overlap <= 0) return {};
    return NormalisedOrZero(d) * overlap;
}

Vec2 CircleBoxPenetration(const Body& circle, const Body& box) {
    const BC& c = CircleOf(circle);
    const AABB& b = BoxOf(box);
    const Vec2 n = c.GetPosition() - b.GetPosition();
    const Vec2 half((b.maxX - b.minX) * 0.5f, (b.maxY - b.minY) * 0.5f);
    Vec2 nearest(std::clamp(n.x, -half.x, half.x), std::clamp(n.y, -half.y, half.y));
    // A centre on the outline counts as inside: only a component that had to be clamped moves it out.
    const bool inside = nearest == n;
    if (inside) {
        // Push out through the nearer face; a tie goes through the top or bottom.
        if (half.y - std::fabs(n.y) > half.x - std::fabs(n.x)) {
            nearest.x = n.x > 0 ? half.x : -half.x;
        } else {
            nearest.y = n.y > 0 ? half.y : -half.y;
        }
    }
    const Vec2 w = n - nearest;
    Vec2 direction = inside ? w : w * -1.0f;
    // A centre exactly on the face it leaves through gives no direction of its own: use the
    // face's inward normal, so the circle is still pushed out by its full radius.
    if (inside && direction == Vec2()) {
        direction = nearest.x == half.x || nearest.x == -half.x ? Vec2(nearest.x > 0 ? -1.0f : 1.0f, 0)
                                                                : Vec2(0, nearest.y > 0 ? -1.0f : 1.0f);
    }
    const float depth = inside ? Length(w) + c.radius : c.radius - Length(w);
    if (depth <= 0) return {};
    return NormalisedOrZero(direction) * depth;
}

Vec2 BoxCirclePenetration(const Body& box, const Body& circle) { return CircleBoxPenetration(circle, box) * -1.0f; }

Vec2 BoxBoxPenetration(const Body& a, const Body& b) {
    const Vec2 d = b.shape->GetPosition() - a.shape->GetPosition();
    const float overlapX = (a.width + b.width) * 0.5f - std::fabs(d.x);
    if (overlapX <= 0) return {};
    const float overlapY = (a.height + b.height) * 0.5f - std::fabs(d.y);
    if (overlapY <= 0) return {};
    if (overlapY <= overlapX) return {0, d.y > 0 ? overlapY : -overlapY};
    return {d.x > 0 ? overlapX : -overlapX, 0};
}
