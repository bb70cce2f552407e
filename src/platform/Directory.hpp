// What is on disk: the files and folders of a directory, and whether a path names a file or a
// folder. Loaders that walk a folder of data files (the content database's template
// directories) use these instead of the filesystem, so that a walk visits entries in the same
// order on every machine:
//
//     for (const auto& entry : listDirectory("templates")) {
//         if (entry.isDirectory) { ... } else { load("templates/" + entry.name); }
//     }
#pragma once

#include <string>
#include <vector>

namespace tarvex::platform {

struct DirectoryEntry {
    std::string name; // the entry's own name, without the directory
    bool isDirectory = false;
};

// The files and folders directly inside `path`, sorted by name (byte order); "." and ".." are
// not listed. Empty when the directory cannot be read.
[[nodiscard]] std::vector<DirectoryEntry> listDirectory(const std::string& path);
[[nodiscard]] bool isDirectory(const std::string& path);
// True for a regular file (or a link to one).
[[nodiscard]] bool isFile(const std::string& path);
// The process's working directory, without a trailing separator.
[[nodiscard]] std::string currentDirectory();

} // namespace tarvex::platform
