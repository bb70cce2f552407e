// The directory the running program lives in (the game's data directory "resource_db" sits
// beside it). Answered without a trailing separator.
#pragma once

#include <string>

namespace tarvex::platform {

[[nodiscard]] std::string programDirectory();
// Tests and tools may point the program directory elsewhere; "" restores the real one.
void overrideProgramDirectory(const std::string& directory);

} // namespace tarvex::platform
