// A reduced twin of ResourceService: one ResourceManager behind the kernel-service interface,
// without the record of registered files or the typed image and sound lookups. Tools and
// programs that only need resources by name use it; the game uses ResourceService.
//
//     auto db = std::make_shared<ResourceDbService>();
//     db->loadResourceFile("resource_db/levels/resources.brix", true);
//     auto level = db->get("depthrun.levels.level_1_1", false);
#pragma once

#include "kernel/GameService.hpp"
#include "resources/ResourceManager.hpp"

#include <string>
#include <vector>

namespace tarvex {

class ResourceDbService : public GameService {
    TARVEX_OBJECT(ResourceDbService, GameService)
public:
    ResourceDbService();

    [[nodiscard]] virtual const Ref<ResourceManager>& getManager() const { return _resources; }
    virtual Ref<BaseResource> get(const std::string& name, bool lazy);
    virtual ObjectRef getObject(const std::string& name, bool lazy);
    virtual void loadAssets(const std::vector<std::string>& files, bool lazy);
    virtual void loadResourceFile(const std::string& file, bool lazy);
    virtual void reload();

private:
    Ref<ResourceManager> _resources;
};

} // namespace tarvex
