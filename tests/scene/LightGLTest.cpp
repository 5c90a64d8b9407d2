// Lights under a real GL context: the ambient sum of background lights, the eight light slots
// (a ninth light never takes or frees one), positions and directions in root coordinates, and
// colours that reach GL at the next enable.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

#include "scene/BackgroundLight.h"
#include "scene/DirectionalSceneLightSource.h"
#include "scene/PositionalSceneLightSource.h"
#include "scene/Scene.h"

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
}  // namespace

TEST(LightGLTest, BackgroundLightsAddUpInTheGlobalAmbient)
{
    {
        BackgroundLight grey(0.1, 0.1, 0.1), red(0.2, 0.0, 0.0);
        grey.activate();
        red.activate();
        expectNear(ambientModel(), {0.3f, 0.1f, 0.1f, 1});
        grey.deactivate();
        expectNear(ambientModel(), {0.2f, 0, 0, 1});
        red.switchOff();
        expectNear(ambientModel(), {0, 0, 0, 1});
        red.switchOn();
    }
    expectNear(ambientModel(), {0, 0, 0, 1});  // destroyed lights give their share back
    const float glDefault[4] = {0.2f, 0.2f, 0.2f, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, glDefault);
}

TEST(LightGLTest, LightsTakeTheLowestFreeSlot)
{
    auto lights = makeLights(4);
    for (int i = 0; i < 3; ++i) lights[i]->activate();
    EXPECT_EQ(lights[0]->getLightNumber(), unsigned(GL_LIGHT0));
    EXPECT_EQ(lights[1]->getLightNumber(), unsigned(GL_LIGHT1));
    EXPECT_EQ(lights[2]->getLightNumber(), unsigned(GL_LIGHT2));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT2));
    lights[1]->switchOff();
    EXPECT_FALSE(glIsEnabled(GL_LIGHT1));
    EXPECT_EQ(lights[1]->getLightNumber(), 0u);
    lights[3]->activate();
    EXPECT_EQ(lights[3]->getLightNumber(), unsigned(GL_LIGHT1));
}

TEST(LightGLTest, ANinthLightNeitherTakesNorFreesASlot)
{
    auto lights = makeLights(8);
    for (auto& light : lights) light->activate();
    for (int i = 0; i < 8; ++i) EXPECT_EQ(lights[i]->getLightNumber(), unsigned(GL_LIGHT0 + i));
    const Rgba diffuseOfFirst = lightValue(GL_LIGHT0, GL_DIFFUSE);

    DirectionalSceneLightSource ninth(1, 0, 0);
    ninth.activate();
    EXPECT_EQ(ninth.getLightNumber(), 0u);
    EXPECT_EQ(lightValue(GL_LIGHT0, GL_DIFFUSE), diffuseOfFirst) << "it sent nothing to another light";
    ninth.calculateLater({0, 0});
    ninth.deactivate();
    for (int i = 0; i < 8; ++i) EXPECT_TRUE(glIsEnabled(GL_LIGHT0 + i)) << "light " << i;

    DirectionalSceneLightSource tenth(1, 1, 1);
    tenth.activate();
    EXPECT_EQ(tenth.getLightNumber(), 0u) << "all eight slots are still held";
    tenth.deactivate();
    lights[5]->deactivate();
    tenth.activate();
    EXPECT_EQ(tenth.getLightNumber(), unsigned(GL_LIGHT5));
}

TEST(LightGLTest, DirectionsAndPositionsAreInRootCoordinates)
{
    Scene root;  // stands for the scene graph: the top of its tree
    DirectionalSceneLightSource sun(1, 1, 1);
    sun.setRotation(90, 1, 0, 0);
    root.addChild(&sun);
    // Whatever the modelview holds when the light is switched on, its direction is the root's.
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixd(Matrix::translation(5, 6, 7).data());
    sun.activate();
    expectNear(lightValue(sun.getLightNumber(), GL_POSITION), {0, -1, 0, 0});

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

    // The deferred pass follows the lamp; a light that is off is left alone.
    lamp.setPosition(-4, 0, 0);
    lamp.calculate({0, 0});
    lamp.calculateLater({0, 0});
    expectNear(lightValue(light, GL_POSITION), {-4, 0, 0, 1});
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    glLoadIdentity();
    root.removeChild(&sun);
    root.removeChild(&lamp);
}

TEST(LightGLTest, ColourChangesReachGLAtTheNextEnable)
{
    DirectionalSceneLightSource light(1, 1, 1);
    light.setAmbient(0.1f, 0.2f, 0.3f);
    light.activate();
    const GLenum number = light.getLightNumber();
    expectNear(lightValue(number, GL_AMBIENT), {0.1f, 0.2f, 0.3f, 1});
    light.setDiffuse(Color(0.5, 0.5, 0.5, 0.25));
    expectNear(lightValue(number, GL_DIFFUSE), {1, 1, 1, 1});
    light.switchOff();
    light.switchOn();
    expectNear(lightValue(light.getLightNumber(), GL_DIFFUSE), {0.5f, 0.5f, 0.5f, 1});  // alpha stays 1
}
