// Comparison helpers shared by the 3D view's math and mesh tests; each
// failure names the values involved.
#pragma once

#include <gtest/gtest.h>

#include "render/Matrix4.h"
#include "render/Vector3.h"

inline ::testing::AssertionResult Near(const Vector3& actual, const Vector3& expected,
                                       float tolerance = 1e-5f) {
    if (Length(actual - expected) <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << actual.x << ", " << actual.y << ", " << actual.z << ") is not (" << expected.x
           << ", " << expected.y << ", " << expected.z << ")";
}

inline ::testing::AssertionResult Near(const Matrix4& actual, const Matrix4& expected,
                                       float tolerance = 1e-5f) {
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            const float a = actual.m[row][column], e = expected.m[row][column];
            if (!(std::fabs(a - e) <= tolerance)) {
                return ::testing::AssertionFailure() << "element [" << row << "][" << column
                                                     << "] is " << a << ", expected " << e;
            }
        }
    }
    return ::testing::AssertionSuccess();
}
