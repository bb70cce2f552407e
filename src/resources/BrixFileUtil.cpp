#include "resources/BrixFileUtil.hpp"

#include "core/TextConversion.hpp"

namespace tarvex {

std::string BrixFile_Util::GetName(std::string_view segment) {
    return std::string(segment.substr(0, segment.find('[')));
}

std::int32_t BrixFile_Util::GetOffset(std::string_view segment) {
    const auto open = segment.find('[');
    if (open == std::string_view::npos) {
        return INVALID_OFFSET;
    }
    // Without a "]" the index runs to the end of the segment.
    std::string_view index = segment.substr(open + 1);
    index = index.substr(0, index.find(']'));
    const std::int32_t offset = toInt(index);
    return offset < 0 ? INVALID_OFFSET : offset;
}

bool BrixFile_Util::HasOffset(std::string_view segment) {
    return segment.find('[') != std::string_view::npos;
}

std::string BrixFile_Util::AssembleQuery(const std::vector<std::string>& segments) {
    std::string query;
    for (std::size_t i = 1; i < segments.size(); ++i) {
        if (i > 1) {
            query += '.';
        }
        query += segments[i];
    }
    return query;
}

std::vector<std::string> BrixFile_Util::Split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const auto end = text.find(separator, start);
        if (end == std::string_view::npos) {
            parts.emplace_back(text.substr(start));
            return parts;
        }
        parts.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
}

std::string BrixFile_Util::Trim(std::string_view text) {
    // Bytes compare unsigned: characters above 127 are text, not blanks.
    const auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    std::size_t start = 0;
    std::size_t end = text.size();
    while (start < end && isBlank(text[start])) {
        ++start;
    }
    while (end > start && isBlank(text[end - 1])) {
        --end;
    }
    return std::string(text.substr(start, end - start));
}

std::string BrixFile_Util::LowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

} // namespace tarvex
