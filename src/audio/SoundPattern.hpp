// The patterns by which the game asks for "one of these sounds": an identifier matches when the
// whole identifier fits the whole pattern, character by character and case-sensitively. `*`
// stands for any run of characters (also none), `?` for exactly one, and a backslash makes the
// next pattern character literal; every other character stands for itself.
//
//     matchesSoundPattern("depthrun.sounds.explode2", "depthrun.sounds.explode*");  // true
//     matchesSoundPattern("ac", "a?c");                                             // false
//     matchesSoundPattern("a*", "a\\*");                                            // true
//
// An empty identifier or an empty pattern never matches. A backslash at the very end of a
// pattern has nothing to escape and stands for itself.
#pragma once

#include <string_view>

namespace tarvex {

[[nodiscard]] bool matchesSoundPattern(std::string_view identifier, std::string_view pattern);

} // namespace tarvex
