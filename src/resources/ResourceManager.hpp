// Every resource of the program by its full name ("depthrun.objects.mine"). The manager reads
// resource definition files through a serializer chosen by the file's extension, creates one
// resource object per definition (the class chosen by the definition's type through the
// `resource_type` metadata of the resource classes), reads assets at once or on first use,
// and counts references:
//
//     ResourceManager manager;
//     manager.loadResources("resource_db/objects/resources.brix", true);  // lazy
//     auto mine = manager.getResource("depthrun.objects.mine", false);    // counted and read
//     manager.freeResource("depthrun.objects.mine");                      // released at 0
//
// A later definition of the same full name replaces the earlier one. Unknown names answer
// null (and a debug-log line); a file no serializer reads, or a definition whose type no class
// loads, raises an error.
//
// Threads: the loading screen registers files and reads assets on its worker thread while the
// main thread draws; the manager has no lock, so nothing else may touch it until that loading
// has finished.
#pragma once

#include "core/Object.hpp"
#include "resources/BaseResource.hpp"
#include "resources/ResourceDefinition.hpp"
#include "resources/ResourceFileSerializer.hpp"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tarvex {

class ResourceManager : public Object {
    TARVEX_OBJECT(ResourceManager, Object)
public:
    // Called with (caller, file name) before each resource file is read.
    using StartCallback = std::function<ObjectRef(const ObjectRef& caller, const std::string&)>;
    using ResourceCallback = std::function<void(BaseResource&)>;

    ResourceManager();

    virtual void setStartCallback(ObjectRef caller, StartCallback callback);
    // Kept for callers of the resource callbacks; they do nothing.
    virtual void addCallback(const ResourceCallback& callback);
    virtual void removeCallback(const ResourceCallback& callback);
    virtual void clearCallbacks();

    // The named resource with one more reference; read first unless `lazy`. Null (and a
    // debug-log line) when no resource has that name.
    virtual Ref<BaseResource> getResource(const std::string& name, bool lazy);
    // One reference fewer on the named resource; nothing when absent.
    virtual void freeResource(const std::string& name);
    // Every full name, in ascending order.
    [[nodiscard]] virtual std::vector<std::string> getResourceList() const;
    // The resource, without counting; null when absent.
    [[nodiscard]] virtual Ref<BaseResource> _getResource(const std::string& name) const;
    // Registers every definition of the file (and of the files it includes); unless `lazy`,
    // each asset is read at once. Raises "No resource serializer found for type: <ext>".
    virtual void loadResources(const std::string& file, bool lazy);
    // Reads every registered resource again, in ascending name order.
    virtual void reloadAll();
    // Called after each eager read and each reload of a resource.
    virtual void _onFileLoaded(BaseResource& resource);
    // Creates and initialises the resource object of a definition (not registered by name).
    // Raises "Resource type "<type>" does not exist" when no class loads its type.
    virtual Ref<BaseResource> addResource(const Ref<ResourceDefinition>& definition);
    // A new serializer for the file's extension, or null.
    [[nodiscard]] virtual Ref<ResourceFileSerializer> _getSerializer(const std::string& file) const;

    // The extension the serializer is chosen by: the lower-cased text after the last ".",
    // "" when there is no dot or a "/" follows it.
    [[nodiscard]] static std::string _extensionOf(const std::string& file);

private:
    std::map<std::string, Ref<BaseResource>> _resources;
    ObjectRef _callbackCaller;
    StartCallback _startCallback;
};

} // namespace tarvex
