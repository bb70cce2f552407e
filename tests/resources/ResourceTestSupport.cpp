#include "ResourceTestSupport.hpp"

#include "core/TextConversion.hpp"
#include "core/TypeBuilder.hpp"
#include "core/TypeRegistry.hpp"
#include "platform/Pixmap.hpp"
#include "platform/Stream.hpp"
#include "resources/ResourceTypes.hpp"

#include <vector>

namespace tarvex::testing {

const Type& CountingResource::staticType() {
    static const Type& type =
        TypeBuilder<CountingResource>("CountingResource").meta("resource_type", "counting").build();
    return type;
}

const Type& TestLevelResource::staticType() {
    static const Type& type = TypeBuilder<TestLevelResource>("TestLevelResource")
                                  .meta("resource_type", "game_level")
                                  .build();
    return type;
}

void TestLevelResource::_loadDefinition() {
    levelNumber = toInt(_setting("level_number", ""));
    stageNumber = toInt(_setting("stage_number", ""));
    timeOfDay = _setting("time_of_day", "sunny");
    enemiesToDestroy = toInt(_setting("enemies_to_destroy", ""));
    timeLimit = toInt(_setting("time_limit", "60"));
    numberOfFish = toInt(_setting("number_of_fish", "0"));
    speedMultiplier = toFloat(_setting("speed_multiplier", "1"));
    totalCharges = toInt(_setting("total_charges", "0"));
    totalSonars = toInt(_setting("total_sonars", "0"));
    mineFrequency = toInt(_setting("mine_frequency", "0"));
    enemyAggression = toFloat(_setting("enemy_aggression", "0"));
}

void registerResourceTestTypes() {
    registerResourceTypes();
    TypeRegistry::instance().add<CountingResource, TestLevelResource>();
}

std::string memoryText(const std::string& name, const std::string& text) {
    platform::registerMemoryFile(name, std::vector<std::uint8_t>(text.begin(), text.end()));
    return "memory::" + name;
}

std::uint32_t cellColour(int cell) {
    return platform::rgba(static_cast<std::uint8_t>(10 + cell * 20), 100, 50);
}

std::string memoryPng(const std::string& name, int cellWidth, int cellHeight, int columns,
                      int rows) {
    platform::Pixmap pixmap(cellWidth * columns, cellHeight * rows);
    for (int y = 0; y < pixmap.height(); ++y) {
        for (int x = 0; x < pixmap.width(); ++x) {
            pixmap.setPixel(x, y, cellColour((y / cellHeight) * columns + x / cellWidth));
        }
    }
    platform::registerMemoryFile(name, platform::encodePng(pixmap));
    return "memory::" + name;
}

std::string memoryWav(const std::string& name) {
    std::vector<std::uint8_t> bytes;
    const auto put = [&bytes](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) {
            bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
        }
    };
    const auto tag = [&bytes](const char* text) { bytes.insert(bytes.end(), text, text + 4); };
    const std::uint32_t samples = 64;
    tag("RIFF");
    put(36 + samples * 2, 4);
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(1, 2);     // PCM
    put(1, 2);     // mono
    put(8000, 4);  // rate
    put(16000, 4); // bytes per second
    put(2, 2);     // block
    put(16, 2);    // bits
    tag("data");
    put(samples * 2, 4);
    for (std::uint32_t i = 0; i < samples; ++i) {
        put(i * 100, 2);
    }
    platform::registerMemoryFile(name, std::move(bytes));
    return "memory::" + name;
}

std::string resourceDbDirectory() {
    return TARVEX_RESOURCE_DB;
}

} // namespace tarvex::testing
