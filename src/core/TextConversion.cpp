#include "core/TextConversion.hpp"

#include <charconv>
#include <cstdlib>
#include <string>
#include <type_traits>

namespace tarvex {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::size_t skipBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    return i;
}

int digitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 99;
}

} // namespace

std::int64_t toLong(std::string_view text) {
    std::size_t i = skipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int radix = 10;
    if (i < text.size() && text[i] == '$') {
        radix = 16;
        ++i;
    } else if (i < text.size() && text[i] == '%') {
        radix = 2;
        ++i;
    }
    // Accumulate unsigned so that overlong input wraps instead of overflowing.
    std::uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i]);
        if (digit >= radix) {
            break;
        }
        value = value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(digit);
    }
    return static_cast<std::int64_t>(negative ? (~value + 1) : value);
}

std::int32_t toInt(std::string_view text) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(toLong(text)));
}

namespace {

// Reads straight into the target type, so that a float is the nearest float to the text rather
// than the float nearest to the nearest double (which can round the other way).
template <class T> T readReal(std::string_view text) {
    const std::size_t start = skipBlanks(text);
    // from_chars does not take a leading '+'.
    std::string_view number = text.substr(start);
    bool negative = false;
    if (!number.empty() && (number[0] == '+' || number[0] == '-')) {
        negative = number[0] == '-';
        number.remove_prefix(1);
    }
    // No "inf", "nan" or hexadecimal: only decimal digits make a number.
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const bool digitFirst = !number.empty() && isDigit(number[0]);
    const bool pointFirst = number.size() >= 2 && number[0] == '.' && isDigit(number[1]);
    if (!digitFirst && !pointFirst) {
        return T{0}; // a sign alone, or "-.", is no number: plain zero, not minus zero
    }
    T value{0};
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone when the result overflows or underflows; strto*
        // answers the correctly rounded value (infinity, or zero, or a subnormal) instead.
        const std::string digits(
            number.substr(0, static_cast<std::size_t>(result.ptr - number.data())));
        if constexpr (std::is_same_v<T, float>) {
            value = std::strtof(digits.c_str(), nullptr);
        } else {
            value = std::strtod(digits.c_str(), nullptr);
        }
    } else if (result.ec != std::errc()) {
        value = T{0};
    }
    return negative ? -value : value;
}

} // namespace

double toDouble(std::string_view text) {
    return readReal<double>(text);
}

float toFloat(std::string_view text) {
    return readReal<float>(text);
}

std::string floatToText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return {buffer, result.ptr};
}

} // namespace tarvex
