#include "content/EntityTemplate.hpp"

#include "content/ContentNames.hpp"
#include "core/Error.hpp"
#include "core/TypeBuilder.hpp"
#include "platform/Stream.hpp"

namespace tarvex {

const Type& EntityTemplate::staticType() {
    static const Type& type =
        TypeBuilder<EntityTemplate>("EntityTemplate")
            .field("_name", &EntityTemplate::_name)
            .field("_description", &EntityTemplate::_description)
            .field("_inherits", &EntityTemplate::_inherits)
            .field("_category", &EntityTemplate::_category)
            .field("_tags", &EntityTemplate::_tags)
            .field("_componentTemplates", &EntityTemplate::_componentTemplates)
            .field("_componentTemplatesList", &EntityTemplate::_componentTemplatesList)
            .build();
    return type;
}

Ref<EntityTemplate> EntityTemplate::clone() const {
    auto copy = Create(_name, _description, _inherits);
    copy->_category = _category;
    copy->_tags = _tags;
    for (const auto& component : _componentTemplatesList) {
        copy->addComponentTemplate(component->clone());
    }
    return copy;
}

std::string EntityTemplate::getIdentifier() const {
    return lowerCase(_name);
}

bool EntityTemplate::inherits(const std::string& name) const {
    return lowerCase(_inherits) == lowerCase(name);
}

bool EntityTemplate::hasComponentTemplate(const std::string& name) const {
    return _componentTemplates.contains(lowerCase(name));
}

Ref<ComponentTemplate> EntityTemplate::getComponentTemplate(const std::string& name) const {
    if (name.empty()) {
        return nullptr;
    }
    const auto found = _componentTemplates.find(lowerCase(name));
    return found == _componentTemplates.end() ? nullptr : found->second;
}

std::string EntityTemplate::getTemplateString(const std::string& path) const {
    const auto dot = path.find('.');
    const std::string componentName = path.substr(0, dot);
    const std::string fieldName = dot == std::string::npos ? std::string() : path.substr(dot + 1);
    const auto component = getComponentTemplate(componentName);
    if (!component) {
        throw Error("Could not find ComponentTemplate \"" + componentName + "\"");
    }
    return component->getFieldValue(fieldName);
}

void EntityTemplate::addComponentTemplate(const Ref<ComponentTemplate>& componentTemplate) {
    if (!componentTemplate) {
        return;
    }
    _componentTemplates[componentTemplate->getSchemaIdentifier()] = componentTemplate;
    _componentTemplatesList.push_back(componentTemplate);
}

Ref<EntityTemplate> EntityTemplate::Create(std::string name, std::string description,
                                           std::string parentName) {
    auto created = std::make_shared<EntityTemplate>();
    created->_name = std::move(name);
    created->_description = std::move(description);
    created->_inherits = std::move(parentName);
    return created;
}

std::string EntityTemplate::_dumpText() const {
    std::string text = "EntityTemplate[" + _name + "] inherits \"" + _inherits + "\", category \"" +
                       _category + "\"\n";
    for (const auto& component : _componentTemplatesList) {
        text += component->_dump() + "\n";
    }
    return text;
}

bool EntityTemplate::_dump(const std::string& fileName) const {
    const auto stream = platform::openStream(fileName, platform::STREAM_WRITE);
    if (!stream) {
        return false;
    }
    const std::string text = _dumpText();
    return stream->write(text.data(), text.size()) == text.size();
}

} // namespace tarvex
