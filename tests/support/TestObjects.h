#pragma once
// Small concrete scene objects for tests: they draw nothing and count their deletions.
#include "scene/DynamicScene.h"
#include "scene/DynamicSceneObject.h"

struct DeletionCounter {
    int deleted = 0;
};

class TestObject : public DynamicSceneObject {
public:
    explicit TestObject(DeletionCounter* counter = nullptr) : counter_(counter) {}
    ~TestObject() override
    {
        if (counter_ != nullptr) ++counter_->deleted;
    }
    void draw() override { DynamicSceneObject::draw(); }

private:
    DeletionCounter* counter_;
};

class TestScene : public DynamicScene {
public:
    explicit TestScene(DeletionCounter* counter = nullptr) : counter_(counter) {}
    ~TestScene() override
    {
        if (counter_ != nullptr) ++counter_->deleted;
    }

private:
    DeletionCounter* counter_;
};
