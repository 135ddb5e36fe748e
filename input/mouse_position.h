#pragma once

#include "core/vector2d.h"

// The mouse relative to the centre of the window's client area, y up.
struct MousePositionData {
    int x = 0;
    int y = 0;
};

MousePositionData& MousePosition();
// From client coordinates (y down) and the client size.
void SetMousePosition(int clientX, int clientY, int clientWidth, int clientHeight);

// How the camera maps logical units to the world: the world units one logical pixel spans
// (Camera::WorldUnitsPerPixel, 1 for the default eye) and the pan the projection applies
// (minus the camera position).
struct CameraView {
    float scale = 1.0f;
    float panX = 0.0f;
    float panY = 0.0f;
};

// The world point under the mouse: client pixels stretched to the logical view, then through
// the camera. The client size must not be empty.
Vec2 WorldPointFromMouse(const MousePositionData& mouse, int clientWidth, int clientHeight, int logicalWidth,
                         int logicalHeight, const CameraView& camera);
