#include "graphics/graphic_gl.h"

#include <cstdio>
#include <cstring>

#include <epoxy/gl.h>

#include "core/system_manager.h"
#include "graphics/gl_available.h"
#include "graphics/matrix_math.h"
#include "graphics/mesh.h"
#include "graphics/shader_program.h"
#include "graphics/sprite.h"
#include "graphics/texture_manager.h"

namespace {
const ShaderMessages kSpriteShaderMessages = {"Vertex shader", "Fragment shader", "LinkError"};
}

GraphicGL* FindRenderer() { return SystemManager::GetInstance().Get<GraphicGL>(GRAPHIC_GL); }

GraphicGL::GraphicGL() : ISystem(GRAPHIC_GL) {}

GraphicGL::~GraphicGL() {
    TextureManager::Destroy();
    const bool gl = GlAvailable();
    for (Mesh* mesh : meshes) {
        if (gl) mesh->Destroy();
        delete mesh;
    }
    if (gl && program) glDeleteProgram(program);
    // Sprites outlive a renderer only at shut-down; they find no renderer afterwards.
    sprites.clear();
}

bool GraphicGL::Init() {
    if (!GlAvailable()) {
        // Logic-only runs draw nothing but still know every texture's grid and animations,
        // and the camera's matrices that mouse picking reads.
        TextureManager::GetInstance().Load();
        camera.Reset();
        camera.Update();
        initialised = true;
        return true;
    }
    GLint major = 0, minor = 0;
    glGetIntegerv(GL_MAJOR_VERSION, &major);
    glGetIntegerv(GL_MINOR_VERSION, &minor);
    if (major < 3) {
        std::printf("Failed to initialize OpenGL\n");
        return false;
    }
    if (major == 3 && minor < 3) {
        std::printf("Sorry, your graphic card does not support OpenGL 3.3 or above :(\n");
        return false;
    }
    std::printf("OpenGL %s GLSL %s\n", reinterpret_cast<const char*>(glGetString(GL_VERSION)),
                reinterpret_cast<const char*>(glGetString(GL_SHADING_LANGUAGE_VERSION)));
    // Without its program the game would run on showing nothing at all.
    program = BuildShaderProgram("Resources/shaders/shader.vs", "Resources/shaders/shader.fs", kSpriteShaderMessages);
    if (!program) return false;
    SpriteLocations().winScale = glGetUniformLocation(program, "winScale");
    glUseProgram(program);
    CreateMeshes();
    camera.GetLocations(program);
    TextureManager::GetInstance().Load();
    camera.Reset();
    initialised = true;
    return true;
}

void GraphicGL::CreateMeshes() {
    for (Mesh* mesh : {Mesh::Quad(), Mesh::Circle()}) {
        mesh->Build(program);
        meshes.push_back(mesh);
    }
}

void GraphicGL::BeginFrame() const {
    if (!GlAvailable()) return;
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glUseProgram(program);
    glDisable(GL_CULL_FACE);
    glDisable(GL_DEPTH_TEST);
    // glClearBufferfv leaves Mesa's offscreen surfaces untouched; the clear colour does not.
    glClearColor(0.788f, 0.9f, 0.94f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

bool GraphicGL::Update(double) {
    if (!GlAvailable()) {
        // Nothing is drawn, but animations run as they would on screen, for the graphs that
        // watch them.
        camera.Update();
        for (Sprite* sprite : sprites) {
            if (sprite->active && sprite != topSprite) sprite->StepAnimation();
        }
        return true;
    }
    BeginFrame();
    camera.Update();
    for (Sprite* sprite : sprites) {
        if (sprite->active && sprite != topSprite) DrawSprite(*sprite);
    }
    return true;
}

void GraphicGL::DrawSprite(Sprite& sprite) const {
    sprite.StepAnimation();
    const SpriteState& state = sprite.state;
    // A mesh type from a broken file draws nothing rather than reading past the list.
    if (state.meshType < 0 || static_cast<size_t>(state.meshType) >= meshes.size()) return;
    meshes[static_cast<size_t>(state.meshType)]->Draw(state);
    if (state.isDebug) meshes[state.isCircle != 0 ? 1 : 0]->DrawOutline(state);
}

void GraphicGL::Resize(int width, int height) {
    // A minimised window reports 0 x 0: keep the last viewport rather than divide by nothing.
    if (!initialised || width <= 0 || height <= 0) return;
    if (logicalWidth <= 0 || logicalHeight <= 0) return;
    float scale3[9];
    SetIdentity3(scale3);
    scale3[0] = 2.0f / static_cast<float>(logicalWidth);
    scale3[4] = 2.0f / static_cast<float>(logicalHeight);
    float winScale[16];
    Mat3ToMat4(scale3, winScale);
    StoreMatrix(kWinScale, winScale);
    if (!GlAvailable() || !program) return;
    glViewport(0, 0, width, height);
    glUseProgram(program);
    glUniformMatrix4fv(SpriteLocations().winScale, 1, GL_FALSE, winScale);
}

void GraphicGL::AddSprite(Sprite* sprite) { sprites.push_back(sprite); }

void GraphicGL::RemoveSprite(Sprite* sprite) {
    if (topSprite == sprite) topSprite = nullptr;
    sprites.remove(sprite);
}

void GraphicGL::SetTopSprite() {
    if (!sprites.empty()) topSprite = sprites.back();
}

void GraphicGL::StoreMatrix(int slot, const float matrix[16]) {
    MatData& data = matrices[slot];
    data.dirty = true;
    std::memcpy(data.matrix, matrix, sizeof(data.matrix));
}
