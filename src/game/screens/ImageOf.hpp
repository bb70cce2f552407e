// The image of an image resource, or null when there is no such resource or file: screens
// build their sprites with it and show nothing where a picture is missing.
#pragma once

#include "platform/Image.hpp"
#include "resources/ImageResource.hpp"

namespace tarvex::game {

[[nodiscard]] inline Ref<platform::Image> imageOf(const Ref<ImageResource>& resource) {
    return resource ? resource->getImage() : nullptr;
}

} // namespace tarvex::game
