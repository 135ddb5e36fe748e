#include "input/mouse_position.h"

MousePositionData& MousePosition() {
    static MousePositionData position;
    return position;
}

void SetMousePosition(int clientX, int clientY, int clientWidth, int clientHeight) {
    MousePosition().x = static_cast<int>(static_cast<float>(clientX) - static_cast<float>(clientWidth) * 0.5f);
    MousePosition().y = static_cast<int>(-(static_cast<float>(clientY) - static_cast<float>(clientHeight) * 0.5f));
}
