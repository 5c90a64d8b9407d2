// Lights and materials as GL receives them: the global ambient, the eight slots, root coordinates.
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

// A light's or a material's parameter, by glGetLightfv or glGetMaterialfv.
Rgba read(void (*get)(GLenum, GLenum, GLfloat*), GLenum which, GLenum parameter)
{
    Rgba value{};
    get(which, parameter, value.data());
    return value;
}
Rgba lightValue(GLenum light, GLenum parameter) { return read(glGetLightfv, light, parameter); }
Rgba material(GLenum face, GLenum parameter) { return read(glGetMaterialfv, face, parameter); }
Rgba ambientModel()
{
    return read([](GLenum, GLenum name, GLfloat* value) { glGetFloatv(name, value); }, 0, GL_LIGHT_MODEL_AMBIENT);
}

void expectNear(const Rgba& got, const Rgba& want)
{
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(got[i], want[i], 1e-5) << "component " << i;
}

// Notes the material in force when it is drawn.
class Probe : public SceneObject {
public:
    void draw() override
    {
        front = material(GL_FRONT, GL_DIFFUSE);
        back = material(GL_BACK, GL_DIFFUSE);
        emission = material(GL_FRONT, GL_EMISSION);
    }
    Rgba front{}, back{}, emission{};
};

const Rgba defaultDiffuse{0.8f, 0.8f, 0.8f, 1.0f};
}  // namespace

TEST(LightGLTest, BackgroundLightsAddUpInTheGlobalAmbientWhileTheyShine)
{
    {
        BackgroundLight grey(0.1, 0.1, 0.1), red(0.2, 0.0, 0.0), dark(0.0, 0.0, 0.4);
        dark.switchOff();
        dark.activate();  // switched off before use: stays dark, and its end takes nothing
        grey.activate();
        grey.activate();  // already in use: counted once
        red.activate();
        expectNear(ambientModel(), {0.3f, 0.1f, 0.1f, 1});
        grey.deactivate();
        grey.toggle();  // off while not in use: only the switch moves
        grey.activate();
        red.switchOff();
        red.switchOff();
        expectNear(ambientModel(), {0, 0, 0, 1});
        red.toggle();
        dark.deactivate();
        expectNear(ambientModel(), {0.2f, 0, 0, 1});
    }
    expectNear(ambientModel(), {0, 0, 0, 1});  // destroyed lights give their share back
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, Rgba{0.2f, 0.2f, 0.2f, 1}.data());
}

TEST(LightGLTest, LightsTakeTheLowestFreeSlotAndANinthNeitherTakesNorFreesOne)
{
    std::vector<std::unique_ptr<DirectionalSceneLightSource>> lights;
    for (int i = 0; i < 8; ++i) lights.push_back(std::make_unique<DirectionalSceneLightSource>(1, 1, 1));
    for (int i = 0; i < 3; ++i) lights[i]->activate();
    lights[1]->switchOff();
    lights[3]->activate();
    lights[1]->switchOn();
    for (int i = 4; i < 8; ++i) lights[i]->activate();
    const unsigned expected[8] = {0, 3, 2, 1, 4, 5, 6, 7};  // who holds each slot
    for (int slot = 0; slot < 8; ++slot)
        EXPECT_EQ(lights[expected[slot]]->getLightNumber(), unsigned(GL_LIGHT0 + slot)) << slot;

    DirectionalSceneLightSource ninth(1, 0, 0);
    ninth.activate();
    EXPECT_EQ(ninth.getLightNumber(), 0u);
    ninth.deactivate();
    for (int i = 0; i < 8; ++i) EXPECT_TRUE(glIsEnabled(GL_LIGHT0 + i)) << "light " << i;
}

TEST(LightGLTest, DirectionsAndPositionsAreInRootCoordinatesAndColoursReachGLAtTheNextEnable)
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
    sun.setDiffuse(Color(0.5, 0.5, 0.5, 0.25));  // reaches GL at the next switch on
    sun.switchOff();
    sun.switchOn();
    expectNear(lightValue(sun.getLightNumber(), GL_DIFFUSE), {0.5f, 0.5f, 0.5f, 1});  // alpha stays 1

    PositionalSceneLightSource lamp(1, 1, 0);
    lamp.setPosition(1, 2, 3);
    root.addChild(&lamp);
    lamp.activate();
    expectNear(lightValue(lamp.getLightNumber(), GL_POSITION), {1, 2, 3, 1});
    lamp.setPosition(-4, 0, 0);  // the deferred pass follows the lamp
    lamp.calculate({0, 0});
    lamp.calculateLater({0, 0});
    expectNear(lightValue(lamp.getLightNumber(), GL_POSITION), {-4, 0, 0, 1});
    glLoadIdentity();
    root.removeChild(&sun);
    root.removeChild(&lamp);
}

TEST(MaterialSceneGLTest, NestedMaterialsRestoreTheEnclosingOneAndFinallyTheDefaults)
{
    glDisable(GL_COLOR_MATERIAL);  // glColor would overwrite the diffuse these checks read
    MaterialScene outer, inner;
    Probe inOuter, inInner;
    outer.setFrontDiffuse(1, 0, 0);
    outer.setFrontEmission(Color(0.1, 0.2, 0.3, 0.5));
    inner.setFrontDiffuse(0, 1, 0);
    inner.setBackDiffuse(0, 0, 1);
    outer.addChild(&inner);
    inner.addChild(&inInner);
    outer.addChild(&inOuter);                  // drawn after the inner restore
    for (int frame = 0; frame < 2; ++frame) {  // the objects got their own values back
        SCOPED_TRACE(frame);
        outer.draw();
        EXPECT_EQ(inInner.front, (Rgba{0, 1, 0, 1}));
        EXPECT_EQ(inInner.back, (Rgba{0, 0, 1, 1}));
        EXPECT_EQ(inInner.emission, (Rgba{0.1f, 0.2f, 0.3f, 0.5f})) << "what the inner one does not set stays";
        EXPECT_EQ(inOuter.front, (Rgba{1, 0, 0, 1})) << "the inner restore sends the outer colour again";
        EXPECT_EQ(inOuter.back, defaultDiffuse) << "the back face had no enclosing value";
        EXPECT_EQ(material(GL_FRONT, GL_DIFFUSE), defaultDiffuse) << "the outermost restore sends the default";
        EXPECT_EQ(material(GL_FRONT, GL_EMISSION), (Rgba{0, 0, 0, 1}));
    }
    glEnable(GL_COLOR_MATERIAL);
    outer.removeChild(&inner);
    outer.removeChild(&inOuter);
    inner.removeChild(&inInner);
}
