// Materials under a real GL context: what is in force while each child draws, nested
// brackets restoring the enclosing material and at last GL's defaults, and scenes without a
// material leaving GL alone.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>

#include "scene/MaterialScene.h"

namespace {
using Rgba = std::array<float, 4>;

Rgba material(GLenum face, GLenum parameter)
{
    Rgba value{};
    glGetMaterialfv(face, parameter, value.data());
    return value;
}

float shininess(GLenum face)
{
    float value = -1;
    glGetMaterialfv(face, GL_SHININESS, &value);
    return value;
}

// Notes the material in force when it is drawn.
class Probe : public SceneObject {
public:
    void draw() override
    {
        frontDiffuse = material(GL_FRONT, GL_DIFFUSE);
        backDiffuse = material(GL_BACK, GL_DIFFUSE);
        frontEmission = material(GL_FRONT, GL_EMISSION);
        frontShininess = shininess(GL_FRONT);
        ++draws;
    }
    Rgba frontDiffuse{}, backDiffuse{}, frontEmission{};
    float frontShininess = -1;
    int draws = 0;
};

const Rgba defaultDiffuse{0.8f, 0.8f, 0.8f, 1.0f};
const Rgba black{0, 0, 0, 1};

struct MaterialSceneGLTest : ::testing::Test {
    // glColor would overwrite the tracked diffuse; these tests read glMaterial's own values.
    void SetUp() override { glDisable(GL_COLOR_MATERIAL); }
    void TearDown() override { glEnable(GL_COLOR_MATERIAL); }
};
}  // namespace

TEST_F(MaterialSceneGLTest, NestedMaterialsRestoreTheEnclosingOneAndFinallyTheDefaults)
{
    MaterialScene outer, inner;
    Probe inOuter, inInner;
    outer.setFrontDiffuse(1, 0, 0);
    outer.setFrontEmission(Color(0.1, 0.2, 0.3, 0.5));
    outer.setFrontShininess(20);
    inner.setFrontDiffuse(0, 1, 0);
    inner.setBackDiffuse(0, 0, 1);
    inner.setFrontShininess(60);
    outer.addChild(&inner);
    inner.addChild(&inInner);

    outer.applyMaterial();
    inner.draw();
    outer.addChild(&inOuter);
    inOuter.draw();  // after the inner restore
    outer.restoreMaterial();

    EXPECT_EQ(inInner.frontDiffuse, (Rgba{0, 1, 0, 1})) << "the inner colour inside the inner scene";
    EXPECT_EQ(inInner.backDiffuse, (Rgba{0, 0, 1, 1}));
    EXPECT_EQ(inInner.frontEmission, (Rgba{0.1f, 0.2f, 0.3f, 0.5f})) << "what the inner one does not set stays";
    EXPECT_EQ(inInner.frontShininess, 60);
    EXPECT_EQ(inOuter.frontDiffuse, (Rgba{1, 0, 0, 1})) << "the inner restore sends the outer colour again";
    EXPECT_EQ(inOuter.backDiffuse, defaultDiffuse) << "the back face had no enclosing value";
    EXPECT_EQ(inOuter.frontShininess, 20);
    EXPECT_EQ(material(GL_FRONT, GL_DIFFUSE), defaultDiffuse) << "the outermost restore sends the default";
    EXPECT_EQ(material(GL_FRONT, GL_EMISSION), black);
    EXPECT_EQ(shininess(GL_FRONT), 0);

    // The objects got their own values back: a second frame looks the same.
    outer.draw();
    EXPECT_EQ(inInner.frontDiffuse, (Rgba{0, 1, 0, 1}));
    EXPECT_EQ(inOuter.frontDiffuse, (Rgba{1, 0, 0, 1}));
    EXPECT_EQ(material(GL_FRONT, GL_DIFFUSE), defaultDiffuse);
    outer.removeChild(&inner);
    outer.removeChild(&inOuter);
    inner.removeChild(&inInner);
}

TEST_F(MaterialSceneGLTest, ASceneWithoutMaterialLeavesGLAlone)
{
    const Rgba odd{0.1f, 0.3f, 0.5f, 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, odd.data());
    MaterialScene plain;
    Probe probe;
    plain.addChild(&probe);
    plain.draw();
    EXPECT_EQ(probe.draws, 1);
    EXPECT_EQ(probe.frontDiffuse, odd);
    EXPECT_EQ(material(GL_FRONT, GL_DIFFUSE), odd);

    // Cleared colours are no longer applied.
    plain.setFrontDiffuse(1, 1, 1);
    EXPECT_TRUE(plain.hasMaterial());
    plain.clearMaterial();
    EXPECT_FALSE(plain.hasMaterial());
    plain.draw();
    EXPECT_EQ(probe.frontDiffuse, odd);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, defaultDiffuse.data());
    plain.removeChild(&probe);
}
