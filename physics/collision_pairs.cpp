#include "physics/collision_pairs.h"

#include <algorithm>
#include <functional>

void CollisionPairs::Begin() { entries_.clear(); }

void CollisionPairs::Add(GameObject* a, GameObject* b) {
    // A body without an object has nothing for the graphs to look up.
    if (!a || !b) return;
    entries_.push_back({a, b, static_cast<uint32_t>(entries_.size())});
    entries_.push_back({b, a, static_cast<uint32_t>(entries_.size())});
}

void CollisionPairs::Publish(std::map<GameObject*, GameObject*>& pairs,
                             std::vector<std::pair<GameObject*, GameObject*>>& touches) {
    const std::less<GameObject*> before;
    std::sort(entries_.begin(), entries_.end(), [&before](const Entry& x, const Entry& y) {
        if (x.key != y.key) return before(x.key, y.key);
        return x.order < y.order;
    });
    touches.clear();
    for (const Entry& e : entries_) touches.emplace_back(e.key, e.partner);
    // The first partner of each object wins, as with a map insert.
    const auto sameKey = [](const Entry& x, const Entry& y) { return x.key == y.key; };
    auto last = std::unique(entries_.begin(), entries_.end(), sameKey);
    entries_.erase(last, entries_.end());

    auto drop = [&](std::map<GameObject*, GameObject*>::iterator at) {
        auto next = std::next(at);
        spareNodes_.push_back(pairs.extract(at));
        return next;
    };
    auto add = [&](std::map<GameObject*, GameObject*>::iterator hint, const Entry& e) {
        if (spareNodes_.empty()) {
            pairs.emplace_hint(hint, e.key, e.partner);
            return;
        }
        auto node = std::move(spareNodes_.back());
        spareNodes_.pop_back();
        node.key() = e.key;
        node.mapped() = e.partner;
        pairs.insert(hint, std::move(node));
    };
    auto it = pairs.begin();
    auto entry = entries_.begin();
    while (it != pairs.end() && entry != entries_.end()) {
        if (before(it->first, entry->key)) {
            it = drop(it);
        } else if (before(entry->key, it->first)) {
            add(it, *entry);
            ++entry;
        } else {
            it->second = entry->partner;
            ++it;
            ++entry;
        }
    }
    while (it != pairs.end()) it = drop(it);
    for (; entry != entries_.end(); ++entry) add(pairs.end(), *entry);
}
