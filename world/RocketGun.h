#pragma once
// RocketGun: the two rocket rails under the ship's wings, used in turn. A launch takes the
// rocket of the rail that is due; each rail then reloads for rocketReloadTime. Asking for a
// rocket while the due rail reloads, or with none left, or before the rails know where they
// are (the first frame of a game), plays "RocketError" and changes nothing. Each rail shows
// its rocket while it is loaded, and two overlay counters show the rockets left per rail,
// with a spinning rocket beside each. The stock is kept balanced so that the rail due next
// holds at least as many rockets as the other. Rockets cost no energy.
// Depends on SceneObjectEmitterPair, RocketFactory, Model, ModelScreenCounter, Level.
#include <memory>

#include "overlay/ModelScreenCounter.h"
#include "scene/Model.h"
#include "scene/Scene.h"
#include "world/RocketFactory.h"
#include "world/SceneObjectEmitterPair.h"

class RocketGun : public virtual SceneObjectEmitterPair, public virtual Scene {
public:
    // Rails at `first` and `second` in the gun's coordinates; rockets go into `world`.
    RocketGun(const Vector& first, const Vector& second, int count, Scene* world);
    ~RocketGun() override;

    // Launches a rocket from the due rail at `target` (null: straight on). Returns whether one
    // left; if not, "RocketError" was played.
    virtual bool fire(SceneObject* target);
    // Adds rockets (a negative number is ignored) and balances the rails.
    virtual void addRockets(int count);

    int getLeftCount() const { return leftCount_; }
    int getRightCount() const { return rightCount_; }
    double getLeftReload() const { return leftReload_; }
    double getRightReload() const { return rightReload_; }
    const ModelScreenCounter& getLeftCounter() const { return *leftCounter_; }
    const ModelScreenCounter& getRightCounter() const { return *rightCounter_; }
    Model* getLeftRailModel() const { return leftRailModel_; }
    Model* getRightRailModel() const { return rightRailModel_; }

    // Moves the gun, then counts the reloads down.
    void calculate(TimeStep step) override;
    void draw() override
    {
        DynamicSceneObject::draw();
        Scene::draw();
    }

    // Where the counters stand and how large their digits are.
    static constexpr double counterY = 0.12, leftCounterX = 0.08, rightCounterX = 0.915;
    static constexpr double digitSize = 0.07;

private:
    bool launch(int& count, double& reload, Model* railModel, ModelScreenCounter& counter, SceneObject* target);
    void showCounts();

    int leftCount_ = 0;
    int rightCount_ = 0;
    double leftReload_ = 0.0;
    double rightReload_ = 0.0;
    std::unique_ptr<RocketFactory> rocketFactory_;
    std::unique_ptr<Model> counterModel_;
    Model* leftRailModel_;
    Model* rightRailModel_;
    std::unique_ptr<ModelScreenCounter> leftCounter_;
    std::unique_ptr<ModelScreenCounter> rightCounter_;
};
