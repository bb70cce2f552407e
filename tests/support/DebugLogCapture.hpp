// Collects the lines written to the debug log while it is alive.
#pragma once

#include "core/DebugLog.hpp"

#include <string>
#include <vector>

namespace tarvex::testing {

class DebugLogCapture {
public:
    DebugLogCapture();
    ~DebugLogCapture();
    DebugLogCapture(const DebugLogCapture&) = delete;
    DebugLogCapture& operator=(const DebugLogCapture&) = delete;

    [[nodiscard]] const std::vector<std::string>& lines() const { return _lines; }
    [[nodiscard]] bool contains(const std::string& line) const;

private:
    std::vector<std::string> _lines;
    DebugLogListener _previous;
};

} // namespace tarvex::testing
