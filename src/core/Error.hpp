// The one error type raised by the framework and the game. It carries the message text exactly
// as the caller must see it; the program entry prints it and exits non-zero. Nothing else
// catches it.
#pragma once

#include <stdexcept>
#include <string>

namespace tarvex {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

} // namespace tarvex
