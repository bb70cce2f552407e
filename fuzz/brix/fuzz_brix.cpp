// Feeds arbitrary bytes to the Brix reader and walks what it makes: every input must give a
// tree (possibly empty), never a crash, an out-of-bounds read, unbounded recursion or an
// unbounded allocation. The queries use paths taken from the tree itself and from the data.
#include "resources/BrixFile.hpp"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace {

void walk(tarvex::BrixFile& file, const tarvex::BrixGroup& group, const std::string& path,
          int depth) {
    for (const auto& name : group.getFieldNames()) {
        (void)file.queryString(path + "." + name);
        (void)group.getField(name, 0, nullptr);
        (void)group.getField(name, -1, nullptr);
    }
    (void)group.GetMeta("n");
    if (depth > 8) {
        return;
    }
    for (const auto& child : *group.GetChildren("")) {
        walk(file, *child, path + "." + child->getIdentifier(), depth + 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto stream = tarvex::platform::MemoryStream::view(std::span(data, size));
    tarvex::BrixFile file;
    file.loadFromStream(stream);
    for (const auto& group : *file.getGroups()) {
        walk(file, *group, group->getIdentifier(), 0);
    }
    // The data read as a path and as metadata criteria.
    const std::string text(reinterpret_cast<const char*>(data), size < 64 ? size : 64);
    (void)file.query(text);
    (void)file.QueryBool(text);
    (void)file.getNodes(text);
    return 0;
}
