// Texts by key, such as the words of one language: a plain map whose absent keys read as "".
//
//     auto table = std::make_shared<StringTable>();
//     table->set("title", "Depth charge").set("score", "Score");
//     table->get("title");    // "Depth charge"
//     table->get("missing");  // ""
#pragma once

#include "core/Object.hpp"

#include <map>
#include <string>

namespace tarvex {

class StringTable : public Object {
    TARVEX_OBJECT(StringTable, Object)
public:
    // The text under `key`, or "" when absent.
    [[nodiscard]] std::string get(const std::string& key) const;
    // Stores a text; a later value replaces an earlier one.
    StringTable& set(const std::string& key, const std::string& value);
    [[nodiscard]] const std::map<std::string, std::string>& entries() const { return _strings; }

private:
    std::map<std::string, std::string> _strings;
};

} // namespace tarvex
