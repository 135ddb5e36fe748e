#include "input/mouse_position.h"

MousePositionData& MousePosition() {
    static MousePositionData position;
    return position;
}

void SetMousePosition(int clientX, int clientY, int clientWidth, int clientHeight) {
    MousePosition().x = static_cast<int>(static_cast<float>(clientX) - static_cast<float>(clientWidth) * 0.5f);
    MousePosition().y = static_cast<int>(-(static_cast<float>(clientY) - static_cast<float>(clientHeight) * 0.5f));
}

Vec2 WorldPointFromMouse(const MousePositionData& mouse, int clientWidth, int clientHeight, int logicalWidth,
                         int logicalHeight, const CameraView& camera) {
    const float x = static_cast<float>(mouse.x) / static_cast<float>(clientWidth) * static_cast<float>(logicalWidth);
    const float y =
        static_cast<float>(mouse.y) / static_cast<float>(clientHeight) * static_cast<float>(logicalHeight);
    return Vec2(x * camera.scale - camera.panX, y * camera.scale - camera.panY);
}
