#pragma once
// Registry: the class-wide set of live objects that a cross-cutting pass walks (listeners,
// calculated objects, asteroids, projectiles...). Never owning, each member at most once.
// Members are walked in the order they joined, so that a game replays identically wherever
// the allocator puts its objects: every insertion gets the next serial number, and a member
// that leaves and joins again goes to the end. Inserting a present member changes nothing.
//
// forEach walks the members present when it starts, without copying them: members that
// leave during the walk are skipped, members that join wait for the next walk, even when a
// newcomer reuses the address of one that left (it has a later serial number).
// Registries are reached through leaky function-local singletons (see `registryOf`), so
// neither construction nor destruction order across files can bite.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <map>
#include <unordered_map>
#include <utility>
#include <vector>

template <class T>
class Registry {
    // The ordered side gives the walks their order; the hashed side answers contains and erase
    // by pointer without a search. The hashed side is never iterated.
    using Members = std::map<std::uint64_t, T*>;

public:
    // Iterates the members as plain pointers, in joining order.
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T*;
        using difference_type = std::ptrdiff_t;
        using pointer = T* const*;
        using reference = T*;

        Iterator() = default;
        explicit Iterator(typename Members::const_iterator at) : at_(at) {}
        T* operator*() const { return at_->second; }
        Iterator& operator++()
        {
            ++at_;
            return *this;
        }
        Iterator operator++(int)
        {
            Iterator before = *this;
            ++at_;
            return before;
        }
        bool operator==(const Iterator& other) const { return at_ == other.at_; }

    private:
        typename Members::const_iterator at_;
    };

    void insert(T* member)
    {
        if (!serials_.try_emplace(member, serial_ + 1).second) return;
        members_.emplace(++serial_, member);
    }
    void erase(T* member)
    {
        const auto found = serials_.find(member);
        if (found == serials_.end()) return;
        members_.erase(found->second);
        serials_.erase(found);
        ++erasures_;
    }
    bool contains(const T* member) const { return serials_.count(const_cast<T*>(member)) != 0; }
    bool empty() const { return members_.empty(); }
    std::size_t size() const { return members_.size(); }
    Iterator begin() const { return Iterator(members_.begin()); }
    Iterator end() const { return Iterator(members_.end()); }

    std::vector<T*> snapshot() const
    {
        std::vector<T*> members;
        members.reserve(members_.size());
        for (const auto& [serial, member] : members_) members.push_back(member);
        return members;
    }

    template <class Function>
    void forEach(Function function) const
    {
        const std::uint64_t last = serial_;
        for (auto at = members_.begin(); at != members_.end() && at->first <= last;) {
            const std::uint64_t serial = at->first;
            const std::uint64_t erasures = erasures_;
            function(at->second);
            // Only an erasure can take the node away; then the walk finds its place again.
            at = erasures == erasures_ ? std::next(at) : members_.upper_bound(serial);
        }
    }

private:
    Members members_;
    std::unordered_map<T*, std::uint64_t> serials_;
    std::uint64_t serial_ = 0;
    std::uint64_t erasures_ = 0;
};

// The one registry of kind T (a tag type may tell two registries of one type apart).
// Never destroyed: objects that die during process exit may still leave it.
template <class T, class Tag = T>
Registry<T>& registryOf()
{
    static Registry<T>* registry = new Registry<T>;
    return *registry;
}
