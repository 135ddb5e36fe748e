#include "physics/broad_phase.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "physics/body.h"

namespace {

constexpr float kMargin = 0.5f;
constexpr float kRelativeMargin = 1e-4f;

// The box around the body now and at the end of its sweep, widened against rounding.
void ReachOf(const Body& body, float boxSweepSeconds, Vec2& min, Vec2& max) {
    body.shape->Bounds(min, max);
    Vec2 sweep;
    if (body.shape->type == CIRCLE_SHAPE) sweep = body.Velocity();
    if (body.shape->type == BOX_SHAPE) sweep = body.Velocity() * boxSweepSeconds;
    min = {std::fmin(min.x, min.x + sweep.x), std::fmin(min.y, min.y + sweep.y)};
    max = {std::fmax(max.x, max.x + sweep.x), std::fmax(max.y, max.y + sweep.y)};
    const float size = std::fmax(std::fmax(std::fabs(min.x), std::fabs(max.x)),
                                 std::fmax(std::fabs(min.y), std::fabs(max.y)));
    const float margin = kMargin + kRelativeMargin * (size + std::fabs(sweep.x) + std::fabs(sweep.y));
    min = min - Vec2(margin, margin);
    max = max + Vec2(margin, margin);
    // A body with a non-finite position or speed could meet anything: keep it in every pair.
    if (!(std::isfinite(min.x) && std::isfinite(min.y) && std::isfinite(max.x) && std::isfinite(max.y))) {
        const float inf = std::numeric_limits<float>::infinity();
        min = {-inf, -inf};
        max = {inf, inf};
    }
}

}  // namespace

void BroadPhase::FindPairs(const std::deque<Body*>& bodies, size_t movingEnd, float boxSweepSeconds,
                           std::vector<std::pair<uint32_t, uint32_t>>& pairs) {
    pairs.clear();
    reaches_.clear();
    // Sweep along the axis where the bodies spread the most.
    double sumX = 0, sumY = 0, sumXX = 0, sumYY = 0;
    for (size_t k = 0; k < bodies.size(); ++k) {
        const Body& body = *bodies[k];
        if (!body.active) continue;
        Vec2 min, max;
        ReachOf(body, boxSweepSeconds, min, max);
        reaches_.push_back({min.x, max.x, min.y, max.y, static_cast<uint32_t>(k)});
        if (std::isfinite(min.x) && std::isfinite(min.y)) {
            const double cx = 0.5 * (min.x + max.x), cy = 0.5 * (min.y + max.y);
            sumX += cx;
            sumY += cy;
            sumXX += cx * cx;
            sumYY += cy * cy;
        }
    }
    const double n = static_cast<double>(std::max<size_t>(reaches_.size(), 1));
    const double spreadX = sumXX / n - (sumX / n) * (sumX / n);
    const double spreadY = sumYY / n - (sumY / n) * (sumY / n);
    if (spreadY > spreadX) {
        for (Reach& r : reaches_) {
            std::swap(r.lo, r.otherLo);
            std::swap(r.hi, r.otherHi);
        }
    }
    std::sort(reaches_.begin(), reaches_.end(), [](const Reach& x, const Reach& y) { return x.lo < y.lo; });

    for (size_t s = 0; s < reaches_.size(); ++s) {
        const Reach& r = reaches_[s];
        for (size_t t = s + 1; t < reaches_.size() && reaches_[t].lo <= r.hi; ++t) {
            const Reach& q = reaches_[t];
            if (q.otherLo > r.otherHi || r.otherLo > q.otherHi) continue;
            const uint32_t i = std::min(r.index, q.index);
            const uint32_t j = std::max(r.index, q.index);
            if (i < movingEnd) pairs.emplace_back(i, j);
        }
    }
    std::sort(pairs.begin(), pairs.end());
}
