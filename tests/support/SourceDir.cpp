#include "support/SourceDir.hpp"

#include <cstdlib>

namespace tarvex::testing {

std::string sourceDir() {
    if (const char* root = std::getenv("TARVEX_SOURCE_DIR"); root != nullptr && *root != '\0') {
        return root;
    }
    return TARVEX_BUILT_FROM_SOURCE_DIR;
}

std::string sourcePath(const std::string& relative) {
    return sourceDir() + "/" + relative;
}

} // namespace tarvex::testing
