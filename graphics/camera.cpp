#include "graphics/camera.h"

#include <epoxy/gl.h>

#include "graphics/gl_available.h"
#include "graphics/graphic_gl.h"

void Camera::GetLocations(unsigned program) {
    program_ = program;
    lookAtLocation = glGetUniformLocation(program, "lookAtMat");
    simPerpsLocation = glGetUniformLocation(program, "simPerps");
}

void Camera::Reset() {
    dirty = true;
    eye = {0, 0, 2};
    target = {0, 0, 0};
    up = {0, 1, 0};
    SetIdentity4(simPerps);
    simPerps[11] = -1.0f;  // w = -z of eye space less the view plane: the eye distance beyond it
    simPerps[15] = -kViewPlaneDistance;
    Upload(simPerpsLocation, simPerps, GraphicGL::kSimPerps);
}

void Camera::Update() {
    if (!dirty) return;
    dirty = false;
    const Vec3 d = Subtract(eye, target);
    const Vec3 f = Normalise(d);
    const Vec3 s = Normalise(Cross(up, f));
    const Vec3 u = Normalise(Cross(f, s));
    const float matrix[16] = {s.x, u.x, f.x, 0,  //
                              s.y, u.y, f.y, 0,  //
                              s.z, u.z, f.z, 0,  //
                              -Dot(s, d), -Dot(u, d), -Dot(f, d), 1};
    Copy4(matrix, lookAt);
    Upload(lookAtLocation, lookAt, GraphicGL::kLookAtMat);
}

void Camera::SetPosition(float x, float y) {
    simPerps[12] = -x;
    simPerps[13] = -y;
    Upload(simPerpsLocation, simPerps, GraphicGL::kSimPerps);
}

void Camera::Upload(int location, const float matrix[16], int slot) {
    if (renderer_) renderer_->StoreMatrix(slot, matrix);
    if (!program_ || !GlAvailable()) return;
    // Level loading pans the camera while another program may be in use.
    GLint current = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    if (static_cast<GLuint>(current) != program_) glUseProgram(program_);
    glUniformMatrix4fv(location, 1, GL_FALSE, matrix);
    if (static_cast<GLuint>(current) != program_) glUseProgram(static_cast<GLuint>(current));
}
