// Lights and materials under a real GL context: background lights add up in the global
// ambient while they shine (on and in use, each change counted once), the eight light slots
// (a ninth light never takes or frees one), positions and directions in root coordinates,
// colours that reach GL at the next enable, and nested materials that restore what enclosed
// them.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

#include "scene/BackgroundLight.h"
#include "scene/DirectionalSceneLightSource.h"
#include "scene/MaterialScene.h"
#include "scene/PositionalSceneLightSource.h"

namespace {
using Rgba = std::array<float, 4>;

Rgba ambientModel()
{
    Rgba value{};
    glGetFloatv(GL_LIGHT_MODEL_AMBIENT, value.data());
    return value;
}

Rgba lightValue(GLenum light, GLenum parameter)
{
    Rgba value{};
    glGetLightfv(light, parameter, value.data());
    return value;
}

Rgba material(GLenum face, GLenum parameter)
{
    Rgba value{};
    glGetMaterialfv(face, parameter, value.data());
    return value;
}

void expectNear(const Rgba& got, const Rgba& want)
{
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(got[i], want[i], 1e-5) << "component " << i;
}

std::vector<std::unique_ptr<DirectionalSceneLightSource>> makeLights(int count)
{
    std::vector<std::unique_ptr<DirectionalSceneLightSource>> lights;
    for (int i = 0; i < count; ++i) lights.push_back(std::make_unique<DirectionalSceneLightSource>(1, 1, 1));
    return lights;
}

// Notes the material in force when it is drawn.
class Probe : public SceneObject {
public:
    void draw() override
    {
        frontDiffuse = material(GL_FRONT, GL_DIFFUSE);
        backDiffuse = material(GL_BACK, GL_DIFFUSE);
        frontEmission = material(GL_FRONT, GL_EMISSION);
        frontShininess = material(GL_FRONT, GL_SHININESS)[0];
    }
    Rgba frontDiffuse{}, backDiffuse{}, frontEmission{};
    float frontShininess = -1;
};

const Rgba defaultDiffuse{0.8f, 0.8f, 0.8f, 1.0f};

struct MaterialSceneGLTest : ::testing::Test {
    // glColor would overwrite the tracked diffuse; these tests read glMaterial's own values.
    void SetUp() override { glDisable(GL_COLOR_MATERIAL); }
    void TearDown() override
    {
        glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, defaultDiffuse.data());
        glEnable(GL_COLOR_MATERIAL);
    }
};
}  // namespace

TEST(LightGLTest, BackgroundLightsAddUpInTheGlobalAmbientWhileTheyShine)
{
    {
        BackgroundLight grey(0.1, 0.1, 0.1), red(0.2, 0.0, 0.0), dark(0.0, 0.0, 0.4);
        EXPECT_TRUE(grey.isOn() && !grey.isActive()) << "a new light is on but not in use";
        dark.switchOff();
        dark.activate();  // switched off before use: stays dark, and its end takes nothing
        grey.activate();
        grey.activate();  // already in use: counted once
        red.activate();
        expectNear(ambientModel(), {0.3f, 0.1f, 0.1f, 1});
        grey.deactivate();
        expectNear(ambientModel(), {0.2f, 0, 0, 1});
        grey.toggle();  // off while not in use: only the switch moves
        EXPECT_FALSE(grey.isOn());
        grey.activate();
        expectNear(ambientModel(), {0.2f, 0, 0, 1});
        red.switchOff();
        expectNear(ambientModel(), {0, 0, 0, 1});
        red.switchOff();
        red.toggle();
        expectNear(ambientModel(), {0.2f, 0, 0, 1});
        dark.deactivate();
        expectNear(ambientModel(), {0.2f, 0, 0, 1});
    }
    expectNear(ambientModel(), {0, 0, 0, 1});  // destroyed lights give their share back
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, Rgba{0.2f, 0.2f, 0.2f, 1}.data());
}

TEST(LightGLTest, LightsTakeTheLowestFreeSlotAndANinthNeitherTakesNorFreesOne)
{
    auto lights = makeLights(8);
    for (int i = 0; i < 3; ++i) lights[i]->activate();
    lights[1]->switchOff();
    EXPECT_FALSE(glIsEnabled(GL_LIGHT1));
    EXPECT_EQ(lights[1]->getLightNumber(), 0u);
    lights[3]->activate();
    EXPECT_EQ(lights[3]->getLightNumber(), unsigned(GL_LIGHT1));
    lights[1]->switchOn();
    for (int i = 4; i < 8; ++i) lights[i]->activate();
    const unsigned expected[8] = {0, 3, 2, 1, 4, 5, 6, 7};  // who holds each slot
    for (int slot = 0; slot < 8; ++slot) {
        EXPECT_EQ(lights[expected[slot]]->getLightNumber(), unsigned(GL_LIGHT0 + slot)) << slot;
        EXPECT_TRUE(glIsEnabled(GL_LIGHT0 + slot));
    }
    const Rgba diffuseOfFirst = lightValue(GL_LIGHT0, GL_DIFFUSE);

    DirectionalSceneLightSource ninth(1, 0, 0);
    ninth.activate();
    EXPECT_EQ(ninth.getLightNumber(), 0u);
    EXPECT_EQ(lightValue(GL_LIGHT0, GL_DIFFUSE), diffuseOfFirst) << "it sent nothing to another light";
    ninth.calculateLater({0, 0});
    ninth.deactivate();
    for (int i = 0; i < 8; ++i) EXPECT_TRUE(glIsEnabled(GL_LIGHT0 + i)) << "light " << i;
    lights[5]->deactivate();
    ninth.activate();
    EXPECT_EQ(ninth.getLightNumber(), unsigned(GL_LIGHT5));
}

TEST(LightGLTest, DirectionsAndPositionsAreInRootCoordinatesAndColoursReachGLAtTheNextEnable)
{
    Scene root;  // stands for the scene graph: the top of its tree
    DirectionalSceneLightSource sun(1, 1, 1);
    sun.setRotation(90, 1, 0, 0);
    sun.setAmbient(0.1f, 0.2f, 0.3f);
    root.addChild(&sun);
    // Whatever the modelview holds when the light is switched on, its direction is the root's.
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixd(Matrix::translation(5, 6, 7).data());
    sun.activate();
    expectNear(lightValue(sun.getLightNumber(), GL_POSITION), {0, -1, 0, 0});
    expectNear(lightValue(sun.getLightNumber(), GL_AMBIENT), {0.1f, 0.2f, 0.3f, 1});
    sun.setDiffuse(Color(0.5, 0.5, 0.5, 0.25));
    expectNear(lightValue(sun.getLightNumber(), GL_DIFFUSE), {1, 1, 1, 1});
    sun.switchOff();
    sun.switchOn();
    expectNear(lightValue(sun.getLightNumber(), GL_DIFFUSE), {0.5f, 0.5f, 0.5f, 1});  // alpha stays 1

    PositionalSceneLightSource lamp(1, 1, 0);
    lamp.setQuadraticAttenuation(0.5f);
    lamp.setPosition(1, 2, 3);
    root.addChild(&lamp);
    lamp.activate();
    const GLenum light = lamp.getLightNumber();
    expectNear(lightValue(light, GL_POSITION), {1, 2, 3, 1});
    EXPECT_EQ(lightValue(light, GL_QUADRATIC_ATTENUATION)[0], 0.5f);
    EXPECT_EQ(lightValue(light, GL_SPOT_CUTOFF)[0], 180.0f);
    expectNear(lightValue(light, GL_DIFFUSE), {1, 1, 0, 1});
    // The deferred pass follows the lamp.
    lamp.setPosition(-4, 0, 0);
    lamp.calculate({0, 0});
    lamp.calculateLater({0, 0});
    expectNear(lightValue(light, GL_POSITION), {-4, 0, 0, 1});
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    glLoadIdentity();
    root.removeChild(&sun);
    root.removeChild(&lamp);
}

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
    outer.addChild(&inOuter);                  // drawn after the inner restore
    for (int frame = 0; frame < 2; ++frame) {  // the objects got their own values back
        SCOPED_TRACE(frame);
        outer.draw();
        EXPECT_EQ(inInner.frontDiffuse, (Rgba{0, 1, 0, 1})) << "the inner colour inside the inner scene";
        EXPECT_EQ(inInner.backDiffuse, (Rgba{0, 0, 1, 1}));
        EXPECT_EQ(inInner.frontEmission, (Rgba{0.1f, 0.2f, 0.3f, 0.5f})) << "what the inner one does not set stays";
        EXPECT_EQ(inInner.frontShininess, 60);
        EXPECT_EQ(inOuter.frontDiffuse, (Rgba{1, 0, 0, 1})) << "the inner restore sends the outer colour again";
        EXPECT_EQ(inOuter.backDiffuse, defaultDiffuse) << "the back face had no enclosing value";
        EXPECT_EQ(inOuter.frontShininess, 20);
        EXPECT_EQ(material(GL_FRONT, GL_DIFFUSE), defaultDiffuse) << "the outermost restore sends the default";
        EXPECT_EQ(material(GL_FRONT, GL_EMISSION), (Rgba{0, 0, 0, 1}));
        EXPECT_EQ(material(GL_FRONT, GL_SHININESS)[0], 0);
    }
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
    plain.setFrontDiffuse(1, 1, 1);
    plain.clearMaterial();  // cleared colours are no longer applied
    EXPECT_FALSE(plain.hasMaterial());
    plain.draw();
    EXPECT_EQ(probe.frontDiffuse, odd);
    EXPECT_EQ(material(GL_FRONT, GL_DIFFUSE), odd);
    plain.removeChild(&probe);
}
