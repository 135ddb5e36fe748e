#version 330 core
// Particles: a whole frame of them in one draw, already placed in the level, each corner
// with its particle's colour.
layout(location = 0) in vec2 position;
layout(location = 1) in vec4 colour;
layout(location = 2) in vec3 corner;  // x, y in -1..1; z is 1 for a round particle

uniform mat4 winScale;
uniform mat4 simPerps;
uniform mat4 lookAtMat;

out vec3 local;
flat out vec4 tint;

void main() {
    // As for sprites: the camera's position is in world units.
    vec4 clip = winScale * simPerps * lookAtMat * vec4(position, 0.0, 1.0);
    gl_Position = vec4(clip.xy, 0.0, clip.w);
    local = corner;
    tint = colour;
}
