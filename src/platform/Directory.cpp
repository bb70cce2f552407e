#include "platform/Directory.hpp"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace tarvex::platform {

std::vector<DirectoryEntry> listDirectory(const std::string& path) {
    std::vector<DirectoryEntry> entries;
    std::error_code error;
    std::filesystem::directory_iterator walk(path, error);
    if (error) {
        return entries;
    }
    for (const auto& item : walk) {
        std::error_code kindError;
        entries.push_back({item.path().filename().string(), item.is_directory(kindError)});
    }
    std::sort(entries.begin(), entries.end(),
              [](const DirectoryEntry& a, const DirectoryEntry& b) { return a.name < b.name; });
    return entries;
}

bool isDirectory(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_directory(path, error);
}

bool isFile(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

std::string currentDirectory() {
    std::error_code error;
    std::string directory = std::filesystem::current_path(error).string();
    while (directory.size() > 1 && directory.back() == '/') {
        directory.pop_back();
    }
    return directory;
}

} // namespace tarvex::platform
