// A growable array of object references, indexed by position. `get` out of range answers null;
// removal moves the last element into the gap (order is not kept); capacity grows
// 0, 1, 2, 4, 7, 11, 17, ... and never shrinks. Bags of any object class share the behaviour;
// `ObjectBag` is the untyped one.
//
//     Bag<Entity> actives;
//     actives.add(entity);
//     for (const auto& e : actives) { ... }     // the used slots, in position order
//     auto walk = actives.ObjectEnumerator();   // a live walk that sees later additions
//     while (walk.HasNext()) { process(walk.NextObject()); }
#pragma once

#include "core/Error.hpp"
#include "core/Object.hpp"

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace tarvex {

template <class T> class Bag;

// Forward walk over a bag by position; reads the bag's size at every step.
template <class T> class BagEnum : public Object {
public:
    using Base = Object;
    explicit BagEnum(const Bag<T>* bag) : _bag(bag) {}
    [[nodiscard]] static const Type& staticType();
    [[nodiscard]] const Type& getType() const override { return staticType(); }

    [[nodiscard]] bool HasNext() const { return _bag != nullptr && _pos < _bag->getSize(); }
    const Ref<T>& NextObject() { return _bag->get(_pos++); }

private:
    const Bag<T>* _bag; // the bag outlives its walks
    std::int32_t _pos = 0;
};

template <class T> class Bag : public Object {
public:
    static constexpr std::int32_t SORT_ASC = 1;
    static constexpr std::int32_t SORT_DESC = -1;

    using Base = Object;
    Bag() = default;
    [[nodiscard]] static const Type& staticType();
    [[nodiscard]] const Type& getType() const override { return staticType(); }

    [[nodiscard]] static Ref<Bag> Create(std::int32_t capacity) {
        auto bag = std::make_shared<Bag>();
        bag->_grow(capacity);
        return bag;
    }

    [[nodiscard]] std::int32_t getSize() const { return _size; }
    [[nodiscard]] std::int32_t getCapacity() const {
        return static_cast<std::int32_t>(_objects.size());
    }
    [[nodiscard]] bool isEmpty() const { return _size == 0; }
    [[nodiscard]] bool contains(const T* object) const { return findObject(object) != -1; }
    [[nodiscard]] bool contains(const Ref<T>& object) const { return contains(object.get()); }

    [[nodiscard]] std::int32_t findObject(const T* object) const {
        for (std::int32_t i = 0; i < _size; ++i) {
            if (_objects[static_cast<std::size_t>(i)].get() == object) {
                return i;
            }
        }
        return -1;
    }
    [[nodiscard]] std::int32_t findObject(const Ref<T>& object) const {
        return findObject(object.get());
    }

    [[nodiscard]] const Ref<T>& get(std::int32_t i) const {
        return (i < 0 || i >= _size) ? _none : _objects[static_cast<std::size_t>(i)];
    }

    void add(Ref<T> object) {
        if (_size == getCapacity()) {
            _grow(-1);
        }
        _objects[static_cast<std::size_t>(_size++)] = std::move(object);
    }

    void addCollection(const Bag* bag) {
        if (bag == nullptr) {
            return;
        }
        const std::int32_t count = bag->getSize(); // adding a bag to itself copies it once
        for (std::int32_t i = 0; i < count; ++i) {
            add(bag->get(i));
        }
    }

    void addArray(std::span<const Ref<T>> objects) {
        for (const auto& object : objects) {
            if (object) {
                add(object);
            }
        }
    }

    void set(std::int32_t i, Ref<T> object) {
        if (i < 0) {
            throw Error("Cannot set element at index < 0");
        }
        if (i >= getCapacity()) {
            _grow(i * 2 + 1);
            _size = i + 1;
        } else if (i >= _size) {
            _size = i + 1;
        }
        _objects[static_cast<std::size_t>(i)] = std::move(object);
    }

    Ref<T> remove(std::int32_t i) {
        if (i < 0 || i >= _size) {
            return nullptr;
        }
        auto& slot = _objects[static_cast<std::size_t>(i)];
        Ref<T> removed = std::move(slot);
        auto& last = _objects[static_cast<std::size_t>(_size - 1)];
        if (&slot != &last) {
            slot = std::move(last);
        }
        last.reset();
        --_size;
        return removed;
    }

    Ref<T> removeLast() {
        if (_size == 0) {
            return nullptr;
        }
        --_size;
        return std::move(_objects[static_cast<std::size_t>(_size)]);
    }

    bool removeObject(const T* object) {
        const std::int32_t i = findObject(object);
        if (i < 0) {
            return false;
        }
        remove(i);
        return true;
    }
    bool removeObject(const Ref<T>& object) { return removeObject(object.get()); }

    bool removeCollection(const Bag* bag) {
        if (bag == nullptr) {
            return false;
        }
        const std::int32_t before = _size;
        for (std::int32_t i = 0; i < bag->getSize(); ++i) {
            removeObject(bag->get(i));
        }
        return _size != before;
    }

    void clear() {
        for (std::int32_t i = 0; i < _size; ++i) {
            _objects[static_cast<std::size_t>(i)].reset();
        }
        _size = 0;
    }

    // Bidirectional bubble sort: neighbours k, k+1 are swapped when compare(a[k], a[k+1])
    // equals `order`, so equal elements keep their relative order.
    template <class Compare> void sort(std::int32_t order, Compare&& compare) {
        if (_size < 2) {
            return;
        }
        std::int32_t low = 0;
        std::int32_t high = _size - 2;
        while (true) {
            bool swapped = false;
            for (std::int32_t k = low; k <= high; ++k) {
                if (compare(get(k), get(k + 1)) == order) {
                    _swap(k, k + 1);
                    swapped = true;
                }
            }
            --high;
            if (!swapped) {
                return;
            }
            swapped = false;
            for (std::int32_t k = high; k >= low; --k) {
                if (compare(get(k), get(k + 1)) == order) {
                    _swap(k, k + 1);
                    swapped = true;
                }
            }
            ++low;
            if (!swapped) {
                return;
            }
        }
    }

    void _swap(std::int32_t i, std::int32_t j) {
        std::swap(_objects[static_cast<std::size_t>(i)], _objects[static_cast<std::size_t>(j)]);
    }

    void _grow(std::int32_t n) {
        if (n < 0) {
            n = getCapacity() * 3 / 2 + 1;
        }
        _objects.resize(static_cast<std::size_t>(n));
    }

    [[nodiscard]] BagEnum<T> ObjectEnumerator() const { return BagEnum<T>(this); }

    // The used slots, for range-for. Do not add or remove while walking these.
    [[nodiscard]] auto begin() const { return _objects.begin(); }
    [[nodiscard]] auto end() const { return _objects.begin() + _size; }

private:
    // The answer for positions out of range; a class member, so lookups need no guard check.
    static inline const Ref<T> _none;

    std::int32_t _size = 0;
    std::vector<Ref<T>> _objects; // its length is the capacity; unused slots hold null
};

using ObjectBag = Bag<Object>;
using ObjectBagEnum = BagEnum<Object>;

namespace detail {
const Type& objectBagType();
const Type& objectBagEnumType();
} // namespace detail

// Every bag answers the one ObjectBag record, whatever its element class.
template <class T> const Type& Bag<T>::staticType() {
    return detail::objectBagType();
}
template <class T> const Type& BagEnum<T>::staticType() {
    return detail::objectBagEnumType();
}

} // namespace tarvex
