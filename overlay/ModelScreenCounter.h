#pragma once
// ModelScreenCounter: a counter with a small 3D object beside its number (the rocket stock
// with a spinning rocket). The text side says where the number stands and where the object
// goes, modelSize away from the anchor:
//   side 0: number below the anchor (top centre on it), object modelSize below the anchor;
//   side 1: number right of it, object to the left;
//   side 2: number above it, object above;
//   side 3: number left of it, object to the right.
// Other sides are stored but keep the alignment, and put the object on the anchor.
// The object's own position is an extra offset. It is drawn without depth test, lit by a
// light of its own (the overlay is otherwise unlit), in overlay units but with its x axis
// corrected for the screen's aspect, so it keeps its shape on a wide screen. It moves
// (spins) with the deferred update; the object is not owned and may serve several counters
// (it then turns once per counter and frame).
#include "overlay/ScreenCounter.h"
#include "scene/CalculateLater.h"
#include "scene/Vector.h"

class DynamicSceneObject;

class ModelScreenCounter : public virtual ScreenCounter, public virtual CalculateLater {
public:
    ModelScreenCounter(DynamicSceneObject* model, double modelSize, int textSide, int count,
                       const std::string& fontName = "arial");

    virtual void setTextSide(int side);
    virtual void setModel(DynamicSceneObject* model);
    virtual void setModelSize(double size);
    int getTextSide() const { return textSide_; }
    DynamicSceneObject* getModel() const { return model_; }
    double getModelSize() const { return modelSize_; }
    // Where the object's origin goes in overlay units, before its own position is added.
    Vector modelAnchor() const;

    void draw() override;
    void calculateLater(TimeStep step) override;

private:
    void lightModel();

    DynamicSceneObject* model_;
    int textSide_ = 0;
    double lastTime_ = 0.0;
    double modelSize_;
};
