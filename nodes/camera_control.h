#pragma once

#include "core/vector2d.h"
#include "graphics/camera.h"
#include "graphics/graphic_gl.h"

// The renderer's camera; null without a renderer. Nodes that would move it skip the move.
inline Camera* TheCamera() {
    GraphicGL* renderer = FindRenderer();
    return renderer ? &renderer->camera : nullptr;
}

// Where the camera was last put with SetPosition (it keeps the pan negated).
inline Vec2 CameraPosition(const Camera& camera) { return {-camera.simPerps[12], -camera.simPerps[13]}; }
