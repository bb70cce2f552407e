#include "content/ContentDbLoader.hpp"

#include "content/ContentDb.hpp"
#include "core/DebugLog.hpp"
#include "core/TextObject.hpp"
#include "core/TypeRegistry.hpp"
#include "platform/Directory.hpp"
#include "platform/Stream.hpp"
#include "resources/FileUtil.hpp"
#include "resources/ZipArchive.hpp"

namespace tarvex {

namespace {

// A new instance of every registered class derived from the reader base T, in registration
// order (abstract classes are skipped).
template <class T> std::vector<Ref<T>> readersOf() {
    std::vector<Ref<T>> readers;
    for (const Type* type : TypeRegistry::instance().derivedFrom(T::staticType())) {
        if (auto reader = std::dynamic_pointer_cast<T>(type->create())) {
            readers.push_back(std::move(reader));
        }
    }
    return readers;
}

} // namespace

void ContentDbLoader::LoadTemplateFromFile(ContentDb& db, const std::string& fileName) {
    _LoadTemplate(db, fileName, nullptr);
}

void ContentDbLoader::LoadTemplateFromArchive(ContentDb& db, ZipArchive& zip,
                                              const std::string& fileName,
                                              const std::string& password) {
    _LoadTemplate(db, fileName, &zip, password);
}

std::optional<SchemaList> ContentDbLoader::loadComponentSchema(const std::string& fileName) {
    for (const auto& reader : readersOf<ComponentSchemaSerializer>()) {
        if (reader->canLoad(fileName)) {
            return reader->loadComponentSchema(fileName);
        }
    }
    return std::nullopt;
}

std::optional<TemplateList> ContentDbLoader::loadEntityTemplates(ContentDb& db,
                                                                 const std::string& fileName) {
    for (const auto& reader : readersOf<ContentDbSerializer>()) {
        if (reader->CanLoad(fileName)) {
            auto entities = reader->loadEntities(&db, TextObject::Create(fileName));
            db.buildTemplates();
            return entities;
        }
    }
    return std::nullopt;
}

void ContentDbLoader::_LoadTemplate(ContentDb& db, const std::string& fileName, ZipArchive* zip,
                                    const std::string& password) {
    for (const auto& reader : readersOf<ContentDbSerializer>()) {
        if (!reader->CanLoad(fileName)) {
            continue;
        }
        if (zip == nullptr) {
            reader->Load(&db, TextObject::Create(fileName));
            continue;
        }
        auto bytes = zip->extract(fileName, password);
        if (!bytes) {
            debugLog("Could not extract \"" + fileName + "\" from the archive");
            continue;
        }
        reader->Load(&db, std::make_shared<platform::MemoryStream>(std::move(*bytes)));
    }
}

std::string ContentDbLoader::resolvePath(const std::string& path) {
    // Absolute paths would be glued onto the working directory by PathCombine.
    if (path.find("::") != std::string::npos || path.starts_with('/') || path.starts_with('\\')) {
        return path;
    }
    return File_Util::PathCombine(platform::currentDirectory(), path);
}

} // namespace tarvex
