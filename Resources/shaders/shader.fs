#version 330 core
// Sprites: one sheet cell tinted by the sprite's colour, or a flat fill of that colour.
in vec2 sheetCoord;
flat in vec4 tint;
flat in int textured;
flat in vec4 imageRect;

uniform sampler2D sheet;

out vec4 fragColour;

void main() {
    if (textured == 1) {
        // fract repeats a tiled image within its own place in the page.
        vec2 inImage = fract(sheetCoord);
        fragColour = texture(sheet, imageRect.xy + inImage * imageRect.zw) * tint;
    } else {
        fragColour = tint;
    }
}
