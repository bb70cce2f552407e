#include "core/Bag.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::detail {

const Type& objectBagType() {
    static const Type& type = TypeBuilder<ObjectBag>("ObjectBag").build();
    return type;
}

const Type& objectBagEnumType() {
    static const Type& type = TypeBuilder<ObjectBagEnum>("ObjectBagEnum").noFactory().build();
    return type;
}

} // namespace tarvex::detail
