#include "platform/long_words.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(long_words, only_runs_longer_than_a_line_are_broken_and_characters_kept_whole) {
    const std::string name(70, 'W');
    const std::string e_acute = "\xc3\xa9";
    std::string accented;
    for (int i = 0; i < 5; ++i) accented += e_acute;
    const struct {
        const char* what;
        std::size_t longest;
        std::string text, broken;
    } cases[] = {
        {"a short text", 32, "Ann has won!\nDo you want to play again?",
         "Ann has won!\nDo you want to play again?"},
        {"a run of exactly a line", 32, std::string(32, 'W') + " wins", std::string(32, 'W') + " wins"},
        {"a long name", 32, name + " has won!",
         std::string(32, 'W') + "\n" + std::string(32, 'W') + "\nWWWWWW has won!"},
        {"runs counted afresh after a space or a line break", 3, "abcd efgh\nijkl", "abc\nd efg\nh\nijk\nl"},
        {"two-byte characters", 3, accented, e_acute + e_acute + e_acute + "\n" + e_acute + e_acute},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(platform::break_long_words(c.text, c.longest), c.broken);
    }
}

}  // namespace
