// Entry point of gl_tests: every test runs with a current off-screen GL context.
// The context is made in a GoogleTest environment, so listing the tests needs no GL.
#include "tests/support/GLContext.h"

#include <gtest/gtest.h>

namespace {
class GLEnvironment : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_TRUE(GLContext::create(640, 480)); }
    void TearDown() override { GLContext::destroy(); }
};
}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new GLEnvironment);
    return RUN_ALL_TESTS();
}
