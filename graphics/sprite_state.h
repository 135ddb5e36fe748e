#pragma once

// What one draw of a mesh needs: the renderer draws a sprite from it, and the particles draw
// each particle from one.
struct SpriteState {
    bool isDebug = false;    // also draw the outline of the physics shape
    bool isTexture = false;  // sample the texture; else a flat rgba fill
    int isCircle = 0;        // set by physics: the outline is a circle of `radius`
    int meshType = 0;        // 0 quad, 1 circle
    unsigned textureId = 0;  // 0 means no animation
    unsigned animId = 0;
    unsigned currentFrame = 0;  // sheet cell: row = frame / cols, column = frame % cols
    unsigned frameTick = 0;     // drawn frames since the last cell change
    float rgba[4] = {1, 1, 1, 1};
    float u = 0;  // one sheet cell in texture coordinates
    float v = 0;
    float radius = 0;
    float transform[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};  // model matrix, rows
    float scaleMat[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};   // applied after transform
};
