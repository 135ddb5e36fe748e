#pragma once

#include <cstddef>
#include <vector>

#include "graphics/sprite_state.h"

class GraphicGL;

// A frame's particles gathered into one vertex buffer and drawn with one call, in the order
// they were added: a draw call per particle costs more than the whole frame may take.
// Each particle is a square of its transform; a round one is cut to the disc inside it.
class ParticleBatch {
public:
    ParticleBatch() = default;
    ~ParticleBatch();
    ParticleBatch(const ParticleBatch&) = delete;
    ParticleBatch& operator=(const ParticleBatch&) = delete;

    // Builds the particle program and buffers; false (with the shader's one line) without them.
    bool Init();
    void Add(const SpriteState& state, bool round);
    // Draws what was added through the renderer's view matrices, then forgets it.
    void Flush(const GraphicGL& renderer);
    size_t Count() const { return vertices_.size() / kFloatsPerParticle; }

private:
    static constexpr size_t kFloatsPerVertex = 9;  // position 2, colour 4, corner 3
    static constexpr size_t kFloatsPerParticle = 6 * kFloatsPerVertex;

    unsigned program_ = 0;
    unsigned vertexArray_ = 0;
    unsigned buffer_ = 0;
    int matrixLocations_[3] = {-1, -1, -1};
    std::vector<float> vertices_;
};
