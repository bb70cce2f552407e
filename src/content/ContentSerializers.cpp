#include "content/ContentSerializers.hpp"

#include "content/ContentDb.hpp"
#include "core/DebugLog.hpp"
#include "core/Error.hpp"
#include "core/TextObject.hpp"
#include "core/TypeBuilder.hpp"
#include "platform/Directory.hpp"
#include "resources/BrixFile.hpp"

namespace tarvex {

const Type& ComponentSchemaSerializer::staticType() {
    static const Type& type =
        TypeBuilder<ComponentSchemaSerializer>("ComponentSchemaSerializer").build();
    return type;
}

const Type& ContentDbSerializer::staticType() {
    static const Type& type = TypeBuilder<ContentDbSerializer>("ContentDbSerializer").build();
    return type;
}

const Type& BrixComponentSchemaSerializer::staticType() {
    static const Type& type =
        TypeBuilder<BrixComponentSchemaSerializer>("BrixComponentSchemaSerializer").build();
    return type;
}

const Type& BrixContentDbSerializer::staticType() {
    static const Type& type =
        TypeBuilder<BrixContentDbSerializer>("BrixContentDbSerializer").build();
    return type;
}

bool hasBrixExtension(const std::string& fileName) {
    const auto dot = fileName.rfind('.');
    return dot != std::string::npos && fileName.compare(dot + 1, std::string::npos, "brix") == 0;
}

Ref<platform::Stream> ContentDbSerializer::_openFile(const std::string& source) {
    auto stream = platform::openStream(source);
    if (!stream || stream->size() == -1) {
        return nullptr;
    }
    return stream;
}

namespace {

// A single-valued entry's text; arrays and groups answer "".
std::string entryText(const BrixGroup& group, const std::string& name) {
    if (group.FieldIsArray(name)) {
        return {};
    }
    return brixText(group.getField(name, -1, nullptr));
}

// The elements of an array entry as text; nothing when the entry is missing or single-valued.
std::vector<std::string> arrayTexts(const BrixGroup& group, const std::string& name) {
    std::vector<std::string> texts;
    if (!group.FieldIsArray(name)) {
        return texts;
    }
    const auto elements = std::dynamic_pointer_cast<ObjectBag>(group.getField(name, -1, nullptr));
    if (elements) {
        for (const auto& element : *elements) {
            texts.push_back(brixText(element));
        }
    }
    return texts;
}

Ref<BrixFile> loadBrix(ContentDb* db, const ObjectRef& source) {
    if (db == nullptr) {
        throw Error("Attempted to load an invalid database");
    }
    auto file = BrixFile::Load(source);
    if (!file) {
        throw Error("Couldn't load " + (source ? source->ToString() : std::string()));
    }
    return file;
}

void reportUnknownSchema(const std::string& schemaName, const std::string& templateName) {
    debugLog("Unknown component schema \"" + schemaName + "\" in template \"" + templateName +
             "\"");
}

} // namespace

std::optional<SchemaList>
BrixComponentSchemaSerializer::loadComponentSchema(const std::string& fileName) {
    if (fileName.find("::") == std::string::npos && !platform::isFile(fileName)) {
        return std::nullopt;
    }
    const auto file = BrixFile::Load(fileName);
    if (!file) {
        return std::nullopt;
    }
    SchemaList schemas;
    const auto groups = file->getNodes("[t:component]");
    if (!groups) {
        return schemas;
    }
    for (const auto& group : *groups) {
        auto schema = ComponentSchema::Create(group->getIdentifier(), entryText(*group, "doc"));
        for (const auto& name : arrayTexts(*group, "requires")) {
            schema->_addRequirement(name);
        }
        for (const auto& name : arrayTexts(*group, "internal")) {
            schema->_addInternal(name);
        }
        for (const auto& child : *group->GetChildren("")) {
            auto field = std::make_shared<ComponentField>();
            field->setName(child->getIdentifier())
                .setDataType(entryText(*child, "type"))
                .setDefaultValue(entryText(*child, "default"))
                .setDescription(entryText(*child, "doc"));
            schema->addField(field);
        }
        schemas.push_back(schema);
    }
    return schemas;
}

void BrixContentDbSerializer::_readComponentValues(const BrixGroup& group,
                                                   ComponentTemplate& component) {
    const auto& schema = component.getSchema();
    for (const auto& nested : *group.GetChildren("")) {
        if (schema && schema->_hasInternal(nested->getIdentifier())) {
            component._setFieldValueObject(nested->getIdentifier(), nested);
        }
    }
    for (const auto& name : group.getFieldNames()) {
        component._setFieldValue(name, entryText(group, name));
    }
}

void BrixContentDbSerializer::Load(ContentDb* db, const ObjectRef& source) {
    const auto file = loadBrix(db, source);
    const auto groups = file->getNodes("[t:template]");
    if (!groups) {
        return;
    }
    for (const auto& group : *groups) {
        auto entityTemplate = EntityTemplate::Create(
            group->getIdentifier(), entryText(*group, "doc"), entryText(*group, "specializes"));
        entityTemplate->setCategory(entryText(*group, "category_name"));
        for (const auto& child : *group->GetChildren("")) {
            const auto schema = db->getComponentSchema(child->getIdentifier());
            if (!schema) {
                reportUnknownSchema(child->getIdentifier(), entityTemplate->getName());
                continue;
            }
            auto component = ComponentTemplate::Create(schema);
            _readComponentValues(*child, *component);
            entityTemplate->addComponentTemplate(component);
        }
        db->registerGameObjectTemplate(entityTemplate);
    }
}

std::optional<TemplateList> BrixContentDbSerializer::loadEntities(ContentDb* db,
                                                                  const ObjectRef& source) {
    const auto file = loadBrix(db, source);
    const auto groups = file->getNodes("[t:entity]");
    if (!groups) {
        return std::nullopt;
    }
    TemplateList entities;
    for (const auto& group : *groups) {
        const std::string parentName = entryText(*group, "specializes");
        if (parentName.empty()) {
            throw Error("Cannot create an entity without a valid parent type");
        }
        const auto parent = db->getObjectTemplate(parentName);
        if (!parent) {
            throw Error("Could not spawn entity from undefined template: " + parentName);
        }
        auto entity = parent->clone();
        entity->_setName(group->getIdentifier());
        entity->_setParentTemplate(parentName);
        for (const auto& child : *group->GetChildren("")) {
            auto component = entity->getComponentTemplate(child->getIdentifier());
            if (!component) {
                const auto schema = db->getComponentSchema(child->getIdentifier());
                if (!schema) {
                    reportUnknownSchema(child->getIdentifier(), entity->getName());
                    continue;
                }
                component = ComponentTemplate::Create(schema);
                entity->addComponentTemplate(component);
            }
            _readComponentValues(*child, *component);
        }
        entities.push_back(entity);
    }
    return entities;
}

void BrixContentDbSerializer::Save(ContentDb* /*db*/, const ObjectRef& /*target*/) {
    throw Error("Not yet implemented!");
}

} // namespace tarvex
