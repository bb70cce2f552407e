// Where the game finds its content: the directory "resource_db" beside the program, unless a
// tool or test points it elsewhere. Also the compiled-in font every screen draws with.
//
//     gameDataDirectory() + "/levels/resources.brix"
//     gameFont(20)   // "incbin::small-font.ttf" at 20 pixels, unsmoothed
#pragma once

#include "platform/ImageFont.hpp"

#include <string>

namespace tarvex::game {

// No trailing separator.
[[nodiscard]] std::string gameDataDirectory();
// "" returns to the directory beside the program.
void setGameDataDirectory(const std::string& directory);

// The font compiled into the program at that pixel size, style 0 (crisp pixels); null if the
// program entry has not registered the built-in files.
[[nodiscard]] Ref<platform::ImageFont> gameFont(int pixelSize);

} // namespace tarvex::game
