#include "kernel/GameServiceCollection.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex {
namespace {

int compareBytes(std::uint8_t a, std::uint8_t b) {
    if (a == b) {
        return 0;
    }
    return a > b ? 1 : -1;
}

} // namespace

const Type& GameServiceCollection::staticType() {
    static const Type& type = TypeBuilder<GameServiceCollection>("GameServiceCollection").build();
    return type;
}

const Type& GameServiceLocator::staticType() {
    static const Type& type = TypeBuilder<GameServiceLocator>("GameServiceLocator").build();
    return type;
}

GameServiceCollection::GameServiceCollection() : _sortMethod(&comparePriority) {}

Ref<GameServiceCollection> GameServiceCollection::Create(std::int32_t capacity) {
    auto collection = std::make_shared<GameServiceCollection>();
    collection->_grow(capacity);
    return collection;
}

void GameServiceCollection::sort(std::int32_t direction, const Comparator& comparator) {
    Bag<GameService>::sort(direction, comparator ? comparator : _sortMethod);
}

int GameServiceCollection::comparePriority(const Ref<GameService>& a, const Ref<GameService>& b) {
    return compareBytes(a->getPriority(), b->getPriority());
}

int GameServiceCollection::compareUpdatePriority(const Ref<GameService>& a,
                                                 const Ref<GameService>& b) {
    return compareBytes(a->getUpdatePriority(), b->getUpdatePriority());
}

int GameServiceCollection::compareRenderPriority(const Ref<GameService>& a,
                                                 const Ref<GameService>& b) {
    return compareBytes(a->getRenderPriority(), b->getRenderPriority());
}

Ref<GameService> GameServiceLocator::get(const Type* type) const {
    const auto found = _services.find(type);
    return found == _services.end() ? nullptr : found->second;
}

void GameServiceLocator::set(const Type* type, Ref<GameService> service) {
    _services[type] = std::move(service);
}

void GameServiceLocator::unset(const Type* type) {
    _services.erase(type);
}

} // namespace tarvex
