// A system message box wraps its text at spaces but not inside a word: one
// long unbroken run (a name of 255 letters, a path) makes the box wider than
// the screen. Such runs are broken into lines before the box sees them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// About as many characters as a message box's line holds before it wraps.
inline constexpr std::size_t longest_unbroken_run = 32;

// text with a line break after every longest characters of a run without a
// space or a line break; UTF-8 sequences are kept whole. Shorter runs, and
// the rest of the text, are as they were.
std::string break_long_words(std::string_view text, std::size_t longest = longest_unbroken_run);

}  // namespace platform
