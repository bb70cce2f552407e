#include "resources/FileResource.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex {

const Type& FileResource::staticType() {
    static const Type& type =
        TypeBuilder<FileResource>("FileResource").meta("resource_type", "file").build();
    return type;
}

Ref<platform::Stream> FileResource::openStream() {
    const std::string& file = _assetFile();
    auto stream = platform::openStream(file, platform::STREAM_READ | platform::STREAM_WRITE);
    if (!stream) {
        stream = platform::openStream(file, platform::STREAM_READ);
    }
    if (!stream) {
        _reportUnreadable(file);
    }
    return stream;
}

} // namespace tarvex
