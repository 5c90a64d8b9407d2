#include "world/RocketGun.h"

#include "app/GameManager.h"
#include "app/Level.h"
#include "sound/GameSounds.h"
#include "world/Rocket.h"

namespace {
constexpr double counterModelScale = 0.05;
constexpr double counterModelDistance = 0.04;  // from a counter's number to its rocket
constexpr double counterSpin = 90.0;           // degrees per second
constexpr int numberRightOfAnchor = 1, numberLeftOfAnchor = 3;

// The counters' rocket: lying diagonally, nose to the upper right, turning about its length.
std::unique_ptr<Model> counterModel()
{
    std::unique_ptr<Model> model(Model::getModel("Rocket"));
    model->setRotationMode(1);
    model->setRotation(-45.0, 0, 0, 1);
    model->rotate(90.0, -1, 1, 0);
    model->setRotationMode(0);
    model->setSpin(counterSpin, 0, 0, 1);
    model->setScale(counterModelScale);
    return model;
}

std::unique_ptr<ModelScreenCounter> counter(Model* model, int textSide, double x)
{
    auto made = std::make_unique<ModelScreenCounter>(model, counterModelDistance, textSide, 0);
    made->setSize(RocketGun::digitSize);
    made->setPosition(x, RocketGun::counterY);
    return made;
}
}  // namespace

RocketGun::RocketGun(const Vector& first, const Vector& second, int count, Scene* world)
    : SceneObjectEmitter(nullptr, nullptr),
      rocketFactory_(std::make_unique<RocketFactory>(world)),
      counterModel_(counterModel()),
      leftRailModel_(Rocket::makeModel()),
      rightRailModel_(Rocket::makeModel()),
      leftCounter_(counter(counterModel_.get(), numberRightOfAnchor, leftCounterX)),
      rightCounter_(counter(counterModel_.get(), numberLeftOfAnchor, rightCounterX))
{
    addEmitters(this, first, second, rocketFactory_.get());
    // The rail models hang where the rockets leave.
    leftRailModel_->setPosition(first);
    rightRailModel_->setPosition(second);
    addChild(leftRailModel_);
    addChild(rightRailModel_);
    setTargetScene(world);
    setEmissionVelocity(0.0, 0.0, -GameManager::currentLevel().rocketLaunchSpeed);
    addRockets(count);
}

RocketGun::~RocketGun() = default;

void RocketGun::addRockets(int count)
{
    if (count < 0) return;
    leftCount_ += count;
    const int extraOnLeft = isFirstDue() ? 1 : 0;  // the rail due next holds the odd rocket
    while (rightCount_ + extraOnLeft < leftCount_) {
        --leftCount_;
        ++rightCount_;
    }
    showCounts();
}

bool RocketGun::fire(SceneObject* target)
{
    if (leftCount_ + rightCount_ > 0) {
        if (isFirstDue()) {
            if (launch(leftCount_, leftReload_, leftRailModel_, *leftCounter_, target)) return true;
        } else if (launch(rightCount_, rightReload_, rightRailModel_, *rightCounter_, target)) {
            return true;
        }
    }
    rocketErrorSample().play();
    return false;
}

bool RocketGun::launch(int& count, double& reload, Model* railModel, ModelScreenCounter& counter, SceneObject* target)
{
    if (reload > 0.0 || count <= 0 || !isReady()) return false;  // a rail not yet ready keeps its rocket
    rocketFactory_->setTarget(target);
    emitOne();
    reload = GameManager::currentLevel().rocketReloadTime;
    --count;
    counter.setCount(count);
    railModel->setAlpha(0.0);
    return true;
}

void RocketGun::showCounts()
{
    leftCounter_->setCount(leftCount_);
    rightCounter_->setCount(rightCount_);
}

void RocketGun::calculate(TimeStep step)
{
    DynamicSceneObject::calculate(step);
    Scene::calculate(step);
    leftReload_ -= step.delta;
    rightReload_ -= step.delta;
    if (leftReload_ <= 0.0 && leftCount_ > 0) leftRailModel_->setAlpha(1.0);
    if (rightReload_ <= 0.0 && rightCount_ > 0) rightRailModel_->setAlpha(1.0);
}
