#pragma once

#include <array>
#include <vector>

#include "core/vector2d.h"
#include "graphics/sprite_state.h"

// Where the sprite program takes its uniforms; one set for the whole process, filled by the
// renderer's start-up and by building a mesh.
struct SpriteProgramLocations {
    int winScale = -1;
    int modelMat = -1;
    int isTexture = -1;
    int uvDiff = -1;
    int rgba = -1;
    int rowNum = -1;
    int colNum = -1;
    int atlasRect = -1;
};
SpriteProgramLocations& SpriteLocations();

// A shape drawn as one triangle fan: positions, colours and texture coordinates per vertex.
class Mesh {
public:
    // The unit quad from (-1, -1) to (1, 1) and the unit circle of 72 vertices.
    static Mesh* Quad();
    static Mesh* Circle();

    // Uploads the vertices; false when already built.
    bool Build(unsigned program);
    // The state's colour or texture cell through its transform and scale. A textured state
    // whose texture id names no texture draws nothing.
    void Draw(const SpriteState& state) const;
    // The outline of the physics shape: the transform only, a circle of the state's radius.
    void DrawOutline(const SpriteState& state) const;
    void Destroy();

    int vertexCount = 0;
    std::vector<Vec2> positions;
    std::vector<std::array<float, 4>> colours;
    std::vector<Vec2> uvs;
    bool built = false;
    unsigned vertexArray = 0;
    unsigned buffers[3] = {0, 0, 0};
};
