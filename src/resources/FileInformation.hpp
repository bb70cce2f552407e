// The name and modification time of a file, the time split into its local-time parts, for
// showing ("7/3/2017 9:5:2") and for ordering files newest first.
//
//     auto info = FileInformation::GetFileInfo("resource_db/ui/resources.brix");
//     debugLog(info->toString());
#pragma once

#include "core/Object.hpp"

#include <cstdint>
#include <string>

namespace tarvex {

class FileInformation : public Object {
    TARVEX_OBJECT(FileInformation, Object)
public:
    std::string name;
    std::int32_t longtime = 0; // seconds since 1970
    std::int32_t hour = 0;
    std::int32_t minute = 0;
    std::int32_t Second = 0;
    std::int32_t day = 0;
    std::int32_t Month = 0; // 1 to 12
    std::int32_t year = 0;  // four digits

    // A record of `path`; when the file cannot be read its times all stay 0.
    [[nodiscard]] static Ref<FileInformation> GetFileInfo(const std::string& path);
    // Fills the record from the file at `path`; false when it cannot be read.
    bool checkFile(const std::string& path);

    // "hour:minute:second", "day/month/year" and both with a blank between, no leading zeros.
    [[nodiscard]] std::string getTidyString_Time() const;
    [[nodiscard]] std::string getTidyString_Date() const;
    [[nodiscard]] std::string getTidyString_all() const;
    [[nodiscard]] std::string toString() const { return getTidyString_all(); }
    [[nodiscard]] std::string ToString() const override { return toString(); }

    // Newer files first: negative when this file is newer than `other`, positive when older, 0
    // for equal times or when `other` is no FileInformation.
    [[nodiscard]] int compare(const ObjectRef& other) const;
    [[nodiscard]] int Compare(const Object& other) const override;
};

} // namespace tarvex
