#include "support/ScratchDirectory.hpp"

#include <atomic>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace tarvex::testing {

ScratchDirectory::ScratchDirectory() {
    static std::atomic<int> counter{0};
    _path = std::filesystem::temp_directory_path() /
            ("tarvex-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(_path);
}

ScratchDirectory::~ScratchDirectory() {
    std::error_code error;
    std::filesystem::remove_all(_path, error);
}

std::string ScratchDirectory::write(const std::string& name,
                                    const std::vector<std::uint8_t>& bytes) const {
    const auto file = _path / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return file.string();
}

std::vector<std::uint8_t> readFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace tarvex::testing
