#pragma once
// Small concrete scene objects for tests: they draw nothing of their own and count their deletions.
#include "scene/DynamicScene.h"
#include "scene/DynamicSceneObject.h"

struct DeletionCounter {
    int deleted = 0;
};

// A `Base` that counts its deletion on the counter it was given, if any.
template <class Base>
class Counted : public Base {
public:
    explicit Counted(DeletionCounter* counter = nullptr) : counter_(counter) {}
    ~Counted() override
    {
        if (counter_ != nullptr) ++counter_->deleted;
    }

private:
    DeletionCounter* counter_;
};

using TestObject = Counted<DynamicSceneObject>;
using TestScene = Counted<DynamicScene>;
