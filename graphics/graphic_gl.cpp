#include "graphics/graphic_gl.h"

#include <cstdio>

#include <epoxy/gl.h>

#include "platform/platform.h"

GraphicGL::GraphicGL() : ISystem(GRAPHIC_GL) {}

bool GraphicGL::Init() {
    if (!platform::Current().GetDisplay().HasGl()) {
        initialised = true;  // logic-only runs draw nothing
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
    initialised = true;
    return true;
}

void GraphicGL::BeginFrame() const {
    if (!platform::Current().GetDisplay().HasGl()) return;
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
    BeginFrame();
    return true;
}

void GraphicGL::Resize(int width, int height) {
    // A minimised window reports 0 x 0: keep the last viewport rather than divide by nothing.
    if (!initialised || width <= 0 || height <= 0) return;
    if (!platform::Current().GetDisplay().HasGl()) return;
    glViewport(0, 0, width, height);
}
