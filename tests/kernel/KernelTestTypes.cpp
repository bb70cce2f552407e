#include "KernelTestTypes.hpp"

#include "core/TypeBuilder.hpp"
#include "core/TypeRegistry.hpp"
#include "kernel/KernelTypes.hpp"

namespace tarvex::testing {

std::vector<std::string>& calls() {
    static std::vector<std::string> log;
    return log;
}

const Type& RecordingService::staticType() {
    static const Type& type = TypeBuilder<RecordingService>("RecordingService")
                                  .meta("implements", "update, render")
                                  .build();
    return type;
}

const Type& UpdateOnlyService::staticType() {
    static const Type& type =
        TypeBuilder<UpdateOnlyService>("UpdateOnlyService").meta("implements", "update").build();
    return type;
}

const Type& RenderUpdateService::staticType() {
    static const Type& type = TypeBuilder<RenderUpdateService>("RenderUpdateService")
                                  .meta("implements", " render ,update ")
                                  .build();
    return type;
}

const Type& SilentService::staticType() {
    static const Type& type = TypeBuilder<SilentService>("SilentService").build();
    return type;
}

const Type& ConsumerService::staticType() {
    static const Type& type =
        TypeBuilder<ConsumerService>("ConsumerService")
            .field("_updateOnly", &ConsumerService::_updateOnly, {{"injectable", "1"}})
            .field("_silent", &ConsumerService::_silent, {{"injectable", "1"}})
            .field("_silentAgain", &ConsumerService::_silentAgain, {{"injectable", "1"}})
            .field("_untagged", &ConsumerService::_untagged)
            .build();
    return type;
}

void registerKernelTestTypes() {
    registerKernelTypes();
    TypeRegistry::instance()
        .add<RecordingService, UpdateOnlyService, RenderUpdateService, SilentService,
             ConsumerService>();
}

} // namespace tarvex::testing
