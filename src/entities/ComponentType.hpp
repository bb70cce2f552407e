// The run-time identity of one component class: a dense id (0, 1, 2, ... in order of first use)
// and a single bit (2 to the power of the id). Entities OR the bits of their components into a
// mask, and systems select entities with one mask test. Instances are made only by
// ComponentTypeManager, one per component class, and live for the whole run.
#pragma once

#include "core/Object.hpp"

#include <cstdint>

namespace tarvex {

class ComponentType : public Object {
    TARVEX_OBJECT(ComponentType, Object)
public:
    // At most this many component types can be told apart: masks are signed 64-bit and
    // membership is tested with "> 0", so the sign bit is never handed out.
    static constexpr std::int32_t MAX_TYPES = 63;

    // Takes the next id and bit; raises an error once MAX_TYPES have been made.
    ComponentType();

    [[nodiscard]] std::int64_t getBit() const { return _bit; }
    [[nodiscard]] std::int32_t getId() const { return _id; }

    [[nodiscard]] std::string ToString() const override;

private:
    std::int64_t _bit;
    std::int32_t _id;
};

} // namespace tarvex
