#version 330 core
// Text: glyph quads in font units, scaled by the font size into the view. Heights are
// stretched by the view's 16:9 so glyphs keep their shape. The colour is read here and
// handed on flat, so changing it between texts leaves the fragment constants alone.
layout(location = 0) in vec4 coord;

uniform mat4 matrix;
uniform vec4 color;

out vec2 glyphCoord;
flat out vec4 textColour;

void main() {
    vec4 placed = matrix * vec4(coord.xy, 0.0, 1.0);
    gl_Position = vec4(placed.x, placed.y * (1280.0 / 720.0), placed.z, placed.w);
    glyphCoord = coord.zw;
    textColour = color;
}
