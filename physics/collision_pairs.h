#pragma once

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

class GameObject;

// Gathers the frame's colliding objects and publishes them into the shared map as if the map
// were cleared and each pair inserted both ways, an object keeping its first partner. The map
// is updated in place and the nodes of pairs that ended are kept for new ones, so once the
// collision count has peaked no frame allocates.
class CollisionPairs {
public:
    void Begin();
    void Add(GameObject* a, GameObject* b);
    // `touches` receives every pair both ways, sorted by object, each object's partners in the
    // order they were found.
    void Publish(std::map<GameObject*, GameObject*>& pairs, std::vector<std::pair<GameObject*, GameObject*>>& touches);

private:
    struct Entry {
        GameObject* key;
        GameObject* partner;
        uint32_t order;
    };
    std::vector<Entry> entries_;
    std::vector<std::map<GameObject*, GameObject*>::node_type> spareNodes_;
};
