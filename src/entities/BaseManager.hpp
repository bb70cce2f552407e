// The common base of the world's managers (entities, systems, tags, groups) and of any extra
// manager a game registers with World::setManager.
#pragma once

#include "core/Object.hpp"

namespace tarvex {

class BaseManager : public Object {
    TARVEX_OBJECT(BaseManager, Object)
};

} // namespace tarvex
