// A broken shader file stops the game at start-up with one line naming it, instead of a game
// that runs on showing nothing.
#include <gtest/gtest.h>

#include "graphics_fixture.h"

namespace {

using ShaderTest = GraphicsTest;

TEST_F(ShaderTest, ABrokenShaderEndsStartUpWithOneLineNamingIt) {
    const struct {
        const char* file;
        const char* text;
        const char* message;
    } cases[] = {
        {"shader.vs", "#version 330 core\nvoid main() { gl_Position = nonsense; }\n", "Vertex shader"},
        {"shader.fs", "", "Fragment shader"},
        {"shader.fs", "#version 330 core\nout vec4 c;\nvoid paint() { c = vec4(1.0); }\n", "LinkError"},
        {"FontRender.vs", "#version 330 core\nvoid main() { oops }\n", "Compile vertex shader fail"},
        {"FontRender.fs", "#version 330 core\nvoid main() { gl_FragColor = 1; }\n", "Compile fragment shader fail"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string path = std::string("Resources/shaders/") + c.file;
        const std::string original = ReadFile(path);
        WriteFile(path, c.text);
        ResetEngine();
        platform::Uninstall();
        platform::Install(std::make_unique<platform::ScriptedBackend>(true));
        testing::internal::CaptureStdout();
        EXPECT_FALSE(StartUp());
        const std::string printed = testing::internal::GetCapturedStdout();
        size_t lines = 0;
        std::string about;
        for (size_t at = 0, next; at < printed.size(); at = next + 1) {
            next = printed.find('\n', at);
            const std::string line = printed.substr(at, next - at);
            if (line.find(c.file) != std::string::npos) {
                ++lines;
                about = line;
            }
        }
        EXPECT_EQ(1u, lines) << printed;
        EXPECT_EQ(0u, about.find(c.message)) << about;
        WriteFile(path, original);
    }
}

TEST_F(ShaderTest, TheGameEndsWithMinusOneWhenItsShadersFail) {
    WriteFile("Resources/shaders/shader.fs", "not a shader");
    platform::Install(std::make_unique<platform::ScriptedBackend>(true));
    testing::internal::CaptureStdout();
    EXPECT_EQ(-1, RunGame());
    testing::internal::GetCapturedStdout();
}

}  // namespace
