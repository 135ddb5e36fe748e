#include <algorithm>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/game_object.h"
#include "physics/collision_pairs.h"

namespace {

// Frame after frame, the published map must equal a map cleared and refilled with each pair
// inserted both ways, whatever it held the frame before; the list of touches holds every pair
// both ways, grouped by object.
TEST(CollisionPairsTest, EachFrameReplacesTheLastOnesPairs) {
    GameObject objects[5];
    GameObject* const a = &objects[0];
    GameObject* const b = &objects[1];
    GameObject* const c = &objects[2];
    GameObject* const d = &objects[3];
    GameObject* const e = &objects[4];
    using Pairs = std::vector<std::pair<GameObject*, GameObject*>>;
    const std::vector<Pairs> frames = {
        {{a, b}, {a, c}, {b, c}},
        {{a, b}, {a, c}, {b, c}},
        {{c, a}, {d, e}},
        {},
        {{e, d}, {b, a}, {b, e}, {c, d}},
        {{a, b}, {nullptr, c}},
    };
    CollisionPairs pairs;
    std::map<GameObject*, GameObject*> published = {{e, e}};
    Pairs touches = {{e, e}};
    for (size_t f = 0; f < frames.size(); ++f) {
        std::map<GameObject*, GameObject*> expected;
        Pairs expectedTouches;
        pairs.Begin();
        for (const auto& [x, y] : frames[f]) {
            pairs.Add(x, y);
            if (x && y) {
                expected.insert({x, y});
                expected.insert({y, x});
                expectedTouches.insert(expectedTouches.end(), {{x, y}, {y, x}});
            }
        }
        std::stable_sort(expectedTouches.begin(), expectedTouches.end(),
                         [](const auto& p, const auto& q) { return std::less<GameObject*>()(p.first, q.first); });
        pairs.Publish(published, touches);
        EXPECT_EQ(expected, published) << "frame " << f;
        EXPECT_EQ(expectedTouches, touches) << "frame " << f;
    }
}

}  // namespace
