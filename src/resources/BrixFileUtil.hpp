// Helpers for the segments of a dotted Brix query path. A segment is the text between two dots,
// optionally with an index: "frames[2]" names the third element of "frames", "frames" the whole
// field (offset INVALID_OFFSET).
//
//     BrixFile_Util::GetName("frames[2]");     // "frames"
//     BrixFile_Util::GetOffset("frames[2]");   // 2
//     BrixFile_Util::AssembleQuery({"a", "b", "c"});   // "b.c"
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

class BrixFile_Util {
public:
    // The index of a segment written without one.
    static constexpr std::int32_t INVALID_OFFSET = -2;

    [[nodiscard]] static std::string GetName(std::string_view segment);
    // The integer between the first "[" and the first "]"; INVALID_OFFSET when there is no
    // "[" or the index is negative.
    [[nodiscard]] static std::int32_t GetOffset(std::string_view segment);
    [[nodiscard]] static bool HasOffset(std::string_view segment);
    // The segments from the second on, joined with "."; "" when there are fewer than two.
    [[nodiscard]] static std::string AssembleQuery(const std::vector<std::string>& segments);

    // Splits at every separator, keeping empty parts.
    [[nodiscard]] static std::vector<std::string> Split(std::string_view text, char separator);
    // Without leading and trailing bytes of codes 0 to 32.
    [[nodiscard]] static std::string Trim(std::string_view text);
    // ASCII letters lower-cased; other bytes unchanged.
    [[nodiscard]] static std::string LowerCase(std::string_view text);
};

} // namespace tarvex
