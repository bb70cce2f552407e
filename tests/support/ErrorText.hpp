// The message of the framework error an action raises, for tests that assert exact texts.
#pragma once

#include "core/Error.hpp"

#include <functional>
#include <string>

namespace tarvex::testing {

// The error's message; "no error" when the action raises none.
inline std::string errorTextOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& error) {
        return error.what();
    }
    return "no error";
}

} // namespace tarvex::testing
