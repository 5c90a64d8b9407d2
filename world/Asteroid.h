#pragma once
// Asteroid: a rock of one of the level's kinds (model, colour, hardness) and of a continuous
// size, which sets its life, mass, top speed and top spin. It drifts and spins, collides with
// everything in the world, loses life when hit and shows sparks in its kind's colour. When
// its life is used up it scores (unless another rock did it), stops colliding and being
// pickable, fades out over 0.3 s, breaks into three to five smaller rocks flung into different
// octants (fragments below minAsteroidSize are left out) and bursts into a dust explosion.
// Fragments do not collide during their first 1.5 s.
// Every asteroid that is alive and not yet fading is in the asteroid registry; when the last
// one leaves it while its world stands, the game is won (GameWon, raised once).
// A selected asteroid carries a target pointer (in the world) and a selection marker.
// Each rock gets the next number of the world standing when it is made (1 for the first rock
// of a game, fragments included), so that a replay can name the rock a click picked; a rock
// made without a world has number 0.
// Sparks, fragments and explosions go into the asteroid's parent scene (the world).
// Depends on the scene engine, PhysicalSceneObject, the overlay's asteroid markers,
// TargetPointer, ColorCloudFactory, Level; needs a current GL context.
#include <functional>
#include <vector>

#include "overlay/AsteroidLifeBeam.h"
#include "overlay/AsteroidSelection.h"
#include "scene/CalculateLater.h"
#include "scene/Model.h"
#include "scene/Registered.h"
#include "scene/Scene.h"
#include "scene/SelectableSceneObject.h"
#include "scene/Transparent.h"
#include "world/PhysicalSceneObject.h"

class ColorCloudFactory;
class TargetPointer;

class Asteroid : public virtual Scene,
                 public virtual Transparent,
                 public virtual PhysicalSceneObject,
                 public virtual SelectableSceneObject,
                 public virtual CalculateLater,
                 public Registered<Asteroid> {
public:
    // Throws GameError "Permitted asteroid size got" for a size outside the level's
    // [minAsteroidSize, maxAsteroidSize]. A positive grace time keeps it out of collisions.
    Asteroid(double size, int kind, double graceTime);
    ~Asteroid() override;

    // Shows or hides the selection marker and the target pointer.
    virtual void setSelected(bool selected);
    bool isSelected() const { return selected_; }

    // Damage, destruction and score, sparks.
    void onCollision(PhysicalSceneObject* other, Vector point, double damage) override;
    // Fading after destruction, the grace time, then motion and children.
    void calculate(TimeStep step) override;
    // Fragments and explosion, once, after destruction.
    void calculateLater(TimeStep step) override;
    // Lit by the projectiles near it; a fading wreck is drawn over everything.
    void draw() override;
    void drawSolidGeometry() override;

    using DynamicSceneObject::setSpin;
    using DynamicSceneObject::setVelocity;
    // Capped at maxSpeed (a velocity that is not finite stops the rock).
    void setVelocity(const Vector& velocity) override;
    // Capped at maxSpin either way.
    void setSpin(double speed, const Vector& axis) override;
    // Only 0 is accepted: throws GameError "The multiplicity order of asteroid can not be set".
    void setTransformOrder(int order) override;
    double getAlpha() override;
    // Passed to the model and the markers.
    void setAlpha(double alpha) override;

    int getNumber() const { return number_; }
    double getSize() const { return size_; }
    int getKind() const { return kind_; }
    double getLife() const { return life_; }
    double getMaxLife() const { return maxLife_; }
    double getMaxSpeed() const { return maxSpeed_; }
    double getMaxSpin() const { return maxSpin_; }
    double getGraceTime() const { return graceTime_; }
    bool isDestroyedByDamage() const { return wrecked_; }
    Model* getModel() const { return model_; }
    TargetPointer* getTargetPointer() const { return targetPointer_; }
    AsteroidLifeBeam* getLifeBeam() const { return lifeBeam_; }
    AsteroidSelection* getSelectionMarker() const { return selectionMarker_; }

    // Where the points of a destroyed asteroid go: by default to the game manager's score
    // (nowhere without one). A null handler restores the default.
    using PointsHandler = std::function<void(double points)>;
    static void setPointsHandler(PointsHandler handler);

    static const Registry<Asteroid>& registry() { return Registered<Asteroid>::registered(); }
    // The rock of that number in the registry (alive, not fading), or null.
    static Asteroid* withNumber(int number);

    // The bag of octants that fragments take from the back: the eight numbers 0..7 in a
    // random order. Octant o has x, y, z signs from its bits 2, 1, 0 (set: negative).
    static std::vector<int> shuffledOctants();
    static Vector octantSigns(int octant);

    // How long a wreck takes to fade out.
    static constexpr double fadeDuration = 0.3;
    static constexpr double fragmentGraceTime = 1.5;

private:
    void splitIfPending(TimeStep step);
    void makeFragments(TimeStep step, int count, int& made);
    void explode(TimeStep step, int missingFragments);
    void sparkle(PhysicalSceneObject* other, const Vector& point);
    void release(SceneObject* object, TimeStep step);
    void leaveRegistry();

    std::vector<int> octantBag_;
    Model* model_;
    double life_;
    double maxLife_;
    AsteroidLifeBeam* lifeBeam_;
    TargetPointer* targetPointer_ = nullptr;
    AsteroidSelection* selectionMarker_;
    bool wrecked_ = false;
    bool splitPending_ = false;
    double alphaAtDeath_ = 1.0;
    double fadeTime_ = 0.0;
    int number_;
    double size_;
    int kind_;
    double maxSpeed_;
    double maxSpin_;
    double graceTime_;
    bool selected_ = false;
    TimeStep lastTimeStep_;
};
