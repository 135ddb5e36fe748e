#pragma once

// The small matrix kit of the renderer. 2-D transforms are 3x3 matrices stored row by row
// (translation in elements 2 and 5); GL matrices are 4x4 stored column by column, ready for
// glUniformMatrix4fv without transposing.
using Mat3 = float[9];
using Mat4 = float[16];

struct Vec3 {
    float x = 0;
    float y = 0;
    float z = 0;
};

void SetIdentity3(float out[9]);
void SetIdentity4(float out[16]);
// Widens a 2-D transform so that it acts on (x, y, z, w) with z passed through.
void Mat3ToMat4(const float in[9], float out[16]);
void Copy4(const float in[16], float out[16]);
// Diagonal (x, y, z, 1).
void Scale4(const Vec3& scale, float out[16]);
// out = left x right; out may alias either operand.
void Multiply3(const float left[9], const float right[9], float out[9]);
// Translation x rotation (degrees, counter-clockwise) x scale.
void BuildModelMatrix(float out[9], float x, float y, float scaleX, float scaleY, float degrees);

Vec3 Negate(const Vec3& v);
Vec3 Subtract(const Vec3& a, const Vec3& b);
Vec3 Cross(const Vec3& a, const Vec3& b);
float Dot(const Vec3& a, const Vec3& b);
// A zero vector stays zero rather than turning into NaNs.
Vec3 Normalise(const Vec3& v);
