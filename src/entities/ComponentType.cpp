#include "entities/ComponentType.hpp"

#include "core/Error.hpp"
#include "core/TypeBuilder.hpp"

namespace tarvex {
namespace {
// Running id, shared by every world for the life of the program.
std::int32_t nextComponentTypeId = 0;
} // namespace

const Type& ComponentType::staticType() {
    static const Type& type = TypeBuilder<ComponentType>("ComponentType")
                                  .noFactory()
                                  .field("_bit", &ComponentType::_bit)
                                  .field("_id", &ComponentType::_id)
                                  .build();
    return type;
}

ComponentType::ComponentType() : _bit(0), _id(nextComponentTypeId) {
    if (_id >= MAX_TYPES) {
        throw Error("Cannot create more than 63 component types");
    }
    ++nextComponentTypeId;
    _bit = std::int64_t{1} << _id;
}

std::string ComponentType::ToString() const {
    return "ComponentType[" + std::to_string(_id) + "]";
}

} // namespace tarvex
