#pragma once

// Positions, velocities, forces and sizes.
template <class T>
struct Vector2D {
    T x{};
    T y{};

    Vector2D() = default;
    Vector2D(T x, T y) : x(x), y(y) {}

    Vector2D operator+(const Vector2D& o) const { return {x + o.x, y + o.y}; }
    Vector2D operator-(const Vector2D& o) const { return {x - o.x, y - o.y}; }
    Vector2D operator*(T s) const { return {x * s, y * s}; }
    Vector2D& operator+=(const Vector2D& o) { x += o.x; y += o.y; return *this; }
    Vector2D& operator-=(const Vector2D& o) { x -= o.x; y -= o.y; return *this; }
    bool operator==(const Vector2D& o) const { return x == o.x && y == o.y; }
    bool operator!=(const Vector2D& o) const { return !(*this == o); }
};

using Vec2 = Vector2D<float>;
