#include "resources/BrixGroup.hpp"

#include "core/TextObject.hpp"
#include "core/TypeBuilder.hpp"
#include "resources/BrixFileUtil.hpp"

#include <algorithm>

namespace tarvex {

const Type& BrixGroup::staticType() {
    static const Type& type = TypeBuilder<BrixGroup>("BrixGroup")
                                  .field("m_IsArray", &BrixGroup::m_IsArray)
                                  .field("Identifier", &BrixGroup::Identifier)
                                  .field("m_Meta", &BrixGroup::m_Meta)
                                  .field("m_Fields", &BrixGroup::m_Fields)
                                  .field("m_NumberOfFields", &BrixGroup::m_NumberOfFields)
                                  .field("m_ChildLookup", &BrixGroup::m_ChildLookup)
                                  .field("m_Children", &BrixGroup::m_Children)
                                  .build();
    return type;
}

std::string brixText(const ObjectRef& value) {
    if (const auto* text = dynamic_cast<const TextObject*>(value.get())) {
        return text->value;
    }
    return "";
}

BrixGroup::BrixGroup() : m_Children(std::make_shared<Bag<BrixGroup>>()) {}

std::vector<std::string> BrixGroup::getFieldNames() const {
    std::vector<std::string> names;
    names.reserve(m_Fields.size());
    for (const auto& entry : m_Fields) {
        names.push_back(entry.first); // the map keeps them in byte order
    }
    return names;
}

ObjectRef BrixGroup::_getFieldOrChild(const std::string& name, std::int32_t offset) const {
    if (auto value = getField(name, offset, nullptr)) {
        return value;
    }
    return GetChild(name, offset);
}

ObjectRef BrixGroup::Query(const std::string& path) const {
    if (path.empty()) {
        return nullptr;
    }
    if (path.find('.') == std::string::npos) {
        return _getFieldOrChild(BrixFile_Util::GetName(path), BrixFile_Util::GetOffset(path));
    }
    const auto segments = BrixFile_Util::Split(path, '.');
    const auto child =
        GetChild(BrixFile_Util::GetName(segments[0]), BrixFile_Util::GetOffset(segments[0]));
    if (!child) {
        return nullptr;
    }
    if (segments.size() == 2) {
        const std::string name = BrixFile_Util::GetName(segments[1]);
        const std::int32_t offset = name == "*" ? -1 : BrixFile_Util::GetOffset(segments[1]);
        return child->_getFieldOrChild(name, offset);
    }
    return child->Query(BrixFile_Util::AssembleQuery(segments));
}

std::string BrixGroup::queryString(const std::string& path) const {
    return brixText(Query(path));
}

void BrixGroup::SetIdentifier(const std::string& text) {
    if (text.empty()) {
        Identifier.assign(1, '*'); // the anonymous group
        return;
    }
    if (text.find_first_of(":,;") == std::string::npos) {
        Identifier = text;
        return;
    }
    std::string compact;
    compact.reserve(text.size());
    for (const char c : text) {
        if (c == ' ') {
            continue;
        }
        compact += c == ';' ? ',' : c;
    }
    for (const auto& part : BrixFile_Util::Split(compact, ',')) {
        const auto colon = part.find(':');
        if (colon == std::string::npos) {
            continue; // a part without a value (such as after a trailing comma) says nothing
        }
        m_Meta[BrixFile_Util::LowerCase(part.substr(0, colon))] = part.substr(colon + 1);
    }
    const auto name = m_Meta.find("n");
    Identifier = name == m_Meta.end() ? "" : name->second;
}

std::string BrixGroup::GetMeta(const std::string& key) const {
    const auto found = m_Meta.find(BrixFile_Util::LowerCase(key));
    return found == m_Meta.end() ? "" : found->second;
}

void BrixGroup::SetMeta(const std::string& key, const std::string& value) {
    m_Meta[key] = value;
}

void BrixGroup::AddChild(const Ref<BrixGroup>& child) {
    if (!child) {
        return;
    }
    m_Children->add(child);
    m_ChildLookup[child->Identifier] = child;
}

Ref<Bag<BrixGroup>> BrixGroup::GetChildren(const std::string& name) const {
    if (name.empty()) {
        return m_Children;
    }
    auto matching = std::make_shared<Bag<BrixGroup>>();
    for (const auto& child : *m_Children) {
        if (child->Identifier == name) {
            matching->add(child);
        }
    }
    return matching;
}

Ref<BrixGroup> BrixGroup::GetChild(const std::string& name, std::int32_t offset) const {
    const auto found = m_ChildLookup.find(name);
    if (found == m_ChildLookup.end()) {
        return nullptr;
    }
    if (found->second->m_IsArray == 0 || offset == -1) {
        return found->second;
    }
    std::int32_t count = 0;
    for (const auto& child : *m_Children) {
        if (child->Identifier != name) {
            continue;
        }
        if (count == offset) {
            return child;
        }
        ++count;
    }
    return nullptr;
}

void BrixGroup::AddField(const std::string& name, ObjectRef value, bool isArray) {
    if (!name.empty() && name.back() == '*') {
        isArray = true;
    }
    if (isArray) {
        const auto existing = m_Fields.find(name);
        if (existing != m_Fields.end()) {
            existing->second->addToArray(std::move(value));
            return;
        }
    }
    m_Fields[name] = BrixField::Create(name, std::move(value), isArray);
    ++m_NumberOfFields;
}

void BrixGroup::AddField(const std::string& name, const std::string& value, bool isArray) {
    AddField(name, TextObject::Create(value), isArray);
}

bool BrixGroup::FieldIsArray(const std::string& name) const {
    const auto field = findField(name);
    return field && field->isArray != 0;
}

ObjectRef BrixGroup::getField(const std::string& name, std::int32_t offset,
                              const ObjectRef& defaultValue) const {
    const auto field = findField(name);
    return field ? field->getValue(offset) : defaultValue;
}

std::string BrixGroup::getFieldString(const std::string& name, std::int32_t offset,
                                      const ObjectRef& defaultValue) const {
    return brixText(getField(name, offset, defaultValue));
}

Ref<BrixField> BrixGroup::findField(const std::string& name) const {
    const auto found = m_Fields.find(name);
    return found == m_Fields.end() ? nullptr : found->second;
}

} // namespace tarvex
