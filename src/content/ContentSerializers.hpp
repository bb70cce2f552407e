// The readers of content files. The loader finds every class derived from one of the two bases
// in the type registry and asks each in turn whether it takes a file (by its name), so a new
// file format is one new registered class:
//
//     class JsonContentDbSerializer : public ContentDbSerializer { ... };
//     TypeRegistry::instance().add<JsonContentDbSerializer>();
//
// The provided readers take Brix files (extension "brix"): component schema groups
// "[t:component, n:<schema>]" and template and entity groups "[t:template, n:<name>]",
// "[t:entity, n:<name>]".
#pragma once

#include "content/ComponentSchema.hpp"
#include "content/EntityTemplate.hpp"
#include "core/Object.hpp"
#include "platform/Stream.hpp"

#include <optional>
#include <string>
#include <vector>

namespace tarvex {

class BrixGroup;
class ContentDb;

using SchemaList = std::vector<Ref<ComponentSchema>>;
using TemplateList = std::vector<Ref<EntityTemplate>>;

class ComponentSchemaSerializer : public Object {
    TARVEX_OBJECT(ComponentSchemaSerializer, Object)
public:
    [[nodiscard]] virtual bool canLoad(const std::string& fileName) const = 0;
    // The schemas of the file in file order; null when the file cannot be read.
    [[nodiscard]] virtual std::optional<SchemaList>
    loadComponentSchema(const std::string& fileName) = 0;
};

class ContentDbSerializer : public Object {
    TARVEX_OBJECT(ContentDbSerializer, Object)
public:
    [[nodiscard]] virtual bool CanLoad(const std::string& fileName) const = 0;
    // Registers the source's templates with `db`. The source is a file name (text) or a
    // stream.
    virtual void Load(ContentDb* db, const ObjectRef& source) = 0;
    // The source's entities: templates copied from their registered parents and specialised,
    // not registered. Null when the source holds no entity.
    [[nodiscard]] virtual std::optional<TemplateList> loadEntities(ContentDb* db,
                                                                   const ObjectRef& source) = 0;
    virtual void Save(ContentDb* db, const ObjectRef& target) = 0;
    // A stream on the named source when its size is known, else null.
    [[nodiscard]] virtual Ref<platform::Stream> _openFile(const std::string& source);
};

// True when the text after the file name's last "." is exactly "brix".
[[nodiscard]] bool hasBrixExtension(const std::string& fileName);

class BrixComponentSchemaSerializer : public ComponentSchemaSerializer {
    TARVEX_OBJECT(BrixComponentSchemaSerializer, ComponentSchemaSerializer)
public:
    [[nodiscard]] bool canLoad(const std::string& fileName) const override {
        return hasBrixExtension(fileName);
    }
    // Null unless the name is an existing file or holds "::" and the file reads.
    [[nodiscard]] std::optional<SchemaList>
    loadComponentSchema(const std::string& fileName) override;
};

class BrixContentDbSerializer : public ContentDbSerializer {
    TARVEX_OBJECT(BrixContentDbSerializer, ContentDbSerializer)
public:
    [[nodiscard]] bool CanLoad(const std::string& fileName) const override {
        return hasBrixExtension(fileName);
    }
    // Raises "Attempted to load an invalid database" for a null database and
    // "Couldn't load <source>" when the source does not read.
    void Load(ContentDb* db, const ObjectRef& source) override;
    // The same errors, and "Cannot create an entity without a valid parent type" or "Could not
    // spawn entity from undefined template: <name>" for an entity without a registered parent.
    [[nodiscard]] std::optional<TemplateList> loadEntities(ContentDb* db,
                                                           const ObjectRef& source) override;
    // Raises "Not yet implemented!".
    void Save(ContentDb* db, const ObjectRef& target) override;

private:
    // Stores the values of one component group (nested groups of internal fields first, then
    // the plain entries) into `component`.
    static void _readComponentValues(const BrixGroup& group, ComponentTemplate& component);
};

} // namespace tarvex
