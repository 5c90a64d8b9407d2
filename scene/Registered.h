#pragma once
// Registered<T>: mixin that makes every T a member of T's registry (scene/Registry.h) from
// construction to destruction. Listeners use setRegistered to stop and resume listening.
// T hands itself to the mixin's constructor: `T() : Registered<T>(this) {}`. The mixin cannot
// find T on its own, since converting its `this` down to a T that is not yet built is
// undefined (and UBSan reports it). A copy of a T is a new member and must hand itself too.
#include "scene/Registry.h"

template <class T>
class Registered {
public:
    static const Registry<T>& registered() { return registryOf<T>(); }

protected:
    // The pointer is kept: the destructor must not convert once T is gone.
    explicit Registered(T* self) : self_(self) { registryOf<T>().insert(self_); }
    Registered(const Registered&) = delete;
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
