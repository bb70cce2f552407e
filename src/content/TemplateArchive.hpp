// A zip archive of template files, read through the platform's streams (so an archive may be a
// file, compiled-in data or itself a stream URL). It lists its entries by name and extracts one
// into memory; entries that claim more than MAX_ENTRY_BYTES, or whose data is damaged, are not
// extracted.
//
//     if (auto zip = TemplateArchive::open("content/templates.zip", "")) {
//         for (const auto& name : zip->entryNames()) { auto bytes = zip->extract(name); }
//     }
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tarvex {

namespace platform {
class Stream;
}

class TemplateArchive {
public:
    // Template files are small text; anything larger is refused rather than allocated.
    static constexpr std::uint64_t MAX_ENTRY_BYTES = std::uint64_t{16} << 20U;

    // Null when the source does not open or is not a zip archive. The password ("" for none)
    // is used for every entry.
    [[nodiscard]] static std::unique_ptr<TemplateArchive> open(const std::string& source,
                                                               const std::string& password);
    ~TemplateArchive();
    TemplateArchive(const TemplateArchive&) = delete;
    TemplateArchive& operator=(const TemplateArchive&) = delete;

    // Entry names in archive order ("dir/" names directory entries).
    [[nodiscard]] const std::vector<std::string>& entryNames() const { return _names; }
    // The bytes of the first entry of that name; null when missing, too large or damaged.
    [[nodiscard]] std::optional<std::vector<std::uint8_t>> extract(const std::string& name) const;

private:
    struct Handle;
    explicit TemplateArchive(std::unique_ptr<Handle> handle);

    std::unique_ptr<Handle> _handle;
    std::vector<std::string> _names;
};

} // namespace tarvex
