#include "resources/StringTableResource.hpp"

#include "core/TypeBuilder.hpp"
#include "platform/Stream.hpp"
#include "resources/BrixFileUtil.hpp"

namespace tarvex {

const Type& StringTableResource::staticType() {
    static const Type& type = TypeBuilder<StringTableResource>("StringTableResource")
                                  .meta("resource_type", "stringtable")
                                  .field("_table", &StringTableResource::_table)
                                  .build();
    return type;
}

Ref<StringTable> StringTableResource::getTable() {
    (void)get();
    return _table;
}

void StringTableResource::readLines(std::string_view text, StringTable& table) {
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const auto equals = line.find('=');
        if (equals == std::string_view::npos) {
            table.set("", BrixFile_Util::Trim(line));
        } else {
            table.set(BrixFile_Util::Trim(line.substr(0, equals)),
                      BrixFile_Util::Trim(line.substr(equals + 1)));
        }
    }
}

void StringTableResource::_load() {
    _table = std::make_shared<StringTable>();
    const auto& definition = getDefinition();
    if (!definition) {
        return;
    }
    // A definition without a `file` setting carries its file name as that of the definition
    // file itself; reading that Brix text as "key = value" lines would fill the table with
    // fragments of the definitions, so the table is made of the definition's settings.
    if (!definition->namesFile()) {
        for (const auto& [key, value] : definition->getDetails()) {
            _table->set(key, value);
        }
        return;
    }
    const std::string& file = definition->getFileName();
    const auto bytes = platform::loadBytes(file, MAX_FILE_BYTES);
    if (!bytes) {
        _table = nullptr;
        _reportUnreadable(file);
        return;
    }
    readLines(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()),
              *_table);
}

} // namespace tarvex
