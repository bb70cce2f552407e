// Chooses a reader for a content file and runs it: the first registered schema reader that
// takes a file reads its schemas; every registered template reader that takes a file loads it
// into the database, from disk or from an archive entry extracted into memory.
//
//     ContentDbLoader::LoadTemplateFromFile(*db, "content/templates/subs.brix");
//     auto entities = ContentDbLoader::loadEntityTemplates(*db, "content/level1.brix");
#pragma once

#include "content/ContentSerializers.hpp"

#include <optional>
#include <string>

namespace tarvex {

class ContentDb;
class ZipArchive;

class ContentDbLoader {
public:
    static void LoadTemplateFromFile(ContentDb& db, const std::string& fileName);
    // `password` ("" for none) opens encrypted entries.
    static void LoadTemplateFromArchive(ContentDb& db, ZipArchive& zip, const std::string& fileName,
                                        const std::string& password = "");
    // Null when no schema reader takes the file (or it does not read).
    [[nodiscard]] static std::optional<SchemaList> loadComponentSchema(const std::string& fileName);
    // The first template reader that takes the file reads its entities; then the database's
    // templates are built. Null when no reader takes the file.
    [[nodiscard]] static std::optional<TemplateList>
    loadEntityTemplates(ContentDb& db, const std::string& fileName);
    // `zip` null: the file is read from disk (or any stream URL); else the archive entry of
    // that name is.
    static void _LoadTemplate(ContentDb& db, const std::string& fileName, ZipArchive* zip,
                              const std::string& password = "");

    // A template location as the loader reads it: relative paths are taken from the working
    // directory, absolute ones and stream URLs stay as they are.
    [[nodiscard]] static std::string resolvePath(const std::string& path);
};

} // namespace tarvex
