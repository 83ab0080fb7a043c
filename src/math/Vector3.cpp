#include "math/Vector3.h"

#include <cmath>

Vector3 cross(const Vector3& a, const Vector3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

void Vector3::rotate(float angle, const Vector3& axis) {
    // The axis is normalised in double precision so that very short axes (1e-30 and the like)
    // do not underflow when squared.
    double kx = axis.x;
    double ky = axis.y;
    double kz = axis.z;
    const double length = std::sqrt(kx * kx + ky * ky + kz * kz);
    if (length != 0.0) {
        const double inverse = 1.0 / length;
        kx *= inverse;
        ky *= inverse;
        kz *= inverse;
    }

    const double c = static_cast<float>(std::cos(angle));
    const double s = static_cast<float>(std::sin(angle));
    const double t = 1.0 - c;

    const double m00 = kx * kx + c * (1.0 - kx * kx);
    const double m01 = kx * ky * t - kz * s;
    const double m02 = kx * kz * t + ky * s;
    const double m10 = kx * ky * t + kz * s;
    const double m11 = ky * ky + c * (1.0 - ky * ky);
    const double m12 = ky * kz * t - kx * s;
    const double m20 = kx * kz * t - ky * s;
    const double m21 = ky * kz * t + kx * s;
    const double m22 = kz * kz + c * (1.0 - kz * kz);

    const double ox = x;
    const double oy = y;
    const double oz = z;
    x = static_cast<float>(m00 * ox + m01 * oy + m02 * oz);
    y = static_cast<float>(m10 * ox + m11 * oy + m12 * oz);
    z = static_cast<float>(m20 * ox + m21 * oy + m22 * oz);
}
