#include "graphics/particle_obj.h"

#include "graphics/matrix_math.h"

namespace {
// More than any jittered alpha: gone after one step.
constexpr float kFadeAtOnce = 1.0e6f;
}  // namespace

ParticleObj::ParticleObj() { BuildModelMatrix(state.transform, x, y, scaleX, scaleY, rotation); }

float FadeForLife(float life) { return life > 0 ? 1.0f / life : kFadeAtOnce; }
