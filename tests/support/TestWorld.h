#pragma once
// TestWorld: a game world for GL tests, made as a game makes it (a SpaceManager on a level),
// with or without the level's asteroids, a repeatable random sequence, a hand-driven clock
// for the middle button, and frames of a chosen length. Deleting it deletes the world and
// restores the level record.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/GameEventListener.h"
#include "app/GameManager.h"
#include "app/Level.h"
#include "scene/SceneGraph.h"
#include "world/Asteroid.h"
#include "world/Random.h"
#include "world/Space.h"
#include "world/SpaceManager.h"
#include "world/SpaceShip.h"

class TestWorld {
public:
    explicit TestWorld(const std::string& level = "Easy", bool withAsteroids = false, unsigned seed = 1)
    {
        GameManager::selectLevel(level);
        if (!withAsteroids)
            for (AsteroidCount& row : GameManager::currentLevel().asteroidCounts) row.count = 0;
        seedRandom(seed);
        SceneGraph::getInstance();
        manager_ = std::make_unique<SpaceManager>([this] { return clockNanoseconds; });
        manager_->update({0.0, 0.0});
    }
    ~TestWorld()
    {
        manager_.reset();
        GameManager::selectLevel("default");
    }

    void frame(double delta = 1.0 / 60.0)
    {
        time_ += delta;
        manager_->update({time_, delta});
    }
    void run(double seconds, double delta = 1.0 / 60.0)
    {
        const int frames = static_cast<int>(seconds / delta + 0.5);
        for (int i = 0; i < frames; ++i) frame(delta);
    }
    // The middle button's clock.
    void advanceClock(double seconds) { clockNanoseconds += static_cast<std::int64_t>(seconds * 1e9); }

    // A rock of `size` and `kind` at rest (or moving) at `position`, already part of the world.
    Asteroid* addAsteroid(double size, int kind, const Vector& position, const Vector& velocity = {})
    {
        auto* asteroid = new Asteroid(size, kind, 0.0);
        asteroid->setPosition(position);
        asteroid->setVelocity(velocity);
        world()->addChild(asteroid);
        asteroid->calculate({time_, 0.0});
        return asteroid;
    }

    // `object` at `position`, part of the world.
    template <class T>
    T* place(T* object, const Vector& position)
    {
        object->setPosition(position);
        world()->addChild(object);
        return object;
    }

    // A button at window pixel (x, y), with the rock under it picked as the window picks it.
    void press(int button, int x, int y) { manager_->mouseButtonPressed(button, click(x, y)); }
    void release(int button, int x, int y) { manager_->mouseButtonReleased(button, click(x, y)); }
    void moveTo(int x, int y) { manager_->mouseMoved(Pointer::inViewport(x, y)); }

    SpaceManager& manager() { return *manager_; }
    Space* world() { return manager_->getWorld(); }
    SpaceShip* ship() { return world()->getShip(); }
    double time() const { return time_; }

    std::int64_t clockNanoseconds = 0;

private:
    Pointer click(int x, int y)
    {
        Pointer pointer = Pointer::inViewport(x, y);
        const Asteroid* rock = manager_->pickAsteroid(x, y);
        pointer.rock = rock != nullptr ? rock->getNumber() : 0;
        return pointer;
    }

    std::unique_ptr<SpaceManager> manager_;
    double time_ = 0.0;
};

// The points reported while it lives.
struct PointsSpy {
    PointsSpy()
    {
        Asteroid::setPointsHandler([this](double points) { reported.push_back(points); });
    }
    ~PointsSpy() { Asteroid::setPointsHandler(nullptr); }
    std::vector<double> reported;
};

// A hit that ends any rock, from something that is not a rock (the ship, say).
inline void wreck(Asteroid* rock, PhysicalSceneObject* by)
{
    rock->onCollision(by, rock->getAbsolutePosition() + Vector(0, 0, 1), 1e6);
}

// Counts the game events raised while it lives.
struct GameEventSpy : GameEventListener {
    void gameEventOccurred(GameEvent event) override { events.push_back(event); }
    int count(GameEvent event) const
    {
        int n = 0;
        for (GameEvent e : events) n += e == event;
        return n;
    }
    std::vector<GameEvent> events;
};
