#include "world/SceneObjectEmitterPair.h"

SceneObjectEmitterPair::SceneObjectEmitterPair() : SceneObjectEmitter(nullptr, nullptr) {}

void SceneObjectEmitterPair::setEmitters(SceneObjectEmitter* first, SceneObjectEmitter* second)
{
    first_ = first;
    second_ = second;
    useFirst_ = true;
}

void SceneObjectEmitterPair::addEmitters(Scene* holder, const Vector& first, const Vector& second,
                                         DynamicSceneObjectFactory* factory)
{
    auto* firstEmitter = new SceneObjectEmitter(nullptr, factory);
    auto* secondEmitter = new SceneObjectEmitter(nullptr, factory);
    firstEmitter->setPosition(first);
    secondEmitter->setPosition(second);
    holder->addChild(firstEmitter);
    holder->addChild(secondEmitter);
    setEmitters(firstEmitter, secondEmitter);
}

void SceneObjectEmitterPair::setTargetScene(Scene* targetScene)
{
    SceneObjectEmitter::setTargetScene(targetScene);
    for (SceneObjectEmitter* emitter : {first_, second_})
        if (emitter != nullptr) emitter->setTargetScene(targetScene);
}

void SceneObjectEmitterPair::setEmissionVelocity(const Vector& velocity)
{
    SceneObjectEmitter::setEmissionVelocity(velocity);
    for (SceneObjectEmitter* emitter : {first_, second_})
        if (emitter != nullptr) emitter->setEmissionVelocity(velocity);
}

void SceneObjectEmitterPair::setAlignRotation(bool align)
{
    SceneObjectEmitter::setAlignRotation(align);
    for (SceneObjectEmitter* emitter : {first_, second_})
        if (emitter != nullptr) emitter->setAlignRotation(align);
}

void SceneObjectEmitterPair::emit(int count)
{
    for (int i = 0; i < count; ++i) {
        SceneObjectEmitter* due = useFirst_ ? first_ : second_;
        if (due != nullptr) due->emitOne();
        useFirst_ = !useFirst_;
    }
}

bool SceneObjectEmitterPair::isReady() const
{
    const SceneObjectEmitter* due = useFirst_ ? first_ : second_;
    return due != nullptr && due->isReady();
}
