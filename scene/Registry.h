#pragma once
// Registry: the class-wide set of live objects that a cross-cutting pass walks (listeners,
// calculated objects, asteroids, projectiles...). Ordered by address, never owning, each
// member at most once. The order carries no meaning.
//
// forEach walks a snapshot: members that leave during the walk are skipped, members that
// join wait for the next walk. So a pass may create and destroy members safely.
// Registries are reached through leaky function-local singletons (see `registryOf`), so
// neither construction nor destruction order across files can bite.
#include <cstddef>
#include <set>
#include <vector>

template <class T>
class Registry {
public:
    void insert(T* member) { members_.insert(member); }
    void erase(T* member) { members_.erase(member); }
    bool contains(const T* member) const { return members_.count(const_cast<T*>(member)) != 0; }
    bool empty() const { return members_.empty(); }
    std::size_t size() const { return members_.size(); }

    typename std::set<T*>::const_iterator begin() const { return members_.begin(); }
    typename std::set<T*>::const_iterator end() const { return members_.end(); }

    std::vector<T*> snapshot() const { return std::vector<T*>(members_.begin(), members_.end()); }

    template <class Function>
    void forEach(Function function) const
    {
        for (T* member : snapshot()) {
            if (contains(member)) function(member);
        }
    }

private:
    std::set<T*> members_;
};

// The one registry of kind T (a tag type may tell two registries of one type apart).
// Never destroyed: objects that die during process exit may still leave it.
template <class T, class Tag = T>
Registry<T>& registryOf()
{
    static Registry<T>* registry = new Registry<T>;
    return *registry;
}
