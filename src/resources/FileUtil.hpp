// Small helpers for file paths and the user's directories. PathCombine joins a base directory
// and a relative path the way resource definition files name their includes and assets:
//
//     File_Util::PathCombine("data/levels", "../ui/a.brix");   // "data/ui/a.brix"
//     File_Util::PathCombine("data/", "/x");                   // "data/x"
//     File_Util::PathCombine("", "x");                         // "x"
//
// Both "/" and "\" count as separators when reading a path; joins use SEPARATOR.
#pragma once

#include "resources/FileInformation.hpp"

#include <string>

namespace tarvex {

class File_Util {
public:
    static constexpr const char* SEPARATOR = "/";

    // The modification time and name of a file (all times 0 when it cannot be read).
    [[nodiscard]] static Ref<FileInformation> GetInfo(const std::string& path);
    // The environment variable TEMP, or TMP when TEMP is empty, or the system's temporary
    // directory when both are.
    [[nodiscard]] static std::string GetTempDir();
    // The user's home directory; "" when the system names none.
    [[nodiscard]] static std::string GetHomeDir();
    // `a`/`b` inside the user's application-data directory.
    [[nodiscard]] static std::string GetSettingsDirectory(const std::string& a,
                                                          const std::string& b);
    // Joins `rel` to `base`: each leading "../" (or "..\") climbs one directory of `base`, and
    // exactly one separator ends up between the two.
    [[nodiscard]] static std::string PathCombine(std::string base, std::string rel);

    // The user's application-data directory ($XDG_CONFIG_HOME, else ~/.config).
    [[nodiscard]] static std::string _getApplicationDataDir();
};

} // namespace tarvex
