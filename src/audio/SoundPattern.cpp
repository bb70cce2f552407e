#include "audio/SoundPattern.hpp"

#include <cstddef>
#include <vector>

namespace tarvex {
namespace {

enum class TokenKind { Literal, AnyOne, AnyRun };

struct Token {
    TokenKind kind;
    char literal;
};

std::vector<Token> tokenize(std::string_view pattern) {
    std::vector<Token> tokens;
    tokens.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '\\' && i + 1 < pattern.size()) {
            tokens.push_back({TokenKind::Literal, pattern[++i]});
        } else if (c == '*') {
            tokens.push_back({TokenKind::AnyRun, 0});
        } else if (c == '?') {
            tokens.push_back({TokenKind::AnyOne, 0});
        } else {
            tokens.push_back({TokenKind::Literal, c});
        }
    }
    return tokens;
}

} // namespace

bool matchesSoundPattern(std::string_view identifier, std::string_view pattern) {
    if (identifier.empty() || pattern.empty()) {
        return false;
    }
    const std::vector<Token> tokens = tokenize(pattern);
    // Greedy matching with one point of return: the last star seen and the text position it
    // took over. Each mismatch lets that star swallow one more character, so the work stays
    // proportional to identifier length times pattern length whatever the pattern holds.
    std::size_t text = 0;
    std::size_t token = 0;
    std::size_t starToken = tokens.size(); // none yet
    std::size_t starText = 0;
    while (text < identifier.size()) {
        if (token < tokens.size() && tokens[token].kind == TokenKind::AnyRun) {
            starToken = token++;
            starText = text;
        } else if (token < tokens.size() && (tokens[token].kind == TokenKind::AnyOne ||
                                             tokens[token].literal == identifier[text])) {
            ++token;
            ++text;
        } else if (starToken != tokens.size()) {
            token = starToken + 1;
            text = ++starText;
        } else {
            return false;
        }
    }
    while (token < tokens.size() && tokens[token].kind == TokenKind::AnyRun) {
        ++token;
    }
    return token == tokens.size();
}

} // namespace tarvex
