// One group of a Brix file: a header ("[name]", "[name*]", "[]" or "[key:value, ...]") and a
// body of fields and nested groups. Readers walk it (GetChildren, getFieldNames, getField) or
// ask for values by a group-relative dotted path (Query, queryString).
//
//     auto sprite = group->GetChild("animation_frames", -1);
//     std::string frames = group->queryString("animation_frames.default");
//     if (group->GetMeta("t") == "resource") { ... }
//
// Groups are filled by the scanner in BrixFile and are read-only afterwards; what a query
// answers is shared with the group, so callers copy what they keep.
#pragma once

#include "core/Bag.hpp"
#include "core/Object.hpp"
#include "resources/BrixField.hpp"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tarvex {

class BrixGroup : public Object {
    TARVEX_OBJECT(BrixGroup, Object)
public:
    BrixGroup();

    // Field names in ascending byte order (not file order).
    [[nodiscard]] std::vector<std::string> getFieldNames() const;
    // The field's value at `offset`, or, when the group has no such field, the child.
    [[nodiscard]] virtual ObjectRef _getFieldOrChild(const std::string& name,
                                                     std::int32_t offset) const;
    // A field, array element, array or child group named by a path relative to this group
    // ("x", "frames[2]", "sub.x", "list[1].sub.x"); null when nothing is there.
    [[nodiscard]] virtual ObjectRef Query(const std::string& path) const;
    // Query's answer as text; "" when it is null or not text.
    [[nodiscard]] std::string queryString(const std::string& path) const;

    [[nodiscard]] const std::string& getIdentifier() const { return Identifier; }
    // Reads a header text: "" is the anonymous group "*"; a text holding ":", "," or ";" is
    // key:value metadata whose key "n" gives the identifier; anything else is the identifier.
    virtual void SetIdentifier(const std::string& text);
    // The metadata value under the lower-cased key; "" when absent.
    [[nodiscard]] std::string GetMeta(const std::string& key) const;
    void SetMeta(const std::string& key, const std::string& value);

    // Appends a child; it becomes the one GetChild finds under its identifier.
    void AddChild(const Ref<BrixGroup>& child);
    [[nodiscard]] std::int32_t CountChildren() const { return m_Children->getSize(); }
    // "" answers the group's own child list; any other name a new list of the children with
    // that identifier, in file order.
    [[nodiscard]] Ref<Bag<BrixGroup>> GetChildren(const std::string& name) const;
    // A plain child whatever the offset; for array children, -1 answers the last one added and
    // 0, 1, ... the children of that identifier in file order.
    [[nodiscard]] virtual Ref<BrixGroup> GetChild(const std::string& name,
                                                  std::int32_t offset) const;

    // Stores a field, replacing one of the same name; an array call (or a name ending in "*")
    // appends to an existing field instead.
    virtual void AddField(const std::string& name, ObjectRef value, bool isArray);
    void AddField(const std::string& name, const std::string& value, bool isArray);
    // Fields created or replaced; appending to an array does not count.
    [[nodiscard]] std::int32_t CountFields() const { return m_NumberOfFields; }
    [[nodiscard]] bool FieldIsArray(const std::string& name) const;
    [[nodiscard]] ObjectRef getField(const std::string& name, std::int32_t offset,
                                     const ObjectRef& defaultValue) const;
    [[nodiscard]] std::string getFieldString(const std::string& name, std::int32_t offset,
                                             const ObjectRef& defaultValue) const;
    // The field itself, or null.
    [[nodiscard]] Ref<BrixField> findField(const std::string& name) const;

    std::int32_t m_IsArray = 0;
    std::string Identifier;
    std::map<std::string, std::string> m_Meta;
    std::map<std::string, Ref<BrixField>> m_Fields;
    std::int32_t m_NumberOfFields = 0;
    std::map<std::string, Ref<BrixGroup>> m_ChildLookup;
    Ref<Bag<BrixGroup>> m_Children;
};

// The text of a query answer: the TextObject's text, "" for null or any other object.
[[nodiscard]] std::string brixText(const ObjectRef& value);

} // namespace tarvex
