#include "resources/BrixResourceFileSerializer.hpp"

#include "core/TypeBuilder.hpp"
#include "platform/Stream.hpp"
#include "resources/BrixFile.hpp"
#include "resources/BrixFileUtil.hpp"

#include <algorithm>
#include <cstdio>

namespace tarvex {
namespace {

// A field's text as a definition stores it: arrays are kept as "".
std::string fieldText(const BrixField& field) {
    return field.isArray != 0 ? std::string() : brixText(field.Value);
}

std::string stringField(const BrixGroup& group, const std::string& name) {
    const auto field = group.findField(name);
    return field ? fieldText(*field) : std::string();
}

void report(const char* problem, const std::string& path) {
    std::fprintf(stderr, "%s: %s\n", problem, path.c_str());
}

} // namespace

const Type& BrixResourceFileSerializer::staticType() {
    static const Type& type = TypeBuilder<BrixResourceFileSerializer>("BrixResourceFileSerializer")
                                  .meta("extensions", "brix")
                                  .build();
    return type;
}

void BrixResourceFileSerializer::_loadResources() {
    _loadFromFile(getFilename());
}

std::string BrixResourceFileSerializer::_baseDirectory() const {
    const std::string& file = getFilename();
    const auto separator = file.find_last_of("/\\");
    // A bare file name lives in the current directory; "" + "/" would make it the root.
    return separator == std::string::npos ? std::string() : file.substr(0, separator) + "/";
}

void BrixResourceFileSerializer::_loadFromFile(const std::string& path) {
    if (std::find(_openFiles.begin(), _openFiles.end(), path) != _openFiles.end()) {
        report("Resource file includes itself", path);
        return;
    }
    if (static_cast<std::int32_t>(_openFiles.size()) >= MAX_INCLUDE_DEPTH) {
        report("Resource file includes nest too deep", path);
        return;
    }
    // Opened here rather than through BrixFile::Load, which would read a path that does not
    // open as Brix text.
    const auto stream = platform::openStream(path);
    if (!stream) {
        report("Could not open resource file", path);
        return;
    }
    BrixFile file;
    file.loadFromStream(stream);
    const auto resources = file.getGroup("resources", -1);
    if (!resources) {
        report("Resource file has no resources group", path);
        return;
    }

    _openFiles.push_back(path);
    _loadIncludes(*resources);
    _openFiles.pop_back();

    const std::string nameSpace = stringField(*resources, "namespace");
    const std::string defaultType = stringField(*resources, "default_type");
    for (const auto& child : *resources->GetChildren("")) {
        if (!child->GetMeta("t").empty()) {
            _readDefinition(*child, path, nameSpace, defaultType);
        }
    }
}

void BrixResourceFileSerializer::_loadIncludes(const BrixGroup& resources) {
    const auto include = resources.findField("include");
    if (!include) {
        return;
    }
    std::vector<std::string> names;
    if (include->isArray != 0) {
        for (const auto& value : *include->m_ArrayValues) {
            names.push_back(brixText(value));
        }
    } else {
        names.push_back(brixText(include->Value));
    }
    const std::string base = _baseDirectory();
    for (const auto& name : names) {
        if (!name.empty()) {
            _loadFromFile(base + name);
        }
    }
}

void BrixResourceFileSerializer::_readDefinition(const BrixGroup& group, const std::string& path,
                                                 const std::string& nameSpace,
                                                 const std::string& defaultType) {
    const std::string file = stringField(group, "file");
    const auto typeField = group.findField("type");
    auto definition = std::make_shared<ResourceDefinition>(
        group.getIdentifier(), nameSpace, file.empty() ? path : _baseDirectory() + file,
        typeField ? fieldText(*typeField) : defaultType, path);
    for (const auto& [name, field] : group.m_Fields) {
        if (name != "type" && name != "name" && name != "file") {
            definition->addField(name, fieldText(*field));
        }
    }
    for (const auto& nested : *group.GetChildren("")) {
        ResourceDefinition::FieldMap fields;
        for (const auto& [name, field] : nested->m_Fields) {
            fields[name] = fieldText(*field);
        }
        definition->addData(nested->getIdentifier(), std::move(fields));
    }
    _add(std::move(definition));
}

} // namespace tarvex
