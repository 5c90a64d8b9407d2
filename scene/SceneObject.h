#pragma once
// SceneObject: every visible or updatable thing of the 3D world, a node of the scene tree.
// It knows its parent scene and the root it hangs under, and caches its absolute position,
// matrix, inverse and axis scales for one frame (reset by `calculate`).
// Scene objects are not owned by their parent: game code calls `destroy()` and the
// SceneGraph deletes marked objects at the end of its update. Depends on Vector, Matrix,
// Registry and the active Camera (for view-cone culling).
#include "scene/Matrix.h"
#include "scene/Registered.h"
#include "scene/TimeStep.h"
#include "scene/Vector.h"

class Scene;
class SceneGraph;

class SceneObject : public Registered<SceneObject> {
public:
    SceneObject() : Registered(this) {}
    SceneObject(const SceneObject&) = delete;
    SceneObject& operator=(const SceneObject&) = delete;
    virtual ~SceneObject();

    // The tree update: marks the absolute caches stale.
    virtual void calculate(TimeStep step);
    virtual void draw() = 0;

    virtual Vector getAbsolutePosition();
    virtual Matrix getAbsoluteMatrix();
    // Local-to-ancestor matrix; throws GameError when `ancestor` is not above this object.
    virtual Matrix getMatrixRelativeTo(Scene* ancestor);
    virtual Matrix getAbsoluteInverseMatrix();
    // The lengths of the absolute matrix's axes (Matrix::axisScales).
    virtual Vector getAbsoluteScales();
    // The longest of those axes: a sphere of radius r in the object's coordinates lies within
    // r times it of the object's absolute position.
    double getLargestAbsoluteScale();
    virtual Matrix getInverseMatrixRelativeTo(Scene* ancestor);

    // Throws GameError when the object already has another parent.
    virtual void setParent(Scene* parent);
    virtual Scene* getParent() const;
    virtual bool isContainedIn(const Scene* scene) const;
    virtual void setCullable(bool cullable);
    virtual Matrix getLocalMatrix();
    virtual Matrix getLocalInverseMatrix();
    virtual void destroy();
    virtual bool isDestroyed() const;
    // Outside the active camera's view cone (only for cullable objects).
    virtual bool isCulled();
    virtual SceneGraph* getRoot() const;
    virtual bool hasRoot() const;
    virtual bool isCullable() const;
    virtual void setRoot(SceneGraph* root);

    // Half-angle of the view cone in degrees, clamped to [0, 180]; 180 culls nothing.
    static void setViewConeAngle(double degrees);
    static double getViewConeAngle();
    // Every scene object alive, the basis of deferred deletion. Ask it with a SceneObject*
    // taken while the object lived: converting a derived pointer to a deleted object to this
    // virtual base reads the freed object.
    static const Registry<SceneObject>& liveObjects() { return registered(); }

protected:
    void invalidateAbsoluteCaches();

private:
    bool destroyed_ = false;
    Vector absolutePosition_;
    Matrix absoluteMatrix_;
    Matrix absoluteInverse_;
    Vector absoluteScales_;
    bool positionValid_ = false;
    bool matrixValid_ = false;
    bool inverseValid_ = false;
    bool scalesValid_ = false;
    bool cullable_ = false;
    Scene* parent_ = nullptr;
    SceneGraph* root_ = nullptr;
};
