// Feeds arbitrary bytes to the zip archive reader as an archive and opens every member it
// lists, without and with a password: every input must give members or nothing, never a crash,
// an out-of-bounds read or an allocation beyond the member ceiling.
#include "resources/ZipArchive.hpp"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto archive =
        tarvex::ZipArchive::open(tarvex::platform::MemoryStream::view(std::span(data, size)));
    if (!archive) {
        return 0;
    }
    int opened = 0;
    for (const auto& name : archive->entryNames()) {
        if (++opened > 64) {
            break; // enough to reach every kind of member; the rest only repeat the work
        }
        (void)archive->extract(name, "");
        (void)archive->extract(name, "secret");
    }
    (void)archive->extract("../escape", "");
    return 0;
}
