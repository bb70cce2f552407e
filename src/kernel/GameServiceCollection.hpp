// The kernel's growable lists of services: a bag with a comparator of its own, sorted by the
// stable bidirectional bubble sort so that services of equal priority keep the order in which
// they were added.
#pragma once

#include "core/Bag.hpp"
#include "kernel/GameService.hpp"

#include <functional>
#include <map>

namespace tarvex {

class GameServiceCollection : public Bag<GameService> {
    TARVEX_OBJECT(GameServiceCollection, Bag<GameService>)
public:
    using Comparator = std::function<int(const Ref<GameService>&, const Ref<GameService>&)>;

    GameServiceCollection();
    [[nodiscard]] static Ref<GameServiceCollection> Create(std::int32_t capacity);

    void setSortMethod(Comparator comparator) { _sortMethod = std::move(comparator); }
    // Sorts with `comparator`, or the collection's own when none is given.
    void sort(std::int32_t direction, const Comparator& comparator = nullptr);

    // Compares general priorities (unsigned): 1 greater, -1 smaller, 0 equal.
    [[nodiscard]] static int comparePriority(const Ref<GameService>& a, const Ref<GameService>& b);
    [[nodiscard]] static int compareUpdatePriority(const Ref<GameService>& a,
                                                   const Ref<GameService>& b);
    [[nodiscard]] static int compareRenderPriority(const Ref<GameService>& a,
                                                   const Ref<GameService>& b);

private:
    Comparator _sortMethod;
};

using GameServiceCollectionEnum = BagEnum<GameService>;

// Type identity -> the service registered under it.
class GameServiceLocator : public Object {
    TARVEX_OBJECT(GameServiceLocator, Object)
public:
    [[nodiscard]] Ref<GameService> get(const Type* type) const;
    void set(const Type* type, Ref<GameService> service);
    void unset(const Type* type);
    [[nodiscard]] bool has(const Type* type) const { return _services.contains(type); }

private:
    std::map<const Type*, Ref<GameService>> _services;
};

} // namespace tarvex
