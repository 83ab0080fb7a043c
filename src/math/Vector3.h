#pragma once

// Three single-precision components; the one vector type of the program.
struct Vector3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    Vector3() = default;
    constexpr Vector3(float xValue, float yValue, float zValue) : x(xValue), y(yValue), z(zValue) {}

    Vector3 operator+(const Vector3& b) const { return {x + b.x, y + b.y, z + b.z}; }
    Vector3 operator*(float s) const { return {x * s, y * s, z * s}; }

    Vector3& operator+=(const Vector3& b) {
        x += b.x;
        y += b.y;
        z += b.z;
        return *this;
    }

    Vector3& operator-=(const Vector3& b) {
        x -= b.x;
        y -= b.y;
        z -= b.z;
        return *this;
    }

    // Turns this vector by angle radians about axis (right-hand rule). The axis need not be
    // unit length; an all-zero axis scales the vector by cos(angle) instead of turning it.
    void rotate(float angle, const Vector3& axis);
};

Vector3 cross(const Vector3& a, const Vector3& b);
