// Hands out one bit per entity-system class, in order of first request (bit position 0, then
// 1, 2, ...). An entity records in its system mask which systems hold it. Class-wide, shared by
// every world for the life of the program.
#pragma once

#include <cstdint>

namespace tarvex {

class Type;

class SystemBitManager {
public:
    // At most this many system classes can be told apart (the sign bit is never handed out).
    static constexpr std::int32_t MAX_SYSTEMS = 63;

    // The class's bit. A class that is not an entity system raises "Must extend EntitySystem";
    // a class beyond the last free bit raises as well.
    [[nodiscard]] static std::int64_t getBitFor(const Type* systemClass);
};

} // namespace tarvex
