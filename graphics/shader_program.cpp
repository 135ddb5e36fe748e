#include "graphics/shader_program.h"

#include <cstdio>
#include <fstream>
#include <vector>

#include <epoxy/gl.h>

namespace {

// Compiler logs run over several lines; the console wants one line per fault.
std::string OneLine(std::string log) {
    for (char& c : log) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    while (!log.empty() && log.back() == ' ') log.pop_back();
    return log.empty() ? "(no log)" : log;
}

std::string ShaderLog(GLuint shader) {
    GLint length = 0;
    glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> text(static_cast<size_t>(length > 0 ? length : 1), '\0');
    glGetShaderInfoLog(shader, static_cast<GLsizei>(text.size()), nullptr, text.data());
    return OneLine(text.data());
}

std::string ProgramLog(GLuint program) {
    GLint length = 0;
    glGetProgramiv(program, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> text(static_cast<size_t>(length > 0 ? length : 1), '\0');
    glGetProgramInfoLog(program, static_cast<GLsizei>(text.size()), nullptr, text.data());
    return OneLine(text.data());
}

GLuint Compile(GLenum type, const std::string& path, const char* failure) {
    const std::string source = ReadShaderSource(path);
    if (source.empty()) {
        std::printf("%s: %s: the file is missing or empty\n", failure, path.c_str());
        return 0;
    }
    const GLuint shader = glCreateShader(type);
    const char* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint ok = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok != GL_TRUE) {
        std::printf("%s: %s: %s\n", failure, path.c_str(), ShaderLog(shader).c_str());
        glDeleteShader(shader);
        return 0;
    }
    return shader;
}

}  // namespace

std::string ReadShaderSource(const std::string& path) {
    std::ifstream in(path);
    std::string source, line;
    while (std::getline(in, line)) source += line + " \n";
    return source;
}

unsigned BuildShaderProgram(const std::string& vertexPath, const std::string& fragmentPath,
                            const ShaderMessages& messages) {
    const GLuint vertex = Compile(GL_VERTEX_SHADER, vertexPath, messages.vertexFailed);
    if (!vertex) return 0;
    const GLuint fragment = Compile(GL_FRAGMENT_SHADER, fragmentPath, messages.fragmentFailed);
    if (!fragment) {
        glDeleteShader(vertex);
        return 0;
    }
    const GLuint program = glCreateProgram();
    glAttachShader(program, vertex);
    glAttachShader(program, fragment);
    glLinkProgram(program);
    GLint ok = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (ok != GL_TRUE) {
        std::printf("%s: %s + %s: %s\n", messages.linkFailed, vertexPath.c_str(), fragmentPath.c_str(),
                    ProgramLog(program).c_str());
        glDeleteProgram(program);
        glDeleteShader(vertex);
        glDeleteShader(fragment);
        return 0;
    }
    glDetachShader(program, vertex);
    glDetachShader(program, fragment);
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    return program;
}
