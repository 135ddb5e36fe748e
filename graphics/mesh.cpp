#include "graphics/mesh.h"

#include <cmath>

#include <epoxy/gl.h>

#include "graphics/matrix_math.h"
#include "graphics/texture_manager.h"

SpriteProgramLocations& SpriteLocations() {
    static SpriteProgramLocations locations;
    return locations;
}

Mesh* Mesh::Quad() {
    auto* mesh = new Mesh();
    mesh->vertexCount = 4;
    mesh->positions = {{-1, 1}, {-1, -1}, {1, -1}, {1, 1}};
    mesh->colours.assign(4, {1, 1, 1, 1});
    mesh->uvs = {{0, 1}, {0, 0}, {1, 0}, {1, 1}};
    return mesh;
}

Mesh* Mesh::Circle() {
    auto* mesh = new Mesh();
    mesh->vertexCount = 72;
    for (int i = 0; i < 72; ++i) {
        const float angle = static_cast<float>(i) * 0.08726638555526733f;  // 5 degrees
        const float c = std::cos(angle);
        const float s = std::sin(angle);
        mesh->positions.push_back({c, s});
        mesh->colours.push_back({1, 0, 0, 1});
        mesh->uvs.push_back({c * 0.5f + 0.5f, s * 0.5f + 0.5f});
    }
    return mesh;
}

namespace {
void UploadAttribute(GLuint buffer, GLuint attribute, GLint components, const void* data, size_t bytes) {
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(bytes), data, GL_STATIC_DRAW);
    glVertexAttribPointer(attribute, components, GL_FLOAT, GL_FALSE, 0, nullptr);
    glEnableVertexAttribArray(attribute);
}
}  // namespace

bool Mesh::Build(unsigned program) {
    if (built) return false;
    SpriteProgramLocations& at = SpriteLocations();
    at.modelMat = glGetUniformLocation(program, "modelMat");
    at.isTexture = glGetUniformLocation(program, "isTexture");
    at.uvDiff = glGetUniformLocation(program, "uvDiff");
    at.rgba = glGetUniformLocation(program, "rgba");
    at.rowNum = glGetUniformLocation(program, "rowNum");
    at.colNum = glGetUniformLocation(program, "colNum");
    at.atlasRect = glGetUniformLocation(program, "atlasRect");

    const size_t count = static_cast<size_t>(vertexCount);
    glGenVertexArrays(1, &vertexArray);
    glBindVertexArray(vertexArray);
    glGenBuffers(3, buffers);
    UploadAttribute(buffers[0], 0, 2, positions.data(), count * sizeof(Vec2));
    UploadAttribute(buffers[1], 1, 4, colours.data(), count * sizeof(float) * 4);
    UploadAttribute(buffers[2], 2, 2, uvs.data(), count * sizeof(Vec2));
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    built = true;
    return true;
}

void Mesh::Draw(const SpriteState& state) const {
    const SpriteProgramLocations& at = SpriteLocations();
    glBindVertexArray(vertexArray);
    float model[9];
    Multiply3(state.transform, state.scaleMat, model);
    float model4[16];
    Mat3ToMat4(model, model4);
    glUniformMatrix4fv(at.modelMat, 1, GL_FALSE, model4);
    glUniform4fv(at.rgba, 1, state.rgba);
    if (state.isTexture) {
        const TextureData* texture = TextureManager::GetInstance().Find(state.textureId);
        if (!texture) {
            glBindVertexArray(0);
            return;
        }
        const unsigned cols = static_cast<unsigned>(texture->cols);
        // Left bound after the draw: most sprites share an atlas page, and rebinding the
        // same texture costs nothing.
        glBindTexture(GL_TEXTURE_2D, texture->texture);
        glUniform4f(at.atlasRect, texture->atlas.x, texture->atlas.y, texture->atlas.width, texture->atlas.height);
        glUniform2f(at.uvDiff, state.u, state.v);
        glUniform1i(at.rowNum, static_cast<GLint>(state.currentFrame / cols));
        glUniform1i(at.colNum, static_cast<GLint>(state.currentFrame % cols));
        glUniform1i(at.isTexture, 1);
    } else {
        glUniform1i(at.isTexture, 0);
    }
    glDrawArrays(GL_TRIANGLE_FAN, 0, vertexCount);
    glBindVertexArray(0);
}

void Mesh::DrawOutline(const SpriteState& state) const {
    const SpriteProgramLocations& at = SpriteLocations();
    glBindVertexArray(vertexArray);
    float model4[16];
    Mat3ToMat4(state.transform, model4);
    if (state.isCircle != 0) {
        model4[0] = state.radius;
        model4[5] = state.radius;
    }
    glUniformMatrix4fv(at.modelMat, 1, GL_FALSE, model4);
    glUniform1i(at.isTexture, 0);
    glDrawArrays(GL_LINE_LOOP, 0, vertexCount);
    glBindVertexArray(0);
}

void Mesh::Destroy() {
    if (!built) return;
    glDeleteBuffers(3, buffers);
    glDeleteVertexArrays(1, &vertexArray);
    vertexArray = 0;
    built = false;
}
