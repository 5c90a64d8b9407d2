#pragma once
// Registered<T>: mixin that makes every T a member of T's registry (scene/Registry.h) from
// construction to destruction. Listeners use setRegistered to stop and resume listening.
#include "scene/Registry.h"

template <class T>
class Registered {
public:
    static const Registry<T>& registered() { return registryOf<T>(); }

protected:
    // T's construction has begun when its base is built, so the pointer is taken here and
    // kept: the destructor must not convert once T is gone.
    Registered() : self_(static_cast<T*>(this)) { registryOf<T>().insert(self_); }
    Registered(const Registered&) : Registered() {}
    Registered& operator=(const Registered&) { return *this; }
    ~Registered() { registryOf<T>().erase(self_); }

    void setRegistered(bool member)
    {
        if (member)
            registryOf<T>().insert(self_);
        else
            registryOf<T>().erase(self_);
    }

private:
    T* self_;
};
