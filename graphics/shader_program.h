#pragma once

#include <string>

// What a program's failures are called in the console.
struct ShaderMessages {
    const char* vertexFailed;
    const char* fragmentFailed;
    const char* linkFailed;
};

// Each line of the file followed by " \n"; empty when the file cannot be read.
std::string ReadShaderSource(const std::string& path);

// Compiles and links the two shader files. On a failure prints one line (the message, the
// file and the compiler's log folded onto that line) and returns 0, leaving no GL object
// behind.
unsigned BuildShaderProgram(const std::string& vertexPath, const std::string& fragmentPath,
                            const ShaderMessages& messages);
