// Reads resource definition files written in the Brix format. A file holds one group
// "resources" with the file's settings and one child group per resource:
//
//     [resources] {
//         namespace = depthrun.objects;     // prefix of every full name in this file
//         default_type = image;             // type of definitions without `type`
//         include* = more.brix;             // further files, read first
//         [t:resource, n:mine] { file = mine.png; }    // "depthrun.objects.mine"
//     }
//
// Only child groups whose header carries a non-empty `t` are definitions. `file` names and
// included files are resolved against the directory of the file given to init(), also inside
// included files, so a tree of includes shares one base directory. Nested groups of a
// definition are kept as its `_data`.
//
// A file that cannot be opened or has no "resources" group is reported on standard error and
// yields no definitions; reading goes on with the other files. An include that would read a
// file already being read (a cycle) is reported and skipped.
#pragma once

#include "resources/BrixGroup.hpp"
#include "resources/ResourceFileSerializer.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace tarvex {

class BrixResourceFileSerializer : public ResourceFileSerializer {
    TARVEX_OBJECT(BrixResourceFileSerializer, ResourceFileSerializer)
public:
    // Includes nest at most this deep; deeper ones are reported and skipped.
    static constexpr std::int32_t MAX_INCLUDE_DEPTH = 16;

    // Reads one definition file (and, first, the files it includes).
    virtual void _loadFromFile(const std::string& path);
    // Reads the files named by the `include` setting of a "resources" group, in order.
    virtual void _loadIncludes(const BrixGroup& resources);

    // The directory that `file` names and includes are resolved against: the directory of the
    // file given to init() with a trailing "/", or "" when that name has no directory.
    [[nodiscard]] std::string _baseDirectory() const;

protected:
    void _loadResources() override;

private:
    void _readDefinition(const BrixGroup& group, const std::string& path,
                         const std::string& nameSpace, const std::string& defaultType);

    std::vector<std::string> _openFiles; // the include chain being read, outermost first
};

} // namespace tarvex
