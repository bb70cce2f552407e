#include "content/ContentDb.hpp"

#include "content/ContentDbLoader.hpp"
#include "content/ContentNames.hpp"
#include "core/DebugLog.hpp"
#include "core/Error.hpp"
#include "core/TypeBuilder.hpp"
#include "kernel/DebugLogger.hpp"
#include "platform/Directory.hpp"
#include "platform/Stream.hpp"
#include "resources/ZipArchive.hpp"

#include <array>
#include <unordered_map>
#include <unordered_set>

namespace tarvex {

namespace {

using TemplateSet = std::unordered_set<const EntityTemplate*>;

} // namespace

const Type& ContentDb::staticType() {
    static const Type& type = TypeBuilder<ContentDb>("ContentDb")
                                  .field("_objectTemplates", &ContentDb::_objectTemplates)
                                  .field("_componentSchemas", &ContentDb::_componentSchemas)
                                  .field("_objectTemplateList", &ContentDb::_objectTemplateList)
                                  .field("_componentSchemaList", &ContentDb::_componentSchemaList)
                                  .field("_componentFiles", &ContentDb::_componentFiles)
                                  .field("_templateDirectories", &ContentDb::_templateDirectories)
                                  .build();
    return type;
}

ContentDb& ContentDb::addTemplateDirectory(const std::string& path) {
    _templateDirectories.push_back(path);
    return *this;
}

ContentDb& ContentDb::addTemplateArchive(const std::string& path) {
    _templateDirectories.push_back(path);
    return *this;
}

std::string ContentDb::getTemplateString(const std::string& path) const {
    const auto dot = path.find('.');
    const std::string templateName = path.substr(0, dot);
    const auto found = getObjectTemplate(templateName);
    if (!found) {
        throw Error("Could not find ObjectTemplate: " + templateName);
    }
    return found->getTemplateString(dot == std::string::npos ? std::string()
                                                             : path.substr(dot + 1));
}

Ref<ComponentSchema> ContentDb::getComponentSchema(const std::string& name) const {
    const auto found = _componentSchemas.find(lowerCase(name));
    return found == _componentSchemas.end() ? nullptr : found->second;
}

Ref<EntityTemplate> ContentDb::getObjectTemplate(const std::string& name) const {
    if (name.empty()) {
        return nullptr;
    }
    const auto found = _objectTemplates.find(lowerCase(name));
    return found == _objectTemplates.end() ? nullptr : found->second;
}

std::vector<std::string> ContentDb::getObjectTemplateList() const {
    std::vector<std::string> names;
    names.reserve(_objectTemplateList.size());
    for (const auto& entityTemplate : _objectTemplateList) {
        names.push_back(entityTemplate->getName());
    }
    return names;
}

std::vector<std::string> ContentDb::getComponentSchemaList() const {
    std::vector<std::string> names;
    names.reserve(_componentSchemaList.size());
    for (const auto& schema : _componentSchemaList) {
        names.push_back(schema->getName());
    }
    return names;
}

std::vector<Ref<EntityTemplate>>
ContentDb::getTemplatesWithComponent(const std::string& schemaName) const {
    std::vector<Ref<EntityTemplate>> found;
    for (const auto& entityTemplate : _objectTemplateList) {
        if (entityTemplate->hasComponentTemplate(schemaName)) {
            found.push_back(entityTemplate);
        }
    }
    return found;
}

namespace {

// The depth-first walk of the inheritance tree below one parent name. It keeps its own stack,
// so a long chain of templates cannot exhaust the call stack, and completes each template at
// most once, so that duplicate names or a template naming itself cannot make it loop.
class TemplateBuilder {
public:
    explicit TemplateBuilder(ContentDb& db) : _db(db) {
        for (const auto& entityTemplate : db.getObjectTemplates()) {
            _children[lowerCase(entityTemplate->getParentTemplate())].push_back(
                entityTemplate.get());
        }
    }

    void build(const std::string& parentName) {
        _push(parentName);
        while (!_stack.empty()) {
            Frame& frame = _stack.back();
            if (frame.next == frame.children->size()) {
                _stack.pop_back();
                continue;
            }
            EntityTemplate* child = (*frame.children)[frame.next++];
            if (!_built.insert(child).second) {
                continue;
            }
            if (frame.parent == nullptr) {
                _db.buildTemplateFromSchema(*child);
            } else {
                _db.buildTemplateFromParent(*child, *frame.parent);
            }
            _push(child->getName()); // `frame` may move: not used after this
        }
    }

    [[nodiscard]] bool wasBuilt(const EntityTemplate* entityTemplate) const {
        return _built.contains(entityTemplate);
    }

private:
    struct Frame {
        const EntityTemplate* parent;
        const std::vector<EntityTemplate*>* children;
        std::size_t next;
    };

    void _push(const std::string& parentName) {
        const auto found = _children.find(lowerCase(parentName));
        if (found != _children.end()) {
            _stack.push_back({_db.getObjectTemplate(parentName).get(), &found->second, 0});
        }
    }

    ContentDb& _db;
    std::unordered_map<std::string, std::vector<EntityTemplate*>> _children;
    std::vector<Frame> _stack;
    TemplateSet _built;
};

} // namespace

void ContentDb::buildTemplates() {
    TemplateBuilder builder(*this);
    builder.build("");
    for (const auto& entityTemplate : _objectTemplateList) {
        if (builder.wasBuilt(entityTemplate.get())) {
            continue;
        }
        const std::string& parent = entityTemplate->getParentTemplate();
        if (!getObjectTemplate(parent)) {
            debugLog("Could not find parent template \"" + parent + "\" of template \"" +
                     entityTemplate->getName() + "\"");
        } else {
            debugLog("Template \"" + entityTemplate->getName() +
                     "\" was not built: its parent templates form a cycle");
        }
    }
}

void ContentDb::buildChildTemplates(const std::string& parentName) {
    TemplateBuilder(*this).build(parentName);
}

void ContentDb::LEGACY_buildChildTemplates(const std::string& parentName) {
    buildChildTemplates(parentName);
}

void ContentDb::buildTemplateFromSchema(EntityTemplate& entityTemplate) {
    for (const auto& component : entityTemplate.getComponentTemplates()) {
        component->CopyFromSchema(component->getSchema().get());
    }
}

void ContentDb::buildTemplateFromParent(EntityTemplate& entityTemplate,
                                        const EntityTemplate& parent) {
    if (!parent.getCategory().empty() && entityTemplate.getCategory().empty()) {
        entityTemplate.setCategory(parent.getCategory());
    }
    // By index over the components present at the start: when a template is its own parent,
    // adding to its list must not disturb the walk.
    const std::size_t count = parent.getComponentTemplates().size();
    for (std::size_t i = 0; i < count; ++i) {
        const auto parentComponent = parent.getComponentTemplates()[i];
        if (auto own =
                entityTemplate.getComponentTemplate(parentComponent->getSchemaIdentifier())) {
            own->CopyFromTemplate(parentComponent.get());
        } else {
            auto copy = parentComponent->Copy();
            copy->CopyFromTemplate(parentComponent.get());
            entityTemplate.addComponentTemplate(copy);
        }
    }
}

std::int32_t ContentDb::registerGameObjectTemplate(const Ref<EntityTemplate>& entityTemplate) {
    if (!entityTemplate) {
        return 0;
    }
    _objectTemplates[entityTemplate->getIdentifier()] = entityTemplate;
    _objectTemplateList.push_back(entityTemplate);
    return 1;
}

std::int32_t ContentDb::registerComponentSchema(const Ref<ComponentSchema>& schema) {
    if (!schema) {
        return 0;
    }
    _addComponentSchema(schema);
    return 1;
}

std::int32_t ContentDb::registerComponentTemplate(const Ref<ComponentTemplate>& /*component*/) {
    throw Error("Whoops!");
}

void ContentDb::addComponentsFile(const std::string& path) {
    if (path.find("::") == std::string::npos && !platform::isFile(path)) {
        throw Error("Attempted to add invalid file '" + path + "'");
    }
    _componentFiles.push_back(path);
}

void ContentDb::loadComponentsFiles() {
    for (const auto& path : _componentFiles) {
        TarvexFramework::startDebugTimer("loadComponentSchema");
        const auto schemas = ContentDbLoader::loadComponentSchema(path);
        TarvexFramework::stopDebugTimer("loadComponentSchema");
        if (!schemas) {
            throw Error("Could not find ComponentSerializer from '" + path + "'");
        }
        TarvexFramework::startDebugTimer("_addComponentSchema");
        for (const auto& schema : *schemas) {
            _addComponentSchema(schema);
        }
        TarvexFramework::stopDebugTimer("_addComponentSchema");
    }
}

void ContentDb::loadTemplates() {
    for (const auto& entry : _templateDirectories) {
        std::string path = entry;
        if (path.find("::") == std::string::npos) {
            path = ContentDbLoader::resolvePath(path);
            if (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) {
                path.pop_back();
            }
        }
        debugLog("Loading template: " + path);
        if (platform::isDirectory(path)) {
            _loadTemplatesFromDirectory(path);
        } else if (platform::isFile(path)) {
            _loadTemplateFromFile(path);
        } else {
            _loadTemplateFromArchive(path);
        }
    }
}

void ContentDb::_loadTemplatesFromDirectory(const std::string& directory) {
    _walkDirectory(directory, 0);
}

void ContentDb::_walkDirectory(const std::string& directory, std::int32_t depth) {
    if (depth > MAX_DIRECTORY_DEPTH) {
        debugLog("Template directories nest too deep at " + directory);
        return;
    }
    for (const auto& entry : platform::listDirectory(directory)) {
        const std::string path = directory + "/" + entry.name;
        if (entry.isDirectory) {
            _walkDirectory(path, depth + 1);
        } else {
            ContentDbLoader::LoadTemplateFromFile(*this, path);
        }
    }
}

void ContentDb::_loadTemplateFromFile(const std::string& path) {
    std::array<char, 2> signature{};
    if (const auto stream = platform::openStream(path)) {
        if (stream->read(signature.data(), signature.size()) != signature.size()) {
            signature = {};
        }
    }
    if (signature[0] == 'P' && signature[1] == 'K') {
        _loadTemplateFromArchive(path);
    } else {
        ContentDbLoader::_LoadTemplate(*this, path, nullptr);
    }
}

void ContentDb::_addComponentSchema(const Ref<ComponentSchema>& schema) {
    _componentSchemas[lowerCase(schema->getName())] = schema;
    _componentSchemaList.push_back(schema);
}

void ContentDb::_dumpAll(bool /*flag*/) const {
    for (const auto& entityTemplate : _objectTemplateList) {
        entityTemplate->_dump(entityTemplate->getName() + "_dump.txt");
    }
}

Ref<ContentDb> ContentDb::Create() {
    return std::make_shared<ContentDb>();
}

} // namespace tarvex

namespace tarvex {

namespace {

// "zip::[password@]archive://prefix": the archive, the entry prefix and the password.
struct ZipLocation {
    std::string archive;
    std::string prefix;
    std::string password;
    bool hasPrefix = false;
};

ZipLocation splitZipLocation(const std::string& path) {
    ZipLocation location;
    if (!path.starts_with("zip::")) {
        location.archive = path;
        return location;
    }
    std::string rest = path.substr(5);
    const auto separator = rest.find("://");
    const auto at = rest.find('@');
    if (at != std::string::npos && (separator == std::string::npos || at < separator)) {
        location.password = rest.substr(0, at);
        rest = rest.substr(at + 1);
    }
    const auto member = rest.find("://");
    location.archive = rest.substr(0, member);
    if (member != std::string::npos) {
        location.prefix = rest.substr(member + 3);
        location.hasPrefix = true;
    }
    return location;
}

// True for an archive that is only an end-of-central-directory record listing no entries (the
// archive reader opens only archives with entries).
bool isEmptyArchive(const std::string& source) {
    constexpr std::size_t END_RECORD_BYTES = 22;
    const auto stream = platform::openStream(source);
    std::array<std::uint8_t, END_RECORD_BYTES> record{};
    if (!stream || stream->size() != static_cast<std::int64_t>(END_RECORD_BYTES) ||
        stream->read(record.data(), record.size()) != record.size()) {
        return false;
    }
    const bool signature = record[0] == 'P' && record[1] == 'K' && record[2] == 5 && record[3] == 6;
    return signature && record[8] == 0 && record[9] == 0 && record[10] == 0 && record[11] == 0;
}

} // namespace

void ContentDb::_loadTemplateFromArchive(const std::string& path) {
    const auto location = splitZipLocation(path);
    const auto zip = ZipArchive::open(platform::openStream(location.archive));
    if (!zip) {
        if (isEmptyArchive(location.archive)) {
            debugLog("No files in archive");
        } else {
            debugLog("Could not open template archive \"" + location.archive + "\"");
        }
        return;
    }
    const auto names = zip->entryNames();
    if (names.empty()) {
        debugLog("No files in archive");
        return;
    }
    for (const auto& name : names) {
        if (name == "." || name == ".." || name.ends_with('/') ||
            (location.hasPrefix && !name.starts_with(location.prefix))) {
            continue;
        }
        debugLog(" :: " + name);
        ContentDbLoader::LoadTemplateFromArchive(*this, *zip, name, location.password);
    }
}

} // namespace tarvex
