#pragma once
// Registry: the class-wide set of live objects that a cross-cutting pass walks (listeners,
// calculated objects, asteroids, projectiles...). Ordered by address, never owning, each
// member at most once. The order carries no meaning.
//
// forEach walks a snapshot: members that leave during the walk are skipped, members that
// join wait for the next walk, even when a newcomer reuses the address of one that left
// (every insertion gets a serial number, and the walk checks it).
// Registries are reached through leaky function-local singletons (see `registryOf`), so
// neither construction nor destruction order across files can bite.
#include <cstddef>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

template <class T>
class Registry {
    using Members = std::map<T*, std::uint64_t>;

public:
    // Iterates the members as plain pointers.
    class Iterator {
    public:
        explicit Iterator(typename Members::const_iterator at) : at_(at) {}
        T* operator*() const { return at_->first; }
        Iterator& operator++()
        {
            ++at_;
            return *this;
        }
        bool operator==(const Iterator& other) const { return at_ == other.at_; }

    private:
        typename Members::const_iterator at_;
    };

    void insert(T* member) { members_.emplace(member, ++serial_); }
    void erase(T* member) { members_.erase(member); }
    bool contains(const T* member) const { return members_.count(const_cast<T*>(member)) != 0; }
    bool empty() const { return members_.empty(); }
    std::size_t size() const { return members_.size(); }
    Iterator begin() const { return Iterator(members_.begin()); }
    Iterator end() const { return Iterator(members_.end()); }

    std::vector<T*> snapshot() const
    {
        std::vector<T*> members;
        members.reserve(members_.size());
        for (const auto& [member, serial] : members_) members.push_back(member);
        return members;
    }

    template <class Function>
    void forEach(Function function) const
    {
        std::vector<std::pair<T*, std::uint64_t>> walk(members_.begin(), members_.end());
        for (const auto& [member, serial] : walk) {
            auto found = members_.find(member);
            if (found != members_.end() && found->second == serial) function(member);
        }
    }

private:
    Members members_;
    std::uint64_t serial_ = 0;
};

// The one registry of kind T (a tag type may tell two registries of one type apart).
// Never destroyed: objects that die during process exit may still leave it.
template <class T, class Tag = T>
Registry<T>& registryOf()
{
    static Registry<T>* registry = new Registry<T>;
    return *registry;
}
