#include "resources/FileInformation.hpp"

#include "core/TypeBuilder.hpp"

#include <chrono>
#include <ctime>
#include <filesystem>

namespace tarvex {

const Type& FileInformation::staticType() {
    static const Type& type = TypeBuilder<FileInformation>("FileInformation")
                                  .field("name", &FileInformation::name)
                                  .field("longtime", &FileInformation::longtime)
                                  .field("hour", &FileInformation::hour)
                                  .field("minute", &FileInformation::minute)
                                  .field("Second", &FileInformation::Second)
                                  .field("day", &FileInformation::day)
                                  .field("Month", &FileInformation::Month)
                                  .field("year", &FileInformation::year)
                                  .build();
    return type;
}

Ref<FileInformation> FileInformation::GetFileInfo(const std::string& path) {
    auto info = std::make_shared<FileInformation>();
    (void)info->checkFile(path);
    return info;
}

bool FileInformation::checkFile(const std::string& path) {
    name = path;
    std::error_code error;
    const auto written = std::filesystem::last_write_time(path, error);
    if (error) {
        return false;
    }
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
                             std::chrono::file_clock::to_sys(written).time_since_epoch())
                             .count();
    const auto when = static_cast<std::time_t>(seconds);
    std::tm local{};
    if (localtime_r(&when, &local) == nullptr) {
        return false;
    }
    longtime = static_cast<std::int32_t>(seconds);
    hour = local.tm_hour;
    minute = local.tm_min;
    Second = local.tm_sec;
    day = local.tm_mday;
    Month = local.tm_mon + 1;
    year = local.tm_year + 1900;
    return true;
}

std::string FileInformation::getTidyString_Time() const {
    return std::to_string(hour) + ":" + std::to_string(minute) + ":" + std::to_string(Second);
}

std::string FileInformation::getTidyString_Date() const {
    return std::to_string(day) + "/" + std::to_string(Month) + "/" + std::to_string(year);
}

std::string FileInformation::getTidyString_all() const {
    return getTidyString_Date() + " " + getTidyString_Time();
}

int FileInformation::compare(const ObjectRef& other) const {
    return other ? Compare(*other) : 0;
}

int FileInformation::Compare(const Object& other) const {
    const auto* record = dynamic_cast<const FileInformation*>(&other);
    if (record == nullptr || record->longtime == longtime) {
        return 0;
    }
    return record->longtime < longtime ? -1 : 1;
}

} // namespace tarvex
