#pragma once
// Model: a mesh from a model file drawn as a moving scene object, in its own colour (default
// light grey). With colour material on, the colour sets ambient and diffuse; textures
// modulate it. An alpha below 1 blends the model (it is not depth sorted); alpha 0 hides it.
// While the solid pass defers blended models, such a model is kept with the matrix and
// material it met and drawn by drawDeferred, after the sky box, so that it blends with the sky
// rather than with the black the sky has not covered yet.
// The model library maps the game's model names to files in "models/": getModel hands out a
// new Model (owned by the caller) on the shared, cached ModelData of the file.
// A model may carry coarser levels of detail (the rocks: "<file>_lod1", "_lod2"), drawn when
// its bounding sphere covers few pixels, where the finer triangles would be smaller than a
// few pixels and cost the rasterizer as much as large ones. Picking and masks always use the
// full level.
// Depends on ModelData, DynamicSceneObject, Transparent, Color, and the active Camera (culling).
#include <string>
#include <vector>

#include "scene/Color.h"
#include "scene/DynamicSceneObject.h"
#include "scene/ModelData.h"
#include "scene/Transparent.h"

class Model : public virtual DynamicSceneObject, public virtual Transparent {
public:
    // `coarser` lists the coarser levels of detail, each with half the subdivision of the one before.
    explicit Model(ModelData* data, std::vector<ModelData*> coarser = {});

    // "Asteroid", "Asteroid1" to "Asteroid3", "SpaceShip", "Rocket", "Background". Throws
    // GameError "Model not aviable" for any other name (case matters) and the loader's errors.
    static Model* getModel(const std::string& name);
    // The cached data of "models/" + fileName (see ModelData::load).
    static ModelData* loadModelData(const std::string& fileName);
    // The level of detail (0 the full one, up to levels - 1) for a model whose outline has the
    // given radius in pixels: each level takes over where the finer one's triangles would be
    // smaller on screen than the full level's at fullDetailPixels. Not a number gives 0.
    static int detailLevelFor(double pixelRadius, int levels);
    static constexpr double fullDetailPixels = 40.0;

    // Between deferBlended(true) and (false), draw() keeps a blended model for drawDeferred.
    static void deferBlended(bool on);
    // Draws the kept models in the order they came, each under its matrix and material, and
    // forgets them; the GL material is as before afterwards.
    static void drawDeferred();

    // Applies the local matrix and draws the bare triangles, without colour or texture.
    virtual void drawPlainGeometry();
    virtual void setColor(const Color& color);
    const Color& getColor() const { return color_; }
    ModelData* getModelData() const { return data_; }

    double getAlpha() override;
    void setAlpha(double alpha) override;
    void draw() override;
    // Also culled, by the active camera, when its bounding sphere lies outside the view: its
    // triangles are the bulk of what a frame draws.
    bool isCulled() override;

private:
    // The full list of the level that fits the model's size on the active camera's screen.
    unsigned detailList();
    // The colour, blending as the alpha asks, and the triangles, under the current matrix.
    void drawColored();

    ModelData* data_;
    std::vector<ModelData*> coarser_;
    Color color_{0.8, 0.8, 0.8, 1.0};
};
