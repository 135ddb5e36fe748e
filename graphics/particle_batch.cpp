#include "graphics/particle_batch.h"

#include <epoxy/gl.h>

#include "graphics/gl_available.h"
#include "graphics/graphic_gl.h"
#include "graphics/matrix_math.h"
#include "graphics/shader_program.h"

namespace {
const ShaderMessages kParticleShaderMessages = {"Particle vertex shader", "Particle fragment shader",
                                                "Particle LinkError"};
// Two triangles of the unit square.
const float kCorners[6][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, -1}, {1, 1}, {-1, 1}};
}  // namespace

ParticleBatch::~ParticleBatch() {
    if (!program_ || !GlAvailable()) return;
    glDeleteBuffers(1, &buffer_);
    glDeleteVertexArrays(1, &vertexArray_);
    glDeleteProgram(program_);
}

bool ParticleBatch::Init() {
    if (program_) return true;
    program_ = BuildShaderProgram("Resources/shaders/Particle.vs", "Resources/shaders/Particle.fs",
                                  kParticleShaderMessages);
    if (!program_) return false;
    const char* names[3] = {"winScale", "simPerps", "lookAtMat"};
    for (int i = 0; i < 3; ++i) matrixLocations_[i] = glGetUniformLocation(program_, names[i]);
    glGenVertexArrays(1, &vertexArray_);
    glGenBuffers(1, &buffer_);
    glBindVertexArray(vertexArray_);
    glBindBuffer(GL_ARRAY_BUFFER, buffer_);
    const auto stride = static_cast<GLsizei>(kFloatsPerVertex * sizeof(float));
    const GLint sizes[3] = {2, 4, 3};
    size_t offset = 0;
    for (GLuint attribute = 0; attribute < 3; ++attribute) {
        glVertexAttribPointer(attribute, sizes[attribute], GL_FLOAT, GL_FALSE, stride,
                              reinterpret_cast<const void*>(offset * sizeof(float)));
        glEnableVertexAttribArray(attribute);
        offset += static_cast<size_t>(sizes[attribute]);
    }
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    return true;
}

void ParticleBatch::Add(const SpriteState& state, bool round) {
    const float* t = state.transform;
    for (const auto& corner : kCorners) {
        vertices_.insert(vertices_.end(), {t[0] * corner[0] + t[1] * corner[1] + t[2],
                                           t[3] * corner[0] + t[4] * corner[1] + t[5], state.rgba[0], state.rgba[1],
                                           state.rgba[2], state.rgba[3], corner[0], corner[1], round ? 1.0f : 0.0f});
    }
}

void ParticleBatch::Flush(const GraphicGL& renderer) {
    if (vertices_.empty()) return;
    if (program_ && GlAvailable()) {
        GLint previous = 0;
        glGetIntegerv(GL_CURRENT_PROGRAM, &previous);
        glUseProgram(program_);
        const int slots[3] = {GraphicGL::kWinScale, GraphicGL::kSimPerps, GraphicGL::kLookAtMat};
        float identity[16];
        SetIdentity4(identity);
        for (int i = 0; i < 3; ++i) {
            auto it = renderer.matrices.find(slots[i]);
            const float* matrix = it != renderer.matrices.end() ? it->second.matrix : identity;
            glUniformMatrix4fv(matrixLocations_[i], 1, GL_FALSE, matrix);
        }
        glBindVertexArray(vertexArray_);
        glBindBuffer(GL_ARRAY_BUFFER, buffer_);
        glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices_.size() * sizeof(float)), vertices_.data(),
                     GL_STREAM_DRAW);
        glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(vertices_.size() / kFloatsPerVertex));
        glBindVertexArray(0);
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        glUseProgram(static_cast<GLuint>(previous));
    }
    vertices_.clear();
}
