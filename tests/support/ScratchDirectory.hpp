// A fresh directory under the system's temporary directory for a test's own files, removed
// with everything in it when the test ends.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tarvex::testing {

class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return _path; }
    // Writes `bytes` to `name` inside the directory and answers the file's full path.
    std::string write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;

private:
    std::filesystem::path _path;
};

// The whole content of a file; empty when it cannot be read.
[[nodiscard]] std::vector<std::uint8_t> readFileBytes(const std::string& path);

} // namespace tarvex::testing
