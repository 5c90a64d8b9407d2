#pragma once
// TargetPointer: the lead marker of the selected asteroid: a green octagon with a cross,
// drawn over the scene (hidden only behind the player's ship) at the point where a shot
// fired now from the shooter at the shot speed would meet the target, and kept at one
// apparent size whatever its distance. Where no such point exists (the target outruns the
// shot sideways or straight away, rests, or there is no shooter) it sits on the target.
// Clicking near it picks it (its pick shape is twice its size).
// The shooter is class-wide: the player's ship names itself while it exists. The pointer
// does not own its target; the target's owner clears it (forgetTarget) before it goes.
// Depends on ScreenSceneObject, Camera, MarkerColor.
#include "overlay/ScreenSceneObject.h"
#include "scene/Transparent.h"

class TargetPointer : public virtual ScreenSceneObject, public virtual Transparent {
public:
    // A pointer for `target` (not owned) of apparent size `pointerSize`, for shots that fly
    // at `shotSpeed`. It starts invisible (alpha 0).
    TargetPointer(DynamicSceneObject* target, double pointerSize, double shotSpeed);

    virtual SceneObject* getTarget() const { return target_; }
    virtual void setTarget(DynamicSceneObject* target) { target_ = target; }
    double getAlpha() override { return alpha_; }
    void setAlpha(double alpha) override { alpha_ = alpha; }

    // Moves to the lead point and rescales for the camera's distance.
    void calculate(TimeStep step) override;
    void drawFlat() override;
    void drawSelectionShape() override;

    // Where shots come from; null for nowhere. Not owned: the shooter clears it before it goes.
    static void setShooter(SceneObject* shooter);
    static SceneObject* getShooter();
    // Every pointer at `target` loses it.
    static void forgetTarget(const SceneObject* target);

    // Where a shot fired now from `shooter` at `shotSpeed` meets a target at `target` that
    // flies at `velocity`; `target` itself where there is no such point.
    static Vector leadPoint(const Vector& shooter, const Vector& target, const Vector& velocity, double shotSpeed);

    // The apparent size: a pointer of size 1 is a hundredth of its distance from the eye.
    static constexpr double sizePerDistance = 0.01;

private:
    DynamicSceneObject* target_;
    double alpha_ = 0.0;
    double pointerSize_;
    double shotSpeed_;
};
