#pragma once

// The mouse relative to the centre of the window's client area, y up.
struct MousePositionData {
    int x = 0;
    int y = 0;
};

MousePositionData& MousePosition();
// From client coordinates (y down) and the client size.
void SetMousePosition(int clientX, int clientY, int clientWidth, int clientHeight);
