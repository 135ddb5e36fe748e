#include "graphics/font_manager.h"

#include <epoxy/gl.h>

#include "core/composite_factory.h"
#include "core/system_manager.h"
#include "graphics/font.h"
#include "graphics/gl_available.h"
#include "graphics/shader_program.h"

namespace {
const ShaderMessages kTextShaderMessages = {"Compile vertex shader fail", "Compile fragment shader fail",
                                            "Link shaders failed"};
}

FontManager* FindFontManager() { return SystemManager::GetInstance().Get<FontManager>(FONT_MANAGER); }

FontManager::FontManager() : ISystem(FONT_MANAGER) {}

FontManager::~FontManager() {
    if (program && GlAvailable()) glDeleteProgram(program);
}

bool FontManager::Init() {
    if (auto* factory = SystemManager::GetInstance().Get<CompositeFactory>(COMPOSITE_FACTORY)) {
        factory->AddComponentCreator("Font", new GameComponentCreatorType<Font>(FONT));
    }
    if (!GlAvailable()) return true;
    program = BuildShaderProgram("Resources/shaders/FontRender.vs", "Resources/shaders/FontRender.fs",
                                 kTextShaderMessages);
    return program != 0;
}

bool FontManager::Update(double) {
    // Without a program the texts still format and forget their request, drawing nothing.
    const bool drawing = program != 0 && GlAvailable();
    GLint previous = 0;
    if (drawing) {
        glGetIntegerv(GL_CURRENT_PROGRAM, &previous);
        glUseProgram(program);
    }
    for (Font* font : fonts) {
        if (font->active) font->Draw();
    }
    if (drawing) glUseProgram(static_cast<GLuint>(previous));
    return true;
}
