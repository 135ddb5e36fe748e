#pragma once

#include "graphics/matrix_math.h"

class GraphicGL;

// How far in front of the eye the logical view lies. The projection divides by the eye
// distance less this, so the default eye, twice as far off, shows one world unit per logical
// pixel; drawing and mouse picking both derive their scale from it.
constexpr float kViewPlaneDistance = 1.0f;

// The view: a look-at matrix from eye, target and up, and a projection that divides by the
// eye's distance beyond the view plane and pans the whole view by the camera position.
class Camera {
public:
    explicit Camera(GraphicGL* renderer = nullptr) : renderer_(renderer) {
        SetIdentity4(simPerps);
        SetIdentity4(lookAt);
    }

    void GetLocations(unsigned program);
    // The default eye at (0, 0, 2) looking at the origin, and the projection without a pan.
    void Reset();
    // Rebuilds and uploads the look-at matrix when the eye moved.
    void Update();
    // Pans the whole view; uploaded at once.
    void SetPosition(float x, float y);
    // The world units one logical pixel spans: 1 at the default eye.
    float WorldUnitsPerPixel() const { return -lookAt[14] - kViewPlaneDistance; }

    int lookAtLocation = -1;
    int simPerpsLocation = -1;
    bool dirty = false;
    Vec3 up;
    Vec3 target;
    Vec3 eye;
    float simPerps[16];
    float lookAt[16];

private:
    void Upload(int location, const float matrix[16], int slot);

    GraphicGL* renderer_;
    unsigned program_ = 0;
};
