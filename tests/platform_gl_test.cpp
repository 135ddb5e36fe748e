// Pixel tests all over the engine rest on the scripted backend giving a real, current GL 3.3
// core context with no desktop, and on it coming back cleanly after each test drops it.
#include <epoxy/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "platform/scripted_backend.h"

namespace platform {
namespace {

std::array<int, 4> ClearAndRead(float r, float g, float b) {
    glClearColor(r, g, b, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    std::array<unsigned char, 4> pixel{};
    glReadPixels(10, 10, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel.data());
    return {pixel[0], pixel[1], pixel[2], pixel[3]};
}

TEST(PlatformGl, OffscreenContextIsCoreThreeThreeAndReallyRenders) {
    ScriptedBackend backend(true);
    Display& display = backend.GetDisplay();
    ASSERT_TRUE(display.Open("Bramblecourt", 1280, 720));
    ASSERT_TRUE(display.HasGl());

    GLint major = 0, minor = 0, profile = 0;
    glGetIntegerv(GL_MAJOR_VERSION, &major);
    glGetIntegerv(GL_MINOR_VERSION, &minor);
    glGetIntegerv(GL_CONTEXT_PROFILE_MASK, &profile);
    EXPECT_GE(major * 10 + minor, 33);
    EXPECT_NE(profile & GL_CONTEXT_CORE_PROFILE_BIT, 0);

    EXPECT_EQ(ClearAndRead(0.788f, 0.9f, 0.94f), (std::array<int, 4>{201, 230, 240, 255}));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    display.Present();

    GLint depthBits = 0, stencilBits = 0;
    glGetFramebufferAttachmentParameteriv(GL_DRAW_FRAMEBUFFER, GL_DEPTH,
                                          GL_FRAMEBUFFER_ATTACHMENT_DEPTH_SIZE, &depthBits);
    glGetFramebufferAttachmentParameteriv(GL_DRAW_FRAMEBUFFER, GL_STENCIL,
                                          GL_FRAMEBUFFER_ATTACHMENT_STENCIL_SIZE, &stencilBits);
    EXPECT_GE(depthBits, 24);
    EXPECT_GE(stencilBits, 8);
}

TEST(PlatformGl, FullScreenRequestLeavesTheFrameSizeAlone) {
    ScriptedBackend backend(true);
    Display& display = backend.GetDisplay();
    ASSERT_TRUE(display.Open("Bramblecourt", 1280, 720));
    display.SetFullScreen(true);
    display.Present();
    EXPECT_EQ(backend.FullScreenRequests(), std::vector<bool>{true});

    int w = 0, h = 0;
    ASSERT_TRUE(display.GetClientSize(w, h));
    EXPECT_EQ(w, 1280);
    EXPECT_EQ(h, 720);
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 1280);
    EXPECT_EQ(viewport[3], 720);
}

TEST(PlatformGl, BackendsCanBeMadeAndDroppedOneAfterAnother) {
    const float shades[] = {0.0f, 1.0f, 0.5f, 0.25f};
    for (float shade : shades) {
        ScriptedBackend backend(true);
        ASSERT_TRUE(backend.GetDisplay().Open("Bramblecourt", 1280, 720)) << "shade " << shade;
        ASSERT_TRUE(backend.GetDisplay().HasGl());
        const std::array<int, 4> pixel = ClearAndRead(shade, shade, shade);
        const int expected = static_cast<int>(shade * 255.0f + 0.5f);
        EXPECT_NEAR(pixel[0], expected, 1) << "shade " << shade;
        EXPECT_NEAR(pixel[2], expected, 1) << "shade " << shade;
        backend.GetDisplay().Present();
    }
}

TEST(PlatformGl, ReopeningAfterCloseOnTheSameBackendWorks) {
    ScriptedBackend backend(true);
    Display& display = backend.GetDisplay();
    ASSERT_TRUE(display.Open("Bramblecourt", 1280, 720));
    display.Close();
    EXPECT_FALSE(display.HasGl());
    ASSERT_TRUE(display.Open("Bramblecourt", 640, 480));
    EXPECT_TRUE(display.HasGl());
    int w = 0, h = 0;
    ASSERT_TRUE(display.GetClientSize(w, h));
    EXPECT_EQ(w, 640);
    EXPECT_EQ(h, 480);
    EXPECT_EQ(ClearAndRead(0.788f, 0.9f, 0.94f), (std::array<int, 4>{201, 230, 240, 255}));
}

}  // namespace
}  // namespace platform
