#pragma once

// A level is three adjoining camera scenes, 1280 units wide: 0 on the left, 1 in the middle
// (where every level starts), 2 on the right. Any other number counts as the left one.
constexpr float kSceneHalfWidth = 640.0f;

inline float SceneCentreX(int scene) {
    if (scene == 1) return 360.0f;
    if (scene == 2) return 1640.0f;
    return -920.0f;
}
