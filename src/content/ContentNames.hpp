// Name handling shared by the content database: every lookup of a schema, template, component
// or field name is case-insensitive, done by storing and looking keys up lower-cased.
#pragma once

#include <string>
#include <string_view>

namespace tarvex {

// ASCII lower case; other bytes are kept as they are.
[[nodiscard]] std::string lowerCase(std::string_view text);

} // namespace tarvex
