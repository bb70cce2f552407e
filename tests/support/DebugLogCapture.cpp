#include "support/DebugLogCapture.hpp"

#include <algorithm>

namespace tarvex::testing {

DebugLogCapture::DebugLogCapture()
    : _previous(setDebugLogListener([this](std::string_view line) { _lines.emplace_back(line); })) {
}

DebugLogCapture::~DebugLogCapture() {
    setDebugLogListener(std::move(_previous));
}

bool DebugLogCapture::contains(const std::string& line) const {
    return std::find(_lines.begin(), _lines.end(), line) != _lines.end();
}

} // namespace tarvex::testing
