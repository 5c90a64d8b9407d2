#pragma once
// SceneGraph: the root of the scene tree, created on first use and kept for the run.
// `calculate` updates the tree, runs the deferred CalculateLater pass and deletes every
// object marked with destroy(); `draw` clears the buffers, loads the active camera and draws
// the solid pass with view-cone culling, the background where nothing covers it (the game
// sets the sky box's draw; without one the cleared black stays), the blended models the solid
// pass deferred, the transparent pass far to near, then the screen passes.
// Its constructor sets the GL state that every frame relies on, so the first call to
// getInstance() must come with a current GL context for drawing to look right.
#include "scene/Scene.h"

class Camera;

class SceneGraph : public virtual Scene {
public:
    static SceneGraph* getInstance();

    void calculate(TimeStep step) override;
    void draw() override;
    virtual void setCamera(Camera* camera);
    // Draws behind what the solid pass left, before anything blends with it.
    void setBackground(void (*drawBackground)()) { drawBackground_ = drawBackground; }

    // Deletes every live scene object marked with destroy(); also used when a whole world
    // must go at once, outside the frame update.
    static void deleteDestroyedObjects();

private:
    SceneGraph();
    ~SceneGraph() override = default;
    void setUpGLState();
    void drawTransparentPass();

    void (*drawBackground_)() = nullptr;
};
