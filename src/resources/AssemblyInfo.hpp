// The product record of the framework and game: name, version and date, for title screens,
// logs and about boxes.
#pragma once

namespace tarvex {

struct AssemblyInfo {
    static constexpr const char* Name = "Depthrun 2000";
    static constexpr const char* Version = "0.1.0";
    static constexpr const char* VersionName = "Blah";
    static constexpr const char* Date = "February 28th, 2017";
    static constexpr const char* Company = "Depthrun Dev";
};

} // namespace tarvex
