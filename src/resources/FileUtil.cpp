#include "resources/FileUtil.hpp"

#include <cstdlib>
#include <filesystem>

namespace tarvex {
namespace {

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? "" : value;
}

bool startsWithClimb(const std::string& path) {
    return path.size() >= 3 && path[0] == '.' && path[1] == '.' && isSeparator(path[2]);
}

} // namespace

Ref<FileInformation> File_Util::GetInfo(const std::string& path) {
    return FileInformation::GetFileInfo(path);
}

std::string File_Util::GetTempDir() {
    std::string directory = environment("TEMP");
    if (directory.empty()) {
        directory = environment("TMP");
    }
    if (directory.empty()) {
        std::error_code error;
        directory = std::filesystem::temp_directory_path(error).string();
        if (error) {
            directory = "/tmp"; // the variables it reads are set but empty
        }
    }
    return directory;
}

std::string File_Util::GetHomeDir() {
    return environment("HOME");
}

std::string File_Util::_getApplicationDataDir() {
    std::string config = environment("XDG_CONFIG_HOME");
    if (!config.empty()) {
        return config;
    }
    const std::string home = GetHomeDir();
    return home.empty() ? "" : PathCombine(home, ".config");
}

std::string File_Util::GetSettingsDirectory(const std::string& a, const std::string& b) {
    return PathCombine(_getApplicationDataDir(), PathCombine(a, b));
}

std::string File_Util::PathCombine(std::string base, std::string rel) {
    if (base.empty()) {
        return rel;
    }
    while (startsWithClimb(rel)) {
        // The directory part of the base, read without its trailing separators: climbing from
        // "data/levels/" leaves "data", not "data/levels".
        std::size_t end = base.size();
        while (end > 0 && isSeparator(base[end - 1])) {
            --end;
        }
        std::size_t lastStep = end;
        while (lastStep > 0 && !isSeparator(base[lastStep - 1])) {
            --lastStep;
        }
        const std::string step = base.substr(lastStep, end - lastStep);
        if (step.empty() || step == "..") {
            break; // nothing left to climb out of: the rest of the climb stays in `rel`
        }
        rel.erase(0, 3);
        // The root stays a root; a base of one step climbs to nothing and `rel` stands alone.
        base.resize(lastStep == 1 ? 1 : (lastStep == 0 ? 0 : lastStep - 1));
        if (base.empty()) {
            return rel;
        }
    }
    const bool baseEnds = isSeparator(base.back());
    const bool relBegins = !rel.empty() && isSeparator(rel.front());
    if (!baseEnds && !relBegins) {
        return base + SEPARATOR + rel;
    }
    if (baseEnds && relBegins) {
        return base + rel.substr(1);
    }
    return base + rel;
}

} // namespace tarvex
