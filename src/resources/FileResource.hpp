// A plain file handed out as a stream: every get() opens a new stream on the file, which the
// caller owns and closes by dropping it.
//
//     [t:resource, n:credits] { type = file; file = credits.txt; }
//
//     auto stream = std::dynamic_pointer_cast<platform::Stream>(resources->getObject(id, false));
//
// The stream is opened for reading and writing; a file that may only be read (an installed
// data directory, a compiled-in file) is opened read-only instead.
#pragma once

#include "platform/Stream.hpp"
#include "resources/BaseResource.hpp"

namespace tarvex {

class FileResource : public BaseResource {
    TARVEX_OBJECT(FileResource, BaseResource)
public:
    // A new stream on the file; null when it cannot be opened.
    [[nodiscard]] Ref<platform::Stream> openStream();

protected:
    void _loadDefinition() override {}
    void _load() override {}
    void _free() override {}
    [[nodiscard]] ObjectRef _get() override { return openStream(); }
};

} // namespace tarvex
