// One declared resource, as a resource definition file describes it: its short name, the
// namespace of the file that declared it, the asset file, the type text and every other setting
// of the definition. The full name, namespace + "." + name, is the resource's identifier:
//
//     auto def = std::make_shared<ResourceDefinition>("mine", "depthrun.objects",
//                                                     "resource_db/objects/mine.png",
//                                                     "imagestrip");
//     def->addField("width", "9");
//     def->getFullName();              // "depthrun.objects.mine"
//     def->getField("frames", "1");    // "1": absent settings answer the default
//
// Nested groups of a definition (such as an animation's frame sets) are kept as `_data`: one
// map of fields per group identifier. A definition is filled once by its serializer and is
// read-only afterwards, so resources may read it from any thread.
#pragma once

#include "core/Object.hpp"

#include <map>
#include <string>
#include <vector>

namespace tarvex {

class ResourceDefinition : public Object {
    TARVEX_OBJECT(ResourceDefinition, Object)
public:
    using FieldMap = std::map<std::string, std::string>;

    ResourceDefinition() = default;
    // `sourceFile` is the definition file that declared the resource; it also stands for the
    // asset file when `fileName` is "" (a definition that names no file).
    ResourceDefinition(std::string name, std::string nameSpace, std::string fileName,
                       std::string resourceType, std::string sourceFile = "");

    [[nodiscard]] const std::string& getName() const { return _name; }
    [[nodiscard]] const std::string& getNamespace() const { return _namespace; }
    // namespace + "." + name, the identifier the resource is registered under.
    [[nodiscard]] std::string getFullName() const;
    // The type text ("image", "sound"...). Called getResourceType because getType() answers
    // the object's run-time type record, as on every framework object.
    [[nodiscard]] const std::string& getResourceType() const { return _resourceType; }
    // The asset file; the definition file itself when the definition names no file.
    [[nodiscard]] const std::string& getFileName() const { return _fileName; }
    // The definition file that declared the resource ("" for definitions made in code).
    [[nodiscard]] const std::string& getSourceFile() const { return _sourceFile; }
    // True when the definition names an asset file of its own (a `file` setting).
    [[nodiscard]] bool namesFile() const { return _fileName != _sourceFile; }

    // Stores a setting; a later value replaces an earlier one.
    void addField(const std::string& key, const std::string& value);
    // The setting's text, or `defaultValue` when the definition has no such setting.
    [[nodiscard]] std::string getField(const std::string& key,
                                       const std::string& defaultValue) const;
    [[nodiscard]] const FieldMap& getDetails() const { return _details; }

    // Stores the fields of one nested group; a later group of the same identifier replaces it.
    void addData(const std::string& group, FieldMap fields);
    // The fields of the nested group, or null when the definition has no such group.
    [[nodiscard]] const FieldMap* getData(const std::string& group) const;
    // The identifiers of every nested group in ascending order (the argument does not narrow
    // the list; it is kept for callers that pass one).
    [[nodiscard]] std::vector<std::string> getDataFields(const std::string& group = "") const;

private:
    std::string _name;
    std::string _namespace;
    std::string _fileName;
    std::string _resourceType;
    std::string _sourceFile;
    FieldMap _details;
    std::map<std::string, FieldMap> _data;
};

} // namespace tarvex
