// A StringTable read from a plain text file of "key = value" lines, or, when the definition
// names no file, made of the definition's own settings:
//
//     [t:resource, n:words] { type = stringtable; file = english.txt; }
//     [t:resource, n:labels] { type = stringtable; title = Depth charge; score = Score; }
//
// Each line of the file is split at its first "="; key and value are trimmed of blanks and
// control characters. A line without "=" stores its trimmed text under the empty key. Files
// larger than MAX_FILE_BYTES are not read.
#pragma once

#include "resources/BaseResource.hpp"
#include "resources/StringTable.hpp"

#include <cstddef>
#include <string_view>

namespace tarvex {

class StringTableResource : public BaseResource {
    TARVEX_OBJECT(StringTableResource, BaseResource)
public:
    static constexpr std::size_t MAX_FILE_BYTES = std::size_t{16} << 20;

    // The table, read first when needed; null when its file could not be read.
    [[nodiscard]] Ref<StringTable> getTable();

    // Fills `table` from "key = value" lines.
    static void readLines(std::string_view text, StringTable& table);

protected:
    void _loadDefinition() override {}
    void _load() override;
    void _free() override { _table = nullptr; }
    [[nodiscard]] ObjectRef _get() override { return _table; }

private:
    Ref<StringTable> _table;
};

} // namespace tarvex
