#version 330 core
// Sprites: a mesh through its model matrix, the window scale, the camera and the projection.
// Every per-sprite value is read here and handed on flat: software renderers copy the whole
// fragment constant buffer each time one of its values changes between draws.
layout(location = 0) in vec2 position;
layout(location = 1) in vec4 colour;
layout(location = 2) in vec2 texCoord;

uniform mat4 winScale;
uniform mat4 simPerps;
uniform mat4 lookAtMat;
uniform mat4 modelMat;
uniform vec4 rgba;
uniform int isTexture;
uniform vec2 uvDiff;
uniform int rowNum;
uniform int colNum;
uniform vec4 atlasRect;  // where the image lies in its atlas page: x, y, width, height

out vec2 sheetCoord;
flat out vec4 tint;
flat out int textured;
flat out vec4 imageRect;

void main() {
    // The window scale comes last, so the camera's position is in world units like everything
    // the camera looks at. The projection divides by the eye's distance beyond the view plane
    // (Camera::WorldUnitsPerPixel), 1 at the default eye: one world unit per logical pixel.
    vec4 clip = winScale * simPerps * lookAtMat * modelMat * vec4(position, 0.0, 1.0);
    // Depth plays no part in a flat view: keep every sprite clear of the near plane.
    gl_Position = vec4(clip.xy, 0.0, clip.w);
    // Cells count from the top-left of the sheet; image rows arrive bottom first.
    sheetCoord = vec2((float(colNum) + texCoord.x) * uvDiff.x,
                      1.0 - (float(rowNum) + 1.0 - texCoord.y) * uvDiff.y);
    tint = rgba;
    textured = isTexture;
    imageRect = atlasRect;
}
