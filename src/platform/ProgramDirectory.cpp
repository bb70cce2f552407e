#include "platform/ProgramDirectory.hpp"

#include <filesystem>
#include <mutex>
#include <system_error>

namespace tarvex::platform {
namespace {

std::mutex& overrideMutex() {
    static std::mutex mutex;
    return mutex;
}

std::string& overridden() {
    static std::string directory;
    return directory;
}

std::string executableDirectory() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return std::filesystem::current_path(error).string();
    }
    return executable.parent_path().string();
}

} // namespace

std::string programDirectory() {
    {
        const std::scoped_lock lock(overrideMutex());
        if (!overridden().empty()) {
            return overridden();
        }
    }
    static const std::string directory = executableDirectory();
    return directory;
}

void overrideProgramDirectory(const std::string& directory) {
    const std::scoped_lock lock(overrideMutex());
    overridden() = directory;
    while (overridden().size() > 1 && overridden().back() == '/') {
        overridden().pop_back();
    }
}

} // namespace tarvex::platform
