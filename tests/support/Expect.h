#pragma once
// Assertions the tests share: a statement that must throw GameError with the player's message,
// and near-equality of vectors, matrices and colours, element by element.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "scene/Color.h"
#include "scene/GameError.h"
#include "scene/Matrix.h"
#include "scene/Vector.h"

// The message a statement throws as GameError, "(no error)" if it throws none.
#define GAME_ERROR_OF(statement)               \
    [&]() -> std::string {                     \
        try {                                  \
            statement;                         \
        } catch (const GameError& gameError) { \
            return gameError.what();           \
        }                                      \
        return "(no error)";                   \
    }()

#define EXPECT_GAME_ERROR(statement, message) EXPECT_EQ(GAME_ERROR_OF(statement), std::string(message)) << #statement

namespace testing_near {
template <class Elements>
::testing::AssertionResult near(const Elements& got, const Elements& want, int count, double tolerance)
{
    for (int i = 0; i < count; ++i)
        if (!(std::abs(got(i) - want(i)) <= tolerance))
            return ::testing::AssertionFailure() << "element " << i << ": " << got(i) << " against " << want(i);
    return ::testing::AssertionSuccess();
}
}  // namespace testing_near

inline ::testing::AssertionResult near(const Vector& got, const Vector& want, double tolerance = 1e-9)
{
    const auto element = [](const Vector& v) {
        return [&v](int i) { return i == 0 ? v.x() : i == 1 ? v.y() : v.z(); };
    };
    return testing_near::near(element(got), element(want), 3, tolerance);
}

inline ::testing::AssertionResult near(const Matrix& got, const Matrix& want, double tolerance = 1e-9)
{
    const auto element = [](const Matrix& m) { return [&m](int i) { return m[i]; }; };
    return testing_near::near(element(got), element(want), 16, tolerance);
}

inline ::testing::AssertionResult near(const Color& got, const Color& want, double tolerance = 1e-6)
{
    const auto element = [](const Color& c) {
        return [&c](int i) { return i == 0 ? c.red() : i == 1 ? c.green() : i == 2 ? c.blue() : c.alpha(); };
    };
    return testing_near::near(element(got), element(want), 4, tolerance);
}
