// The framework's string-to-number conversions, used for data files, reflection and the
// session store. Both are lenient: leading blanks are skipped, reading stops at the first
// character that does not fit, and text with no number converts to zero.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvex {

// Optional sign, then "$" for hexadecimal, "%" for binary, otherwise decimal digits.
[[nodiscard]] std::int32_t toInt(std::string_view text);
[[nodiscard]] std::int64_t toLong(std::string_view text);
// Optional sign, digits, optional fraction and exponent.
[[nodiscard]] float toFloat(std::string_view text);
[[nodiscard]] double toDouble(std::string_view text);

// Shortest text that reads back as the same float.
[[nodiscard]] std::string floatToText(double value);

} // namespace tarvex
