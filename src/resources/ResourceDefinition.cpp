#include "resources/ResourceDefinition.hpp"

#include "core/TypeBuilder.hpp"

#include <utility>

namespace tarvex {

const Type& ResourceDefinition::staticType() {
    static const Type& type = TypeBuilder<ResourceDefinition>("ResourceDefinition")
                                  .field("_name", &ResourceDefinition::_name)
                                  .field("_namespace", &ResourceDefinition::_namespace)
                                  .field("_fileName", &ResourceDefinition::_fileName)
                                  .field("_resourceType", &ResourceDefinition::_resourceType)
                                  .field("_details", &ResourceDefinition::_details)
                                  .field("_data", &ResourceDefinition::_data)
                                  .field("_sourceFile", &ResourceDefinition::_sourceFile)
                                  .build();
    return type;
}

ResourceDefinition::ResourceDefinition(std::string name, std::string nameSpace,
                                       std::string fileName, std::string resourceType,
                                       std::string sourceFile)
    : _name(std::move(name)), _namespace(std::move(nameSpace)), _fileName(std::move(fileName)),
      _resourceType(std::move(resourceType)), _sourceFile(std::move(sourceFile)) {
    if (_fileName.empty()) {
        _fileName = _sourceFile;
    }
}

std::string ResourceDefinition::getFullName() const {
    return _namespace + "." + _name;
}

void ResourceDefinition::addField(const std::string& key, const std::string& value) {
    _details[key] = value;
}

std::string ResourceDefinition::getField(const std::string& key,
                                         const std::string& defaultValue) const {
    const auto found = _details.find(key);
    return found == _details.end() ? defaultValue : found->second;
}

void ResourceDefinition::addData(const std::string& group, FieldMap fields) {
    _data[group] = std::move(fields);
}

const ResourceDefinition::FieldMap* ResourceDefinition::getData(const std::string& group) const {
    const auto found = _data.find(group);
    return found == _data.end() ? nullptr : &found->second;
}

std::vector<std::string> ResourceDefinition::getDataFields(const std::string& /*group*/) const {
    std::vector<std::string> names;
    names.reserve(_data.size());
    for (const auto& entry : _data) {
        names.push_back(entry.first);
    }
    return names;
}

} // namespace tarvex
