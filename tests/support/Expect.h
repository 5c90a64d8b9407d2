#pragma once
// Assertions the tests share: a statement that must throw GameError with the player's message,
// and near-equality of vectors, matrices and colours, element by element.
#include <gtest/gtest.h>

#include <array>
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

// Near-equality within `tolerance`, element by element: the first `count` of two indexables,
// and vectors, matrices and colours.
template <class Elements>
::testing::AssertionResult near(const Elements& got, const Elements& want, int count, double tolerance)
{
    for (int i = 0; i < count; ++i)
        if (!(std::abs(got[i] - want[i]) <= tolerance))
            return ::testing::AssertionFailure() << "element " << i << ": " << got[i] << " against " << want[i];
    return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult near(const Vector& got, const Vector& want, double tolerance = 1e-9)
{
    return near(std::array{got.x(), got.y(), got.z()}, std::array{want.x(), want.y(), want.z()}, 3, tolerance);
}

inline ::testing::AssertionResult near(const Matrix& got, const Matrix& want, double tolerance = 1e-9)
{
    return near(got, want, 16, tolerance);
}

inline ::testing::AssertionResult near(const Color& got, const Color& want, double tolerance = 1e-6)
{
    return near(std::array{got.red(), got.green(), got.blue(), got.alpha()},
                std::array{want.red(), want.green(), want.blue(), want.alpha()}, 4, tolerance);
}
