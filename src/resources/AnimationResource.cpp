#include "resources/AnimationResource.hpp"

#include "core/TextConversion.hpp"
#include "core/TypeBuilder.hpp"
#include "resources/BrixFileUtil.hpp"

namespace tarvex {

const Type& AnimationResource::staticType() {
    static const Type& type = TypeBuilder<AnimationResource>("AnimationResource")
                                  .meta("resource_type", "animation")
                                  .field("_loopCount", &AnimationResource::_loopCount)
                                  .field("_frameTime", &AnimationResource::_frameTime)
                                  .field("_frameSets", &AnimationResource::_frameSets)
                                  .field("_animCount", &AnimationResource::_animCount)
                                  .build();
    return type;
}

const std::vector<std::int32_t>& AnimationResource::getFrameset(const std::string& name) const {
    static const std::vector<std::int32_t> none;
    const auto found = _frameSets.find(name);
    return found == _frameSets.end() ? none : found->second;
}

void AnimationResource::_loadDefinition() {
    const std::string loop = _setting("loop", "");
    if (loop == "forever") {
        _loopCount = LOOP_FOREVER;
    } else if (!loop.empty()) {
        _loopCount = toInt(loop);
    }
    _frameTime = toInt(_setting("frame_time", ""));

    const auto& definition = getDefinition();
    const auto* frames = definition ? definition->getData("animation_frames") : nullptr;
    if (frames == nullptr) {
        return;
    }
    for (const auto& [name, list] : *frames) {
        std::vector<std::int32_t> set;
        for (const auto& number : BrixFile_Util::Split(list, ',')) {
            set.push_back(toInt(BrixFile_Util::Trim(number)));
        }
        _frameSets[name] = std::move(set);
        ++_animCount;
    }
}

} // namespace tarvex
