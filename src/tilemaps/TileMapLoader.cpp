#include "tilemaps/TileMapLoader.hpp"

#include "core/DebugLog.hpp"
#include "core/TypeRegistry.hpp"

namespace tarvex {

namespace {

// Tries every registered reader derived from S on the stream; the first answer wins.
template <class S, class Result>
std::pair<Ref<Result>, Ref<S>> firstReading(platform::Stream& stream) {
    const std::int64_t start = stream.position();
    for (const Type* type : TypeRegistry::instance().derivedFrom(S::staticType())) {
        auto reader = std::dynamic_pointer_cast<S>(type->create());
        if (!reader || !stream.seek(start)) {
            continue;
        }
        if (auto result = reader->Load(stream)) {
            return {result, reader};
        }
    }
    return {nullptr, nullptr};
}

} // namespace

Ref<TileMap> TileMapLoader::LoadTileMap(const std::string& source) {
    const auto stream = platform::openStream(source);
    if (!stream) {
        return nullptr;
    }
    return firstReading<TileMapSerializer, TileMap>(*stream).first;
}

Ref<TileSet> TileMapLoader::LoadTileSet(const std::string& source) {
    const auto stream = platform::openStream(source);
    if (!stream) {
        return nullptr;
    }
    return firstReading<TileSetSerializer, TileSet>(*stream).first;
}

Ref<TileSetSerializer> TileMapLoader::GetTilesetSerializer(const std::string& source) {
    const auto stream = platform::openStream(source);
    if (!stream) {
        return nullptr;
    }
    debugLog("HERE");
    return firstReading<TileSetSerializer, TileSet>(*stream).second;
}

std::int32_t TileMapLoader::SaveTileSet(const std::string& target, const Ref<TileSet>& tileSet,
                                        const Ref<TileSetSerializer>& serializer) {
    const auto stream = platform::openStream(target, platform::STREAM_WRITE);
    if (!stream) {
        return -1;
    }
    if (!serializer || !tileSet || !serializer->save(*stream, *tileSet)) {
        return 0;
    }
    return 1;
}

} // namespace tarvex
