// The kernel service through which the game reaches its resources: it owns one
// ResourceManager and remembers which definition files were registered. Screens, systems and
// services receive it by injection:
//
//     _resources->loadResourceFile(programDirectory() + "/resource_db/objects/resources.brix",
//                                  true);
//     auto boat = _resources->getImage("depthrun.objects.player");      // decoded on first use
//     auto splash = _resources->getSound("depthrun.sounds.splash1");
//
// It neither updates nor renders. A missing image or sound answers null (callers draw or play
// nothing); the debug log says which identifier was missing.
#pragma once

#include "kernel/GameService.hpp"
#include "platform/Image.hpp"
#include "platform/Sound.hpp"
#include "resources/ResourceManager.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

class ResourceService : public GameService {
    TARVEX_OBJECT(ResourceService, GameService)
public:
    // The name of the definition file of each content area.
    static constexpr std::string_view RESOURCE_FILE_NAME = "resources.brix";

    ResourceService();

    [[nodiscard]] virtual const Ref<ResourceManager>& getManager() const { return _resources; }
    // Every registered full name, in ascending order.
    [[nodiscard]] virtual std::vector<std::string> getResourceNames() const;
    // The resource with one more reference (see ResourceManager::getResource).
    virtual Ref<BaseResource> get(const std::string& name, bool lazy);
    // The resource's object (image, sound, font...); null when there is no such resource.
    virtual ObjectRef getObject(const std::string& name, bool lazy);
    // The image of an image resource, read first when needed. Null when there is no image
    // resource of that name ("Could not find resource: <name>" in the debug log) or its file
    // could not be read.
    virtual Ref<platform::Image> getImage(const std::string& name);
    // The same for sounds ("Could not find sound resource: <name>").
    virtual Ref<platform::Sound> getSound(const std::string& name);
    // Registers every file in order, without recording them.
    virtual void loadAssets(const std::vector<std::string>& files, bool lazy);
    // Registers one file and records it in getLoadedFiles().
    virtual void loadResourceFile(const std::string& file, bool lazy);
    // Reads every resource again.
    virtual void reload();
    virtual void _loadResources(const std::string& name);

    // Every file passed to loadResourceFile, in call order.
    [[nodiscard]] const std::vector<std::string>& getLoadedFiles() const { return _loadedFiles; }
    [[nodiscard]] bool hasLoadedFile(const std::string& file) const;

private:
    Ref<ResourceManager> _resources;
    std::vector<std::string> _loadedFiles;
};

} // namespace tarvex
