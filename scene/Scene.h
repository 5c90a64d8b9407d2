#pragma once
// Scene: a scene object that holds children. It updates and draws them, passes its root
// down when it is attached or detached, and destroys its whole subtree on `destroy()`.
// It does not own its children: deleting a scene orphans them.
// Children are visited in the order they were added (a child removed and added again goes
// last), so that a game replays identically; a pass works on a snapshot, so children added
// during a pass wait for the next one, even at the address of one that left.
#include <vector>

#include "scene/Registry.h"
#include "scene/SceneObject.h"

class Scene : public virtual SceneObject {
public:
    Scene() = default;
    ~Scene() override;

    // Throws GameError (and adds nothing) when the child already has another parent.
    virtual void addChild(SceneObject* child);
    // Detaches the child from whichever scene holds it, this one or another.
    virtual void removeChild(SceneObject* child);

    void calculate(TimeStep step) override;
    void draw() override;
    void destroy() override;
    void setRoot(SceneGraph* root) override;

    const Registry<SceneObject>& getChildren() const { return children_; }
    bool hasChild(SceneObject* child) const { return children_.contains(child); }
    bool isSubtreeDestroyed() const { return subtreeDestroyed_; }

protected:
    // The Scene parts of calculate and draw, for classes that combine Scene with others.
    void calculateChildren(TimeStep step);
    // Draws every child that is not culled, each between glPushMatrix and glPopMatrix.
    void drawChildren();
    std::vector<SceneObject*> childSnapshot() const;

private:
    Registry<SceneObject> children_;
    bool subtreeDestroyed_ = false;
};
