#include "world/SceneObjectEmitter.h"

SceneObjectEmitter::SceneObjectEmitter(Scene* targetScene, DynamicSceneObjectFactory* factory)
    : targetScene_(targetScene), factory_(factory)
{
}

void SceneObjectEmitter::setTargetScene(Scene* targetScene)
{
    targetScene_ = targetScene;
    known_ = 0;
}

void SceneObjectEmitter::setFactory(DynamicSceneObjectFactory* factory) { factory_ = factory; }

bool SceneObjectEmitter::isReady() const { return known_ >= 2 && factory_ != nullptr && targetIsAbove(); }

void SceneObjectEmitter::emitOne() { emit(1); }

void SceneObjectEmitter::emit(int count)
{
    if (count < 1 || known_ < 2 || !targetIsAbove()) return;
    // The displacement over one frame, not a velocity: a shot on demand carries hardly any of
    // the muzzle's own motion.
    const Vector displacement =
        known_ == 2 ? places_[0].origin() - places_[1].origin() : places_[1].origin() - places_[2].origin();
    emitAt(places_[0], displacement, lastStep_.time, lastStep_.time);
}

void SceneObjectEmitter::setEmissionVelocity(const Vector& velocity) { emissionVelocity_ = velocity; }

void SceneObjectEmitter::setEmissionVelocity(double x, double y, double z) { setEmissionVelocity(Vector(x, y, z)); }

void SceneObjectEmitter::setEmissionInterval(double seconds) { interval_ = seconds > 0.0 ? seconds : 0.0; }

void SceneObjectEmitter::setAlignRotation(bool align) { alignRotation_ = align; }

bool SceneObjectEmitter::targetIsAbove() const { return targetScene_ != nullptr && isContainedIn(targetScene_); }

void SceneObjectEmitter::calculateLater(TimeStep step)
{
    if (!targetIsAbove()) {
        known_ = 0;
        lastStep_ = step;
        return;
    }
    const Matrix here = getMatrixRelativeTo(targetScene_);
    const double dt = step.delta;
    if (!(dt > 0.0) && known_ > 0) {
        places_[0] = here;  // no time has passed: the same moment, perhaps a new place
        lastStep_ = step;
        return;
    }
    places_[2] = places_[1];
    places_[1] = places_[0];
    places_[0] = here;
    if (known_ < 3) ++known_;

    if (known_ >= 2 && interval_ > 0.0 && dt > 0.0) {
        const Vector newVelocity = (places_[0].origin() - places_[1].origin()) / dt;
        const Vector oldVelocity = known_ == 3 ? (places_[1].origin() - places_[2].origin()) / dt : newVelocity;
        double releaseTime = lastStep_.time;
        if (lastEmission_ != -1.0 && lastEmission_ + interval_ > lastStep_.time)
            releaseTime = lastEmission_ + interval_;
        for (int made = 0; releaseTime < step.time && made < maxEmissionsPerFrame; ++made) {
            const double s = (releaseTime - lastStep_.time) / dt;
            emitAt(places_[1].blend(places_[0], s), oldVelocity.interpolate(newVelocity, s), releaseTime, step.time);
            lastEmission_ = releaseTime;
            releaseTime += interval_;
        }
    }
    lastStep_ = step;
}

void SceneObjectEmitter::emitAt(const Matrix& matrix, const Vector& emitterVelocity, double emitted, double now)
{
    if (factory_ == nullptr) return;
    DynamicSceneObject* object = factory_->create();
    if (object == nullptr) return;
    const Matrix turn = matrix.rotationPart();
    const Vector velocity = emitterVelocity - turn.apply(emissionVelocity_);
    if (alignRotation_) object->setRotationMatrix(turn * object->getRotation());
    object->setPosition(matrix.origin());
    object->setVelocity(velocity);
    targetScene_->addChild(object);
    object->calculate({emitted, 0.0});
    object->calculate({now, now - emitted});
}
