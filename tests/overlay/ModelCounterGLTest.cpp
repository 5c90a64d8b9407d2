// A model counter draws a lit model inside the unlit overlay; afterwards the scene's next
// models must still get their own colour as material.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <memory>

#include "overlay/ColorScreenBeam.h"
#include "overlay/ModelScreenCounter.h"
#include "scene/Model.h"
#include "scene/SceneGraph.h"
#include "tests/support/GLContext.h"

TEST(ModelCounterGLTest, TheCurrentColourAndTheMaterialItFeedsStayTogether)
{
    SceneGraph::getInstance();  // colour material on, tracking ambient and diffuse
    std::unique_ptr<Model> rocket(Model::getModel("Rocket"));
    rocket->setScale(0.05);
    ModelScreenCounter counter(rocket.get(), 0.04, 1, 7);
    ColorScreenBeam beam(0.1, 0.1, 0.5, 0.05, true, true, Color(0, 0, 1, 0.3), Color(0, 0, 1, 0.9), 1.0);
    counter.setLayer(1);  // drawn after the beam has left its colour in the material
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawScreenElements();

    GLfloat current[4], ambient[4], diffuse[4];
    glGetFloatv(GL_CURRENT_COLOR, current);
    glGetMaterialfv(GL_FRONT, GL_AMBIENT, ambient);
    glGetMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(ambient[i], current[i]) << i;
        EXPECT_FLOAT_EQ(diffuse[i], current[i]) << i;
    }
}
