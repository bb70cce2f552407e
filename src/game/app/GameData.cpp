#include "game/app/GameData.hpp"

#include "platform/ProgramDirectory.hpp"

namespace tarvex::game {

namespace {

std::string& dataDirectoryOverride() {
    static std::string directory;
    return directory;
}

} // namespace

std::string gameDataDirectory() {
    const std::string& chosen = dataDirectoryOverride();
    return chosen.empty() ? platform::programDirectory() + "/resource_db" : chosen;
}

void setGameDataDirectory(const std::string& directory) {
    dataDirectoryOverride() = directory;
}

Ref<platform::ImageFont> gameFont(int pixelSize) {
    return platform::ImageFont::load("incbin::small-font.ttf", pixelSize, 0);
}

} // namespace tarvex::game
