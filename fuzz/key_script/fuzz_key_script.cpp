// Feeds arbitrary bytes to the key-script reader: every input must give a script or the one
// Error, never a crash or an out-of-bounds read; a script read back from its own text must
// come out the same.
#include "core/Error.hpp"
#include "game/harness/KeyScript.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvex::game::harness;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const auto script = parseKeyScript(text);
        const auto again = parseKeyScript(formatKeyScript(script));
        if (again.events != script.events || again.seed != script.seed) {
            std::abort();
        }
    } catch (const tarvex::Error&) {
    }
    return 0;
}
