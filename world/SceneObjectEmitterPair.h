#pragma once
// SceneObjectEmitterPair: two emitters used in turn (the left and right gun, the two rocket
// rails): each emission comes from the one whose turn it is, and the turn passes to the
// other. The pair releases nothing of its own; target scene, emission velocity and rotation
// alignment given to the pair go to both emitters. It does not own them: they are its
// children in the scene tree. Depends on SceneObjectEmitter.
#include "world/SceneObjectEmitter.h"

class SceneObjectEmitterPair : public virtual SceneObjectEmitter {
public:
    SceneObjectEmitterPair();

    // The first emitter is due next.
    virtual void setEmitters(SceneObjectEmitter* first, SceneObjectEmitter* second);
    // Makes two emitters of `factory` at these positions, children of `holder` (the gun that
    // is this pair and its scene), and uses them: the guns' muzzles, the rocket rails.
    void addEmitters(Scene* holder, const Vector& first, const Vector& second, DynamicSceneObjectFactory* factory);

    using SceneObjectEmitter::setEmissionVelocity;
    void setTargetScene(Scene* targetScene) override;
    void setEmissionVelocity(const Vector& velocity) override;
    void setAlignRotation(bool align) override;
    // `count` emissions, alternating from the emitter that is due.
    void emit(int count) override;
    // Whether the emitter that is due is ready.
    bool isReady() const override;

    bool isFirstDue() const { return useFirst_; }
    SceneObjectEmitter* getFirst() const { return first_; }
    SceneObjectEmitter* getSecond() const { return second_; }

private:
    SceneObjectEmitter* first_ = nullptr;
    SceneObjectEmitter* second_ = nullptr;
    bool useFirst_ = true;
};
