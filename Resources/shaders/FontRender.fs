#version 330 core
// Text: the glyph's coverage as the opacity of the text colour.
in vec2 glyphCoord;
flat in vec4 textColour;

uniform sampler2D glyph;

out vec4 fragColour;

void main() {
    fragColour = vec4(textColour.rgb, textColour.a * texture(glyph, glyphCoord).r);
}
