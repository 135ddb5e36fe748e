#pragma once

#include "core/system.h"

// The renderer: checks the OpenGL version and maps the logical 1280 by 720 view onto the
// window's client area.
class GraphicGL : public ISystem {
public:
    GraphicGL();
    bool Init() override;
    bool Update(double dt) override;
    void Resize(int width, int height);
    // The render state every frame starts from, and the background clear.
    void BeginFrame() const;

    bool initialised = false;
    int logicalWidth = 0;
    int logicalHeight = 0;
    unsigned program = 0;
};
