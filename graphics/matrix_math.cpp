#include "graphics/matrix_math.h"

#include <cmath>
#include <cstring>

void SetIdentity3(float out[9]) {
    for (int i = 0; i < 9; ++i) out[i] = (i % 4 == 0) ? 1.0f : 0.0f;
}

void SetIdentity4(float out[16]) {
    for (int i = 0; i < 16; ++i) out[i] = (i % 5 == 0) ? 1.0f : 0.0f;
}

void Mat3ToMat4(const float in[9], float out[16]) {
    std::memset(out, 0, 16 * sizeof(float));
    out[0] = in[0];
    out[1] = in[3];
    out[2] = in[6];
    out[4] = in[1];
    out[5] = in[4];
    out[6] = in[7];
    out[10] = 1.0f;
    out[12] = in[2];
    out[13] = in[5];
    out[15] = 1.0f;
}

void Copy4(const float in[16], float out[16]) { std::memmove(out, in, 16 * sizeof(float)); }

void Scale4(const Vec3& scale, float out[16]) {
    SetIdentity4(out);
    out[0] = scale.x;
    out[5] = scale.y;
    out[10] = scale.z;
}

void Multiply3(const float left[9], const float right[9], float out[9]) {
    float result[9];
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            float sum = 0;
            for (int k = 0; k < 3; ++k) sum += left[row * 3 + k] * right[k * 3 + col];
            result[row * 3 + col] = sum;
        }
    }
    std::memcpy(out, result, sizeof(result));
}

void BuildModelMatrix(float out[9], float x, float y, float scaleX, float scaleY, float degrees) {
    const float radians = degrees / 180.0f * 3.1415927f;
    const float c = std::cos(radians);
    const float s = std::sin(radians);
    // T x R x S written out: the rotation's columns scaled, the translation in the last column.
    const float matrix[9] = {c * scaleX, -s * scaleY, x,  //
                             s * scaleX, c * scaleY,  y,  //
                             0.0f,       0.0f,        1.0f};
    std::memcpy(out, matrix, sizeof(matrix));
}

Vec3 Negate(const Vec3& v) { return {-v.x, -v.y, -v.z}; }

Vec3 Subtract(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

Vec3 Cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vec3 Normalise(const Vec3& v) {
    const float length = std::sqrt(Dot(v, v));
    if (length == 0.0f) return v;
    return {v.x / length, v.y / length, v.z / length};
}
