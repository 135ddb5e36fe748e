#version 330 core
// Particles: a flat fill, cut to a disc for round ones.
in vec3 local;
flat in vec4 tint;

out vec4 fragColour;

void main() {
    if (local.z > 0.5 && dot(local.xy, local.xy) > 1.0) discard;
    fragColour = tint;
}
