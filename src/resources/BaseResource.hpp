// The base of every resource class: one object per resource definition, created when its
// definition file is registered and kept by the ResourceManager under its full name. A class
// reads its settings from the definition in _loadDefinition (once, at creation), reads its
// asset in _load, hands it out through _get and drops it in _free:
//
//     auto mine = resources->get("depthrun.objects.mine", false);  // counted, loaded
//     auto image = std::dynamic_pointer_cast<platform::Image>(mine->get());
//     mine->free();   // the last user gone: the asset is released
//
// Reference counting: every ResourceManager::getResource adds one, every free() takes one
// away, and only the step to exactly 0 releases the asset. `_isLoaded` is set before the asset
// is read and never cleared, so a released resource is read again only by reload().
//
// Resources never touch the graphics device: images are decoded here (on whichever thread
// loads them) and made into textures by the drawing layer when first drawn. A resource whose
// asset cannot be read answers null and says so once on standard error.
#pragma once

#include "core/Object.hpp"
#include "resources/ResourceDefinition.hpp"

#include <cstdint>
#include <string>

namespace tarvex {

class BaseResource : public Object {
    TARVEX_OBJECT(BaseResource, Object)
public:
    // The definition's full name ("" before init).
    [[nodiscard]] virtual std::string getName() const;
    // The resource's object (image, sound, font...), reading the asset first when it has not
    // been read yet; null when there is none.
    [[nodiscard]] virtual ObjectRef get();
    [[nodiscard]] virtual std::int32_t getReferenceCount() const { return _referenceCount; }
    [[nodiscard]] virtual const Ref<ResourceDefinition>& getDefinition() const {
        return _definition;
    }
    // Marks the resource loaded and reads its asset (again).
    virtual void reload();
    // One user fewer; the asset is released when the count reaches exactly 0.
    virtual void free();
    [[nodiscard]] bool isLoaded() const { return _isLoaded != 0; }

    // Stores the definition and reads the class's settings from it.
    virtual void init(Ref<ResourceDefinition> definition);

    virtual void _setFilename(const std::string& name) { _fileName = name; }
    virtual void _increaseCount() { ++_referenceCount; }
    virtual void _decreaseCount() { --_referenceCount; }

protected:
    virtual void _load() = 0;
    virtual void _free() = 0;
    [[nodiscard]] virtual ObjectRef _get() = 0;
    virtual void _loadDefinition() = 0;

    // The definition's asset file ("" before init).
    [[nodiscard]] const std::string& _assetFile() const;
    // A definition setting, or `defaultValue` when absent (or before init).
    [[nodiscard]] std::string _setting(const std::string& key,
                                       const std::string& defaultValue) const;
    // Tells the player, on standard error and only the first time, that this resource's file
    // could not be read, so that a missing picture or sound is never a silent mystery.
    void _reportUnreadable(const std::string& file);

private:
    Ref<ResourceDefinition> _definition;
    std::string _fileName;
    std::int32_t _isLoaded = 0;
    std::int32_t _referenceCount = 0;
    bool _reported = false;
};

} // namespace tarvex
